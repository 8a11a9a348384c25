#pragma once
// The skinner of one popup-menu window (class "#32768"). It marks the window
// as skinned and keeps the menu it shows; painting comes with the menus.
#include <windows.h>

#include "host/graphics/dib_bitmap.h"

namespace skin {

class TSkinData;

class TSkinPopupMenu {
public:
  TSkinPopupMenu() = default;
  ~TSkinPopupMenu() { Detach(); }
  TSkinPopupMenu(const TSkinPopupMenu&) = delete;
  TSkinPopupMenu& operator=(const TSkinPopupMenu&) = delete;

  void Attach(HWND window, TSkinData* data, int flags);
  void Detach();

  HWND Handle = nullptr;
  HMENU Menu = nullptr;
  TSkinData* SkinData = nullptr;
  host::DibBitmap Background;

private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  WNDPROC old_proc_ = nullptr;
};

}  // namespace skin
