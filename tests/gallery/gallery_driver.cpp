#include "gallery_driver.h"

#include <commctrl.h>

#include "remote.h"
#include "user_input.h"

namespace {

// The gallery's pages hold its controls: the page control and its sheets are
// looked through, every other window counts with its own children unseen.
void CollectControls(HWND parent, bool form, std::vector<HWND>& out) {
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    out.push_back(c);
    const std::wstring cls = tour::ClassOf(c);
    if (cls == L"TTabSheet" || (form && cls == WC_TABCONTROLW)) CollectControls(c, false, out);
  }
}

std::vector<HWND> Controls(HWND form) {
  std::vector<HWND> out;
  CollectControls(form, true, out);
  return out;
}

struct TabText {
  wchar_t text[80];
};

}  // namespace

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
  for (HWND c : Controls(form_)) out[tour::ClassOf(c)].push_back(c);
  return out;
}

std::vector<HWND> Gallery::Children(const wchar_t* cls) const {
  std::vector<HWND> out;
  for (HWND c : Controls(form_))
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

bool Gallery::ShowPage(const wchar_t* caption) const {
  HWND pages = FindWindowExW(form_, nullptr, WC_TABCONTROLW, nullptr);
  HWND page = FindWindowExW(pages, nullptr, L"TTabSheet", caption);
  if (!pages || !page) return false;
  const auto count = static_cast<int>(SendMessageW(pages, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const tour::Remote<TabText> buffer(pages, TabText{});
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.Address());
    item.cchTextMax = 80;
    const tour::Remote<TCITEMW> remote_item(pages, item);
    SendMessageW(pages, TCM_GETITEMW, static_cast<WPARAM>(i), remote_item.Address());
    if (std::wstring(buffer.Read().text) != caption) continue;
    const tour::Remote<RECT> rect(pages, RECT{});
    SendMessageW(pages, TCM_GETITEMRECT, static_cast<WPARAM>(i), rect.Address());
    RECT r = rect.Read();
    MapWindowPoints(pages, nullptr, reinterpret_cast<POINT*>(&r), 2);
    tour::Click(tour::Centre(r));
    return tour::WaitUntil([&] { return IsWindowVisible(page) != FALSE; });
  }
  return false;
}
