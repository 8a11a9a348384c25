#include "gallery_driver.h"

#include "user_input.h"

std::wstring WindowsPath(const std::string& unix_path) {
  std::wstring path = L"Z:" + std::wstring(unix_path.begin(), unix_path.end());
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

std::wstring SkinArgument(const char* name) {
  return L"--skin \"" + WindowsPath(std::string(BRINDLE_SKINS_DIR) + "/" + name + ".skn") + L"\"";
}

Gallery::Gallery(const std::wstring& arguments) {
  const std::wstring folder = WindowsPath(BRINDLE_STAGE_DIR);
  const std::wstring exe = folder + L"\\BrindleGallery.exe";
  std::wstring command = L"\"" + exe + L"\" " + arguments;
  STARTUPINFOW si{sizeof(si)};
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &process_))
    return;
  form_ = TopLevel(L"TGalleryForm", 20000);
  Sleep(600);  // past the skin manager's quarter-second action timer
}

Gallery::~Gallery() {
  if (!process_.hProcess) return;
  if (form_) PostMessageW(form_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND Gallery::TopLevel(const wchar_t* cls, int timeout_ms) const {
  HWND found = nullptr;
  tour::WaitUntil([&] {
    for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == process_.dwProcessId && IsWindowVisible(w) && tour::ClassOf(w) == cls) found = w;
    }
    return found != nullptr;
  }, timeout_ms);
  return found;
}

std::map<std::wstring, std::vector<HWND>> Gallery::Children() const {
  std::map<std::wstring, std::vector<HWND>> out;
  for (HWND c = GetWindow(form_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out[tour::ClassOf(c)].push_back(c);
  return out;
}

std::vector<HWND> Gallery::Children(const wchar_t* cls) const {
  std::vector<HWND> out;
  for (HWND c = GetWindow(form_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (tour::ClassOf(c) == cls) out.push_back(c);
  return out;
}

HWND Gallery::Child(const wchar_t* cls, const std::wstring& text) const {
  for (HWND c : Children(cls))
    if (tour::TextOf(c) == text) return c;
  return nullptr;
}

HWND Gallery::Child(const wchar_t* cls, DWORD style_mask, DWORD style) const {
  for (HWND c : Children(cls))
    if ((static_cast<DWORD>(GetWindowLongW(c, GWL_STYLE)) & style_mask) == style) return c;
  return nullptr;
}
