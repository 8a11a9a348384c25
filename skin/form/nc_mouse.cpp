// The mouse in the non-client area: hit testing, hover and press of the
// caption buttons, what each button does, and the system commands that
// change the window's state.
#include <windowsx.h>

#include "skin/data/descriptors.h"
#include "skin/form/engine_messages.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"

namespace skin {
namespace {

constexpr WPARAM kCommandMask = 0xFFF0;

void Consume(host::TMessage& m) {
  m.Msg = 0;
  m.Result = 0;
}

POINT MessagePoint(const host::TMessage& m) { return {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}; }

// The first item that shows on the bar.
TMenuBtn* FirstMenuItem(const TSkinMenuBar* bar) {
  if (!bar) return nullptr;
  for (const auto& item : bar->Items)
    if (item->Visible && !item->Caption.empty()) return item.get();
  return nullptr;
}

}  // namespace

POINT TSkinForm::ToWindowPoint(int screen_x, int screen_y) const {
  POINT p{screen_x, screen_y};
  ScreenToClient(FHandle, &p);
  if (!(IsMDIChild() && FWindowState == TWindowState::Minimized)) {
    p.x += FBorderLeft;
    p.y += FBorderTop + FMenuBarHeight;
  }
  return p;
}

// The whole frame outside the first rows is caption to the system: the
// buttons are found by position in the mouse handlers.
void TSkinForm::HandleNcHitTest(host::TMessage& m) {
  Default(m);
  if (m.Result != HTNOWHERE && m.Result != HTCAPTION) return;
  const POINT p = ToWindowPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  if (p.y > 3) m.Result = HTCAPTION;
  if (p.y > FBorderTop && FMenuBarHeight > 0) m.Result = HTMENU;
}

void TSkinForm::HandleNcMouseMove(host::TMessage& m) {
  // An inactive window shows no hover look.
  if (!FActive) return;
  const POINT at = MessagePoint(m);
  if (TNCObject* object = ObjectAt(ToWindowPoint(at.x, at.y))) {
    object->MouseEnter();
    Consume(m);
    return;
  }
  if (FHotObject) FHotObject->MouseLeave();
  Default(m);
}

void TSkinForm::HandleNcLButtonDown(host::TMessage& m) {
  const POINT at = MessagePoint(m);
  if (TNCObject* object = ObjectAt(ToWindowPoint(at.x, at.y))) {
    if (!FActive) SetForegroundWindow(FHandle);
    object->MouseDown();
    Consume(m);
    if (auto* item = dynamic_cast<TMenuBtn*>(object)) OpenItem(item);
    return;
  }
  // A maximised window is not dragged by its caption.
  if (FWindowState == TWindowState::Maximized && FActive && m.WParam == HTCAPTION) m.WParam = HTMENU;
  Default(m);
}

void TSkinForm::HandleNcLButtonUp(host::TMessage& m) {
  const POINT at = MessagePoint(m);
  TNCObject* object = ObjectAt(ToWindowPoint(at.x, at.y));
  if (!object) {
    Default(m);
    return;
  }
  Consume(m);
  // A menu-bar item opened its submenu on the press.
  auto* button = dynamic_cast<TWinSysButton*>(object);
  if (!button || button != FHotObject) return;
  button->MouseUp();
  DoButtonAction(at.x, at.y);
}

void TSkinForm::HandleNcLButtonDblClk(host::TMessage& m) {
  const POINT at = MessagePoint(m);
  if (TWinSysButton* button = ButtonAt(ToWindowPoint(at.x, at.y))) {
    const int action = button->Descriptor.Action;
    if (action == 3 || action == 11) {
      FHoverTimer->SetEnabled(false);
      PostMessageW(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    Consume(m);
    return;
  }
  if (FWindowState == TWindowState::Maximized) {
    RestoreWindow();
    Consume(m);
  } else if (FCaps & capMaximize) {
    ToggleMaximize();
    Consume(m);
  } else {
    Default(m);
  }
}

void TSkinForm::HandleNcRButtonDown(host::TMessage& m) {
  if (m.WParam == HTCAPTION && !IsMDIChild()) {
    ShowSystemMenu(MessagePoint(m));
    Consume(m);
    return;
  }
  Default(m);
}

void TSkinForm::DoButtonAction(int screen_x, int screen_y) {
  auto* button = dynamic_cast<TWinSysButton*>(FHotObject);
  if (!button) return;
  GetWindowRect(FHandle, &FWindowRect);
  // The MDI buttons act on the active child of an MDI main form.
  auto to_active_child = [this](WPARAM command) {
    if (FMDIKind != TMDIKind::MainForm || !FMDIClient) return;
    if (HWND child = reinterpret_cast<HWND>(SendMessageW(FMDIClient, WM_MDIGETACTIVE, 0, 0)))
      SendMessageW(child, WM_SYSCOMMAND, command, 0);
  };
  const int action = button->Descriptor.Action;
  switch (action) {
    case 0: {
      // Closing needs a Close item in the system menu that the window has not greyed.
      MENUITEMINFOW info{sizeof(info)};
      info.fMask = MIIM_STATE;
      if (FSysMenu && GetMenuItemInfoW(FSysMenu, SC_CLOSE, FALSE, &info) && !(info.fState & MFS_GRAYED)) {
        FHoverTimer->SetEnabled(false);
        PostMessageW(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return;
    }
    case 1: case 22: ToggleMaximize(); return;
    case 2: case 23: ToggleMinimize(); return;
    case 3: case 11: case 12: ShowSystemMenu({screen_x + 1, screen_y + 1}); return;
    case 7: case 60: to_active_child(SC_MINIMIZE); return;
    case 8: case 61: to_active_child(SC_RESTORE); return;
    case 9: case 62: to_active_child(SC_CLOSE); return;
  }
  PostMessageW(FHandle, kButtonAction, static_cast<WPARAM>(action), 0);
}

// The state is set before the system has acted on the posted command.
void TSkinForm::ToggleMaximize() {
  if (FWindowState == TWindowState::Maximized) {
    RestoreWindow();
    return;
  }
  if (IsMDIChild())
    if (TSkinManage* manager = TSkinManage::Instance()) manager->SetMDIMaximized(true);
  FWindowState = TWindowState::Maximized;
  PostMessageW(FHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  FHotObject = nullptr;
}

void TSkinForm::ToggleMinimize() {
  if (FWindowState == TWindowState::Minimized) {
    RestoreWindow();
    return;
  }
  FWindowState = TWindowState::Minimized;
  // The task-bar button keeps its system menu.
  SetSysMenuStyle(true);
  PostMessageW(FHandle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TSkinForm::RestoreWindow() {
  FWindowState = TWindowState::Normal;
  PostMessageW(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TSkinForm::HoverTick() {
  if (FInMenuLoop || !FHotObject) return;
  POINT cursor;
  if (!GetCursorPos(&cursor)) return;
  const POINT p = ToWindowPoint(cursor.x, cursor.y);
  if (!PtInRect(&FHotObject->Bounds, p)) FHotObject->MouseLeave();
}

void TSkinForm::HandleSysCommand(host::TMessage& m) {
  if (FInMenuLoop) {
    Default(m);
    return;
  }
  const WPARAM command = m.WParam & kCommandMask;
  if (command == SC_KEYMENU && m.LParam == ' ') {
    // Alt+Space: the skinned system menu replaces the system's, which would
    // otherwise open as soon as the skinned one closed.
    POINT origin{0, 0};
    ClientToScreen(FHandle, &origin);
    ShowSystemMenu(origin);
    m.Result = 0;
    return;
  }
  if (command == SC_KEYMENU && m.LParam != '-' && !GetCapture()) {
    // F10 or Alt alone opens the first menu-bar item, Alt and a letter the
    // item of that accelerator; the system's keyboard menu mode never starts
    // on a frame it no longer draws.
    const auto key = static_cast<wchar_t>(m.LParam);
    TMenuBtn* item = key == 0 ? FirstMenuItem(FMenuBar.get()) : ItemByAccelerator(key);
    if ((key == 0 && FBorderKind != TBorderKind::NoCaption) || item) {
      m.Result = 1;
      OpenItem(item);
      return;
    }
  }
  switch (command) {
    case SC_MINIMIZE:
      FWindowState = TWindowState::Minimized;
      if (IsMDIChild()) SetCaptionStyle(true);
      break;
    case SC_MAXIMIZE:
      FWindowState = TWindowState::Maximized;
      break;
    case SC_RESTORE:
      FWindowState = TWindowState::Normal;
      if (IsMDIChild()) {
        SetCaptionStyle(false);
        if (TSkinManage* manager = TSkinManage::Instance(); manager && manager->MDIMaximized)
          manager->SetMDIMaximized(false);
      }
      break;
  }
  Default(m);
}

}  // namespace skin
