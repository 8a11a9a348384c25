#include "launcher_driver.h"

#include <stdexcept>

std::wstring WindowsPath(std::string_view unix_path) {
  std::wstring path = L"Z:" + Utf16(unix_path);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

namespace {

void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW((dir + L"*").c_str(), &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(dir + name + L"\\");
      else
        DeleteFileW((dir + name).c_str());
    } while (FindNextFileW(find, &fd));
    FindClose(find);
  }
  RemoveDirectoryW(dir.c_str());
}

struct Search {
  DWORD pid;
  std::wstring_view cls;
  std::wstring_view title;
  HWND found = nullptr;
};

BOOL CALLBACK FindTopLevel(HWND wnd, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid == s->pid && IsWindowVisible(wnd) && ClassOf(wnd) == s->cls && (s->title.empty() || WindowText(wnd) == s->title)) {
    s->found = wnd;
    return FALSE;
  }
  return TRUE;
}

std::vector<HWND> ChildrenOfClass(HWND parent, std::wstring_view cls) {
  std::vector<HWND> out;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (ClassOf(c) == cls) out.push_back(c);
  return out;
}

}  // namespace

std::wstring Utf16(std::string_view utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string Utf8(std::wstring_view utf16) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
  return out;
}

bool WaitUntil(const std::function<bool()>& done, int timeout_ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
  do {
    if (done()) return true;
    Sleep(10);
  } while (GetTickCount64() < end);
  return done();
}

std::wstring WindowText(HWND wnd) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(wnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
  std::wstring text(length + 1, L'\0');
  SendMessageTimeoutW(wnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000, nullptr);
  text.resize(wcslen(text.c_str()));
  return text;
}

std::wstring ClassOf(HWND wnd) {
  wchar_t cls[256] = {};
  GetClassNameW(wnd, cls, 256);
  return cls;
}

Sandbox::Sandbox(std::wstring_view name, bool with_tool) {
  // The prefix's own temporary folder: a drive of the Windows side, as a user's files would be.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring root = std::wstring(temp) + L"brindle-tests\\";
  CreateDirectoryW(root.c_str(), nullptr);
  dir_ = root + std::wstring(name) + L"\\";
  RemoveTree(dir_);
  if (!CreateDirectoryW(dir_.c_str(), nullptr)) throw std::runtime_error("cannot make the sandbox folder");
  if (!CopyFileW(WindowsPath(BRINDLE_LAUNCHER_EXE).c_str(), Path(L"BrindleLauncher.exe").c_str(), FALSE))
    throw std::runtime_error("cannot copy the launcher");
  if (with_tool && !CopyFileW(WindowsPath(BRINDLE_FAKE_TOOL_EXE).c_str(), Path(L"brindle.exe").c_str(), FALSE))
    throw std::runtime_error("cannot copy the stand-in tool");
}

void Sandbox::Write(std::wstring_view name, std::string_view utf8) const {
  HANDLE f = CreateFileW(Path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + Utf8(name));
  DWORD written = 0;
  WriteFile(f, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  CloseHandle(f);
}

std::string Sandbox::Read(std::wstring_view name) const {
  HANDLE f = CreateFileW(Path(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string out(GetFileSize(f, nullptr), '\0');
  DWORD read = 0;
  ReadFile(f, out.data(), static_cast<DWORD>(out.size()), &read, nullptr);
  CloseHandle(f);
  out.resize(read);
  return out;
}

bool Sandbox::Exists(std::wstring_view name) const { return GetFileAttributesW(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES; }
void Sandbox::Remove(std::wstring_view name) const { DeleteFileW(Path(name).c_str()); }
void Sandbox::MakeFolder(std::wstring_view name) const { CreateDirectoryW(Path(name).c_str(), nullptr); }

Launcher::Launcher(const Sandbox& box, std::wstring_view working_dir, std::wstring_view arguments, bool wait_for_form) {
  const std::wstring exe = box.Path(L"BrindleLauncher.exe");
  std::wstring command = L"\"" + exe + L"\"";
  if (!arguments.empty()) command += L" " + std::wstring(arguments);
  const std::wstring cwd = working_dir.empty() ? box.Dir() : std::wstring(working_dir);
  STARTUPINFOW si{sizeof(si)};
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, cwd.c_str(), &si, &process_))
    throw std::runtime_error("cannot start the launcher");
  if (wait_for_form && !WaitForForm()) throw std::runtime_error("the launcher's window did not appear");
}

HWND Launcher::WaitForForm(int timeout_ms) {
  Search s{process_.dwProcessId, L"TForm1", L"Brindle Launcher"};
  WaitUntil([&] {
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
    return s.found != nullptr;
  }, timeout_ms);
  form_ = s.found;
  return form_;
}

DWORD Launcher::Close() {
  if (form_) PostMessageW(form_, WM_CLOSE, 0, 0);
  return ExitCode();
}

DWORD Launcher::ExitCode(int timeout_ms) {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout_ms)) != WAIT_OBJECT_0) return code;
  form_ = nullptr;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

Launcher::~Launcher() {
  if (form_) PostMessageW(form_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND Launcher::Button(int number) const {
  const std::vector<HWND> buttons = ChildrenOfClass(form_, L"Button");  // in tab order
  return number >= 1 && static_cast<size_t>(number) <= buttons.size() ? buttons[static_cast<size_t>(number - 1)] : nullptr;
}

HWND Launcher::List() const {
  const std::vector<HWND> lists = ChildrenOfClass(form_, L"ListBox");
  return lists.empty() ? nullptr : lists.front();
}

std::vector<std::wstring> Launcher::Items() const {
  std::vector<std::wstring> items;
  HWND list = List();
  const LRESULT n = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, L'\0');
    const LRESULT len = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(len > 0 ? static_cast<size_t>(len) : 0);
    items.push_back(text);
  }
  return items;
}

void Launcher::Click(HWND button) const { SendMessageW(button, BM_CLICK, 0, 0); }
void Launcher::PostClick(HWND button) const { PostMessageW(button, BM_CLICK, 0, 0); }

HWND Launcher::WaitForDialog(std::wstring_view title, int timeout_ms) const {
  Search s{process_.dwProcessId, L"#32770", title};
  WaitUntil([&] {
    s.found = nullptr;
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
    return s.found != nullptr;
  }, timeout_ms);
  return s.found;
}

void Launcher::ChooseFiles(HWND dialog, std::wstring_view folder, std::wstring_view typed) const {
  // The file name box is a combo box (0x47C) holding an edit, or a plain edit (0x480).
  HWND box = GetDlgItem(dialog, 0x47C);
  if (!box) box = GetDlgItem(dialog, 0x480);
  HWND edit = box;
  while (edit && ClassOf(edit) != L"Edit") edit = GetWindow(edit, GW_CHILD);
  if (!edit) throw std::runtime_error("the open dialog has no file name box");
  const auto press_open = [&](std::wstring_view text, bool wait) {
    const std::wstring t(text);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(t.c_str()));
    const WPARAM cmd = MAKEWPARAM(IDOK, BN_CLICKED);
    const auto ok = reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK));
    if (wait)
      SendMessageW(dialog, WM_COMMAND, cmd, ok);  // a folder: the dialog moves into it and stays
    else
      PostMessageW(dialog, WM_COMMAND, cmd, ok);
  };
  press_open(folder, true);
  press_open(typed, false);
  if (!WaitUntil([&] { return !IsWindow(dialog); })) throw std::runtime_error("the open dialog did not close");
}

void Launcher::AddFiles(std::wstring_view folder, std::wstring_view typed, std::wstring_view dialog_title) const {
  PostClick(Button(1));
  HWND dialog = WaitForDialog(dialog_title);
  if (!dialog) throw std::runtime_error("the open dialog did not appear");
  ChooseFiles(dialog, folder, typed);
}
