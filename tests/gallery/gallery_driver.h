#pragma once
// The real control gallery, started from its staged folder as a user starts
// it, in a process of its own, and looked at through its windows.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

std::wstring WindowsPath(const std::string& unix_path);
// The argument that starts the gallery in one of our packed skins.
std::wstring SkinArgument(const char* name);

class Gallery {
public:
  // Returns once the main window shows and the skin manager's first action is past.
  explicit Gallery(const std::wstring& arguments);
  ~Gallery();
  Gallery(const Gallery&) = delete;
  Gallery& operator=(const Gallery&) = delete;

  HWND Form() const { return form_; }
  DWORD Id() const { return process_.dwProcessId; }
  // A visible top-level window of the program, by class; null when none comes.
  HWND TopLevel(const wchar_t* cls, int timeout_ms = 5000) const;
  // The form's controls, on whichever page they lie: all by class, of one
  // class, or one by text or style.
  std::map<std::wstring, std::vector<HWND>> Children() const;
  std::vector<HWND> Children(const wchar_t* cls) const;
  HWND Child(const wchar_t* cls, const std::wstring& text) const;
  HWND Child(const wchar_t* cls, DWORD style_mask, DWORD style) const;
  // Clicks the tab of the page with that caption; true once that page shows.
  bool ShowPage(const wchar_t* caption) const;

private:
  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
};
