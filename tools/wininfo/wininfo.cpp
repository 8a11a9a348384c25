// Looks at another program's top-level window, for scripts that drive a
// program from outside.
//   wininfo --wait TITLE [SECONDS]      exit 0 when the window is visible, 1 when not in time
//   wininfo --describe TITLE [SECONDS]  waits as --wait and for the skin engine to take the
//                                       window, then prints in UTF-8 "skinned N" (the
//                                       engine's answer to its skinned query, 1 when it
//                                       draws the window) and "button CAPTION" per button
//   wininfo --close TITLE [SECONDS]     asks the window to close; exit 0 once it has gone
//   wininfo --press TITLE CAPTION       clicks the window's button with that caption
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr UINT kSkinnedQuery = 0x3523;  // every window the engine skins answers 1

HWND WaitForWindow(const wchar_t* title, ULONGLONG deadline) {
  do {
    HWND wnd = FindWindowW(nullptr, title);
    if (wnd && IsWindowVisible(wnd)) return wnd;
    Sleep(100);
  } while (GetTickCount64() < deadline);
  return nullptr;
}

void PrintUtf8(const char* label, const std::wstring& text) {
  std::string out(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  std::printf("%s %s\n", label, out.c_str());
}

BOOL CALLBACK PrintButton(HWND child, LPARAM) {
  wchar_t cls[64] = {};
  GetClassNameW(child, cls, 64);
  if (std::wcscmp(cls, L"Button") == 0) {
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    PrintUtf8("button", text);
  }
  return TRUE;
}

int Describe(HWND wnd, ULONGLONG deadline) {
  LRESULT skinned = 0;
  while ((skinned = SendMessageW(wnd, kSkinnedQuery, 0, 0)) != 1 && GetTickCount64() < deadline) Sleep(100);
  std::printf("skinned %ld\n", static_cast<long>(skinned));
  EnumChildWindows(wnd, PrintButton, 0);
  std::fflush(stdout);
  return 0;
}

int Close(HWND wnd, ULONGLONG deadline) {
  PostMessageW(wnd, WM_CLOSE, 0, 0);
  while (IsWindow(wnd)) {
    if (GetTickCount64() >= deadline) return 1;
    Sleep(100);
  }
  return 0;
}

int Press(HWND wnd, const wchar_t* caption) {
  for (HWND child = GetWindow(wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[64] = {}, text[256] = {};
    GetClassNameW(child, cls, 64);
    GetWindowTextW(child, text, 256);
    if (std::wcscmp(cls, L"Button") == 0 && std::wcscmp(text, caption) == 0) {
      PostMessageW(child, BM_CLICK, 0, 0);  // posted: the click may open a modal window
      return 0;
    }
  }
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc >= 3 ? argv[1] : L"";
  const bool press = command == L"--press" && argc == 4;
  if (command != L"--wait" && command != L"--describe" && command != L"--close" && !press) {
    std::fputs("usage: wininfo (--wait | --describe | --close) TITLE [SECONDS] | --press TITLE CAPTION\n", stderr);
    return 2;
  }
  const double seconds = argc > 3 && !press ? std::wcstod(argv[3], nullptr) : 30.0;
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  HWND wnd = WaitForWindow(argv[2], deadline);
  if (!wnd) return 1;
  if (command == L"--describe") return Describe(wnd, deadline);
  if (command == L"--close") return Close(wnd, deadline);
  if (press) return Press(wnd, argv[3]);
  return 0;
}
