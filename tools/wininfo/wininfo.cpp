// Waits until a top-level window with the given title is visible, for scripts
// that must not act before the program is on screen.
//   wininfo --wait TITLE [SECONDS]     exit 0 when it appeared, 1 when not
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 3 || std::wcscmp(argv[1], L"--wait") != 0) {
    std::fputs("usage: wininfo --wait TITLE [SECONDS]\n", stderr);
    return 2;
  }
  const double seconds = argc > 3 ? std::wcstod(argv[3], nullptr) : 30.0;
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  do {
    HWND wnd = FindWindowW(nullptr, argv[2]);
    if (wnd && IsWindowVisible(wnd)) return 0;
    Sleep(100);
  } while (GetTickCount64() < deadline);
  return 1;
}
