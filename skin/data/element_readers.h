#pragma once
// The readers of single elements. Each section reader makes its descriptor
// only when the section names a picture; the fixed elements are refilled.
#include <memory>
#include <string_view>

#include "skin/data/definition_source.h"
#include "skin/data/skin_elements.h"

namespace skin {

std::unique_ptr<TDataSkinObject> ReadPlainElement(const DefinitionSource& src, std::string_view section);
std::unique_ptr<TDataSkinBorder> ReadElementWithImage2(const DefinitionSource& src, std::string_view section,
                                                       std::string_view image2_key);
std::unique_ptr<TDataSkinBorder> ReadProgressElement(const DefinitionSource& src, std::string_view section);
std::unique_ptr<TDataSkinBoxLabel> ReadGroupBoxElement(const DefinitionSource& src, std::string_view section);
std::unique_ptr<TDataSkinObject> ReadMenuBarElement(const DefinitionSource& src);
// A picture of the program's own resources, margins 3 all round.
std::unique_ptr<TDataSkinObject> BuiltInElement(const wchar_t* resource, std::string_view name);

void ReadFrameBorder(const DefinitionSource& src, TDataSkinBorder& border);
void ReadCaptionText(const DefinitionSource& src, TDataSkinTitle& title);
void ReadPushButtons(const DefinitionSource& src, TDataSkinButton& buttons);

}  // namespace skin
