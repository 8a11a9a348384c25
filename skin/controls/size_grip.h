#pragma once
// The size-grip scroll bar of a skinned window: painted in the skin's face
// colour, which hides the system's grip. The grip still sizes the window.
#include <windows.h>

namespace skin {

class TSkinData;

class TSkinSizer {
public:
  TSkinSizer(HWND window, TSkinData& data);
  ~TSkinSizer() { Restore(); }
  TSkinSizer(const TSkinSizer&) = delete;
  TSkinSizer& operator=(const TSkinSizer&) = delete;

  // Gives the window its own procedure back; nothing once it is gone.
  void Restore();
  HWND Handle() const { return window_; }
  bool Gone() const { return gone_; }

private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  void Paint(HDC dc);

  HWND window_;
  TSkinData& data_;
  WNDPROC old_proc_ = nullptr;
  bool gone_ = false;
};

}  // namespace skin
