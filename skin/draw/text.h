#pragma once
// Window texts and text drawing in UTF-16, through the wide Win32 calls on
// the NT family and the narrow ones (system ANSI code page) elsewhere.
#include <windows.h>

#include <string>
#include <string_view>

namespace skin {

// True on the NT family; set once at start-up, before any window is skinned.
extern bool UseWideApi;

// The window's text. The narrow path reads at most 999 characters.
std::wstring GetWindowTextWide(HWND window);
// The window's class name, at most 99 characters.
std::string GetClassNameText(HWND window);
// System ANSI code page to UTF-16.
std::wstring AnsiToWide(std::string_view text);
// The first count characters, or up to the terminating zero when count is -1.
std::wstring WideFromBuffer(const wchar_t* text, int count);
// DrawText of the text; with DT_CALCRECT the rectangle is updated. Returns
// what DrawText returns (the text height).
int DrawTextAW(HDC dc, std::wstring_view text, RECT& rect, UINT format);

}  // namespace skin
