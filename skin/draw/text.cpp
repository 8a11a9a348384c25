#include "skin/draw/text.h"

#include <cstring>
#include <cwchar>

#include "host/graphics/platform.h"

namespace skin {

bool UseWideApi = host::Win32Platform() == VER_PLATFORM_WIN32_NT;

namespace {

std::string WideToAnsi(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string result(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, result.data(), n, nullptr, nullptr);
  return result;
}

}  // namespace

std::wstring GetWindowTextWide(HWND window) {
  if (UseWideApi) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    // The length measured before reading, whatever the read returned.
    text.resize(static_cast<size_t>(length));
    return text;
  }
  char buffer[1000] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  buffer[sizeof buffer - 1] = '\0';
  return AnsiToWide(buffer);
}

std::string GetClassNameText(HWND window) {
  char buffer[100] = {};
  const int n = GetClassNameA(window, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, strnlen(buffer, sizeof buffer)) : std::string();
}

std::wstring AnsiToWide(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (n <= 0) return {};
  std::wstring result(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, result.data(), n);
  return result;
}

std::wstring WideFromBuffer(const wchar_t* text, int count) {
  if (!text || count == 0 || count < -1) return {};
  if (count == -1) return std::wstring(text);
  return std::wstring(text, static_cast<size_t>(count));
}

int DrawTextAW(HDC dc, std::wstring_view text, RECT& rect, UINT format) {
  if (UseWideApi) return DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
  const std::string narrow = WideToAnsi(WideFromBuffer(text.data(), static_cast<int>(text.size())));
  return DrawTextA(dc, narrow.c_str(), -1, &rect, format);
}

}  // namespace skin
