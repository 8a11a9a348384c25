#pragma once
// The skinner of one popup-menu window (class "#32768"): the skin's
// "MenuBackground" picture replaces the system's menu frame, and stays
// composed at the window's size for the item painter to copy item
// backgrounds from. The items themselves are the system's or the owner's.
#include <windows.h>

#include <memory>

#include "host/controls/subclass.h"
#include "host/graphics/dib_bitmap.h"

namespace skin {

class TSkinData;

class TSkinPopupMenu {
public:
  // Width of the menu frame the skin draws, on every side.
  static constexpr int kFrameWidth = 3;

  TSkinPopupMenu() = default;
  ~TSkinPopupMenu() { Detach(); }
  TSkinPopupMenu(const TSkinPopupMenu&) = delete;
  TSkinPopupMenu& operator=(const TSkinPopupMenu&) = delete;

  void Attach(HWND window, TSkinData* data, HMENU menu);
  // Gives the window back; safe from inside the skinner's own handler.
  void Detach();

  HWND MenuWindow = nullptr;
  TSkinData* SkinData = nullptr;
  // Shared with every popup of the same size.
  std::shared_ptr<const host::DibBitmap> Background;
  // Where the client area lies in the window, and so in Background: item
  // rectangles are client coordinates. Kept with Background.
  POINT ClientOffset{kFrameWidth, kFrameWidth};
  HMENU MenuHandle = nullptr;

private:
  LRESULT WindowProc(UINT msg, WPARAM wparam, LPARAM lparam);
  // Background at the window's size from the skin; false without a skin or
  // picture.
  bool ComposeBackground();
  void PaintFrame();
  LRESULT Print(HDC dc, LPARAM flags);
  LRESULT PaintClient(UINT msg, WPARAM wparam, LPARAM lparam);

  host::WindowSubclass subclass_;
  bool unicode_ = true;
  // Lets a handler see that the skinner was freed by the call it passed on.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
