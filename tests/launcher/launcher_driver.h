#pragma once
// Drives the real launcher from this test process: each case gets a folder of
// its own with a copy of the program, starts it as a separate process, and works
// its windows through messages, as a user's input would.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);
bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 10000);
// The Windows path of a file of the build tree.
std::wstring WindowsPath(std::string_view unix_path);

class Sandbox {
public:
  // A fresh folder named `name` with BrindleLauncher.exe, and the stand-in tool as brindle.exe when asked.
  Sandbox(std::wstring_view name, bool with_tool);
  const std::wstring& Dir() const { return dir_; }  // with its trailing backslash
  std::wstring Path(std::wstring_view name) const { return dir_ + std::wstring(name); }
  void Write(std::wstring_view name, std::string_view utf8) const;
  std::string Read(std::wstring_view name) const;  // empty when missing
  bool Exists(std::wstring_view name) const;
  void Remove(std::wstring_view name) const;
  void MakeFolder(std::wstring_view name) const;

private:
  std::wstring dir_;
};

class Launcher {
public:
  // Returns once the main window is there, or at once when `wait_for_form` is false.
  explicit Launcher(const Sandbox& box, std::wstring_view working_dir = {}, std::wstring_view arguments = {},
                    bool wait_for_form = true);
  ~Launcher();
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  HWND Form() const { return form_; }
  // Closes the main window and gives the process's exit code; STILL_ACTIVE
  // when it has not ended within 5 s.
  DWORD Close();
  // The exit code once the process has ended; STILL_ACTIVE when it has not
  // ended within the time.
  DWORD ExitCode(int timeout_ms = 5000);
  // Waits for the main window; null when it does not appear.
  HWND WaitForForm(int timeout_ms = 20000);
  HWND Button(int number) const;  // 1 Add, 2 Delete, 3 Clear, 4 Run
  HWND List() const;
  std::vector<std::wstring> Items() const;

  void Click(HWND button) const;      // returns once the click is handled
  void PostClick(HWND button) const;  // for a click that opens a modal window
  // A visible top-level dialog ("#32770") of this process with the given title (any when empty).
  HWND WaitForDialog(std::wstring_view title, int timeout_ms = 10000) const;
  // Types into the open dialog's file name box and presses Open: first the
  // folder (the dialog starts in the folder it was last used in), then the names.
  void ChooseFiles(HWND dialog, std::wstring_view folder, std::wstring_view typed) const;
  void AddFiles(std::wstring_view folder, std::wstring_view typed, std::wstring_view dialog_title = L"Open BSP file") const;

private:
  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
};

std::wstring WindowText(HWND wnd);
std::wstring ClassOf(HWND wnd);
