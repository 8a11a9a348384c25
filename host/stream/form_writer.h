#pragma once
#include <string>

#include "host/core/component.h"

namespace host {

// Writes root and the components it owns as a stored form in the text format
// the reader takes: every published property that can be written back, owned
// objects' properties as paths ("Font.Name"), handlers by the names they were
// read with, components nested where they were placed. Reading the result
// gives components that write the same text again.
std::string WriteStoredForm(const TComponent& root);

}  // namespace host
