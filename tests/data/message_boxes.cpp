#include "message_boxes.h"

namespace data_test {
namespace {

BOOL CALLBACK FindBox(HWND w, LPARAM p) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (pid != GetCurrentProcessId() || std::wstring(cls) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(p) = w;
  return FALSE;
}

BOOL CALLBACK ReadStatic(HWND w, LPARAM p) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (std::wstring(cls) == L"Static") {
    wchar_t text[4096] = {};
    GetWindowTextW(w, text, 4096);
    *reinterpret_cast<std::wstring*>(p) += text;
  }
  return TRUE;
}

std::wstring BoxText(HWND box) {
  std::wstring text;
  EnumChildWindows(box, ReadStatic, reinterpret_cast<LPARAM>(&text));
  return text;
}

}  // namespace

MessageBoxCloser::MessageBoxCloser() : thread_([this] { Run(); }) {}

MessageBoxCloser::~MessageBoxCloser() {
  stop_ = true;
  thread_.join();
}

std::wstring MessageBoxCloser::Text() const {
  std::wstring text = text_;
  for (wchar_t& c : text)
    if (c == L'\r') c = L'\n';
  return text;
}

void MessageBoxCloser::Run() {
  while (!stop_) {
    HWND box = nullptr;
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
    if (box) {
      // The box exists before its text is filled in: wait until it reads the same twice.
      std::wstring text, last;
      for (int i = 0; i < 200 && (text.empty() || text != last); ++i) {
        last = text;
        Sleep(10);
        text = BoxText(box);
      }
      if (closed_ == 0) text_ = text;
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      ++closed_;
      Sleep(100);
    }
    Sleep(20);
  }
}

}  // namespace data_test
