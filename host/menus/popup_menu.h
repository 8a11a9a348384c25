#pragma once
// The popup menu of the form library, shown at a screen point. A hidden
// window of its own receives the tracked menu's messages: it measures and
// draws owner-drawn items through their events and runs the chosen item's
// OnClick once the menu has closed.
#include <windows.h>

#include "host/menus/menu.h"

namespace host {

class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner, false) {}
  ~TPopupMenu() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  // Shows the menu at the screen point and tracks it until it closes. The
  // chosen item's OnClick runs afterwards, from the message loop.
  void Popup(int x, int y);

private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  void CreateWindowOnce();

  HWND window_ = nullptr;
};

}  // namespace host
