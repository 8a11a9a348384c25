#pragma once
// Texts are UTF-8 inside the program and UTF-16 at the Win32 boundary, so every
// language shows right whatever the system's ANSI code page is.
#include <string>
#include <string_view>

namespace host {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// Text stored in a legacy code page (for example 1251), converted explicitly.
std::wstring FromCodePage(std::string_view bytes, unsigned code_page);

bool SameText(std::string_view a, std::string_view b) noexcept;  // ASCII case-insensitive
std::string LowerCase(std::string_view text);                     // A to Z only
std::string UpperCase(std::string_view text);                     // a to z only

}  // namespace host
