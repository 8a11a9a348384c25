#pragma once
// Tells the user about a skin package the reader refused for its version. The
// Windows build shows a message box; the portable build writes to standard error.
#include <string_view>

namespace skin::store {

void ShowPackageNotice(std::string_view text);

}  // namespace skin::store
