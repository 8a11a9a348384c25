#pragma once
#include <string_view>

#include "host/core/component.h"
#include "host/stream/form_text.h"

namespace host {

// Reads a stored object tree into root: root's own properties, then its owned
// components (created by class name, owned by root, placed in the component
// they are nested in), then Loaded on every one of them, root first.
// Throws host::Error naming the line and the fault.
void ReadComponent(TComponent& root, const StoredObject& stored);

// The stored form of root's class: the RCDATA resource named like the class.
void ReadStoredForm(TComponent& root);

}  // namespace host
