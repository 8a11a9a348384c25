#pragma once
// The stored form as text: a tree of objects, each with its properties, parsed
// from a readable form file kept in the sources and carried in the resources.
//
//   object Form1: TForm1
//     Caption = 'Brindle Launcher'       text ('' is a quote, #1234 a code point)
//     ClientWidth = 427                  integer (decimal or $hex)
//     BorderStyle = bsSingle             identifier: enumeration, boolean, handler
//     BorderIcons = [biSystemMenu]       set
//     Skin3rd = ('TA=button' 'TB=edit')  list of texts
//     SkinStream = {0A0B0C}              binary data, hexadecimal
//     Font.Style = [fsBold]              a property of an owned object
//     Panels = < item Width = 80 end >   the items of a collection
//     object Button1: TButton ... end    owned components
//   end
#include <string>
#include <string_view>
#include <vector>

#include "host/core/properties.h"

namespace host {

struct StoredObject;

struct StoredProperty {
  std::string name;  // may be a path: "Font.Name"
  Value value;
  int line = 0;
  bool collection = false;         // the value is the items below
  std::vector<StoredObject> items; // each item's properties, unnamed
};

struct StoredObject {
  std::string name;
  std::string class_name;
  int line = 0;
  std::vector<StoredProperty> props;
  std::vector<StoredObject> children;
};

// Throws host::Error naming the line of the first fault.
StoredObject ParseStoredForm(std::string_view text);

}  // namespace host
