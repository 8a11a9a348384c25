#pragma once
// The colour notation of skin definitions: red, green and blue as decimal
// numbers with any non-digit characters between them ("236 233 216").
#include <windows.h>

#include <string_view>

namespace skin {

// Each number taken modulo 256, missing ones 0; a number that ends the text
// counts only when exactly two came before it, and only three count at all.
// An empty text or one without digits gives black.
COLORREF ParseColourText(std::string_view text);

}  // namespace skin
