// The three procedures a form skinner puts in front of a window: the window
// procedure (three stages), the host form's window-procedure slot, and the
// MDI client's procedure of an MDI main form.
#include <exception>

#include "skin/data/skin_data.h"
#include "skin/form/engine_messages.h"
#include "skin/controls/content_colours.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"
#include "skin/manager/trace.h"

namespace skin {
namespace {

// Alt and nothing else: no Shift, no Ctrl, no mouse button.
bool OnlyAltDown() {
  BYTE keys[256];
  if (!GetKeyboardState(keys)) return false;
  auto down = [&](int key) { return (keys[key] & 0x80) != 0; };
  return down(VK_MENU) && !down(VK_SHIFT) && !down(VK_CONTROL) && !down(VK_LBUTTON) && !down(VK_RBUTTON) &&
         !down(VK_MBUTTON);
}

bool IsWindowCommand(WPARAM wparam) {
  switch (LOWORD(wparam)) {
    case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE:
    case SC_NEXTWINDOW: case SC_PREVWINDOW: case SC_CLOSE: case SC_RESTORE:
      return true;
  }
  return false;
}

}  // namespace

// Every entry into the skinner counts as a running handler; an error never
// leaves a window procedure and never opens a message box inside one.
LRESULT TSkinForm::Enter(void (TSkinForm::*proc)(host::TMessage&), UINT msg, WPARAM wparam, LPARAM lparam) {
  const host::HandlerDepth::Scope scope(FDepth);
  host::TMessage m{msg, wparam, lparam};
  try {
    (this->*proc)(m);
  } catch (const std::exception& e) {
    TraceError("form skinner", e);
  }
  return m.Result;
}

void TSkinForm::InstallWindowProc() {
  FWndSubclass.Install(FHandle, [this](UINT msg, WPARAM w, LPARAM l) { return Enter(&TSkinForm::WindowProc, msg, w, l); },
                       FUnicode);
  if (FMDIKind == TMDIKind::MainForm && FMDIClient)
    FClientSubclass.Install(FMDIClient,
                            [this](UINT msg, WPARAM w, LPARAM l) { return Enter(&TSkinForm::ClientProc, msg, w, l); },
                            true);
}

// Text messages keep the character width the window was made with.
void TSkinForm::Default(host::TMessage& m) {
  if (FWndSubclass.Installed())
    m.Result = FWndSubclass.CallPrevious(m.Msg, m.WParam, m.LParam);
  else
    m.Result = FUnicode ? DefWindowProcW(FHandle, m.Msg, m.WParam, m.LParam)
                        : DefWindowProcA(FHandle, m.Msg, m.WParam, m.LParam);
}

void TSkinForm::WindowProc(host::TMessage& m) {
  if (Stage1(m)) return;
  if (!FSkinFrame || (!IsMDIChild() && (FStyle & WS_CHILD))) {
    Default(m);
    return;
  }
  if (Stage2(m)) return;
  if ((IsMDIChild() && FWindowState == TWindowState::Maximized) || FState == flCreated) {
    Default(m);
    return;
  }
  Stage3(m);
}

bool TSkinForm::Stage1(host::TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      if (FState != flCreated) return false;
      m.Result = 0;
      return true;
    case WM_ERASEBKGND:
      Default(m);
      if (!FHostForm && FSkinData) {
        RECT r;
        GetClientRect(FHandle, &r);
        FillRect(reinterpret_cast<HDC>(m.WParam), &r, FSkinData->Elements().ButtonFaceBrush);
        m.Result = 1;
      }
      return true;
    case WM_NCDESTROY: {
      FState = flDestroying;
      const WNDPROC old = FWndSubclass.Previous();
      DetachOnDestroy();
      m.Result = FUnicode ? CallWindowProcW(old, FHandle, m.Msg, m.WParam, m.LParam)
                          : CallWindowProcA(old, FHandle, m.Msg, m.WParam, m.LParam);
      FState = flGone;
      return true;
    }
    case WM_NCACTIVATE:
      if (FState != flCreated || IsMDIChild()) return false;
      m.Result = 0;
      return true;
    case WM_INITMENUPOPUP:
      if (TSkinManage* manager = TSkinManage::Instance())
        manager->PopupOrigin = reinterpret_cast<HMENU>(m.WParam) == FSysMenu ? 2 : 1;
      Default(m);
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      HandleCtlColor(m);
      return true;
    case kSkinNow:
      FinishAttach();
      return true;
    case kReskinControl:
      ReskinControl(reinterpret_cast<HWND>(m.WParam));
      return true;
    case WM_PARENTNOTIFY:
      Default(m);
      if (LOWORD(m.WParam) == WM_CREATE) NoticeChild(reinterpret_cast<HWND>(m.LParam));
      return true;
    case kSkinnedQuery:
      m.Result = 1;
      return true;
  }
  return false;
}

void TSkinForm::HandleCtlColor(host::TMessage& m) {
  Default(m);
  if (FSkinData && AnswerContentColour(FSkinData->Elements(), m)) return;
  if (FHostForm || !FSkinData || (m.Msg != WM_CTLCOLORBTN && m.Msg != WM_CTLCOLORSTATIC)) return;
  SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
  if (m.Msg == WM_CTLCOLORSTATIC) m.Result = reinterpret_cast<LRESULT>(FSkinData->Elements().ButtonFaceBrush.get());
}

bool TSkinForm::Stage2(host::TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
      if (IsWindowCommand(m.WParam)) {
        PostMessageW(FHandle, WM_SYSCOMMAND, LOWORD(m.WParam), 0);
        m.Result = 0;
      } else {
        Default(m);
      }
      return true;
    case WM_GETMINMAXINFO:
      Default(m);
      ReadWindowState();
      SetCaptionStyle(FWindowState == TWindowState::Minimized ||
                      (IsMDIChild() && FWindowState == TWindowState::Maximized));
      return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      FActive = LOBYTE(m.WParam) != 0;
      return false;
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      Default(m);
      return true;
    case WM_SYSCOMMAND:
      HandleSysCommand(m);
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      HandleCtlColor(m);
      return true;
    case kOpenMenuAt:
      HandleOpenMenuAt(m);
      return true;
    case WM_MENUSELECT:
      // The submenu tells its owner what is selected in it.
      if (TracksMenuBar()) MenuLoopSelect(m.WParam, m.LParam);
      return false;
    case host::CM_MENUCHANGED:
      HandleMenuChanged(m, false);
      return true;
  }
  return false;
}

// The form library has put the changed menu back on the window: the bar
// takes it off again and shows it.
void TSkinForm::HandleMenuChanged(host::TMessage& m, bool from_form) {
  {
    // The frame is not painted while the form library sets the menu, and is
    // painted again even when the application's handling of the change raises.
    struct PaintBack {
      TSkinData* data;
      bool saved;
      ~PaintBack() { data->FramePaint = saved; }
    } const paint_back{FSkinData, FSkinData->FramePaint};
    FSkinData->FramePaint = false;
    if (from_form)
      FFormHook.CallPrevious(m);
    else
      Default(m);
  }
  if (!FMenuBar && GetMenu(FHandle) && !IsMDIChild() && FBorderKind != TBorderKind::NoCaption) {
    // A menu given to a form that had none when it was skinned gets a band
    // of its own; the client area moves below it, as under a system menu bar.
    FMenuBarHeight = GetSystemMetrics(SM_CYMENU);
    FMenuBar = std::make_unique<TSkinMenuBar>(*this, *FSkinData);
    FMenuBar->HostMenu = FHostForm ? FHostForm->Menu() : nullptr;
    FMenuBar->BuildItems();
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else if (FMenuBar && FHostForm && !FHostForm->Menu()) {
    // The items belonged to a menu that is gone.
    FMenuBar->Clear();
    PaintFrame();
  } else if (FMenuBar && FSkinData->MenuUpdate() && GetMenu(FHandle)) {
    FMenuBar->MenuHandle = GetMenu(FHandle);
    FMenuBar->BuildItems();
  }
  if (FMenuBar && GetMenu(FHandle)) SetMenu(FHandle, nullptr);
}

void TSkinForm::Stage3(host::TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE: HandleSize(m); return;
    case WM_NCACTIVATE: HandleNcActivate(m); return;
    case WM_NCCALCSIZE: HandleNcCalcSize(m); return;
    case WM_NCHITTEST: HandleNcHitTest(m); return;
    case WM_NCPAINT: HandleNcPaint(m); return;
    case WM_NCMOUSEMOVE: HandleNcMouseMove(m); return;
    case WM_NCLBUTTONDOWN: HandleNcLButtonDown(m); return;
    case WM_NCLBUTTONUP: HandleNcLButtonUp(m); return;
    case WM_NCLBUTTONDBLCLK: HandleNcLButtonDblClk(m); return;
    case WM_NCRBUTTONDOWN: HandleNcRButtonDown(m); return;
    case kRepaintFrame: PaintFrame(); return;
    case WM_MEASUREITEM: MeasureMenuItem(m); return;
    case WM_DRAWITEM: DrawMenuItem(m); return;
    case WM_SETTEXT:
      // Wine's default processing paints the system caption of a window that
      // has WS_CAPTION (dialogs keep it); a host form repaints through its hook.
      Default(m);
      if (!FHostForm) PaintFrame();
      return;
    case WM_SETICON:
      // The same for a new icon, which the caption shows too.
      Default(m);
      RefreshIcon();
      PaintFrame();
      return;
  }
  Default(m);
}

// One WM_SIZE reaches the window's own procedure once.
void TSkinForm::HandleSize(host::TMessage& m) {
  Default(m);
  switch (m.WParam) {
    case SIZE_MINIMIZED: FWindowState = TWindowState::Minimized; return;
    case SIZE_MAXIMIZED: FWindowState = TWindowState::Maximized; break;
    default: FWindowState = TWindowState::Normal; break;
  }
  const TSkinManage* manager = TSkinManage::Instance();
  if (IsMDIChild() && ((manager && manager->MDIMaximized) || FWindowState != TWindowState::Normal)) return;
  if (FState == flRunning || FState == flReskinning) UpdateRegion();
}

void TSkinForm::FormHook(host::TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT: {
      const TSkinManage* manager = TSkinManage::Instance();
      if (FWindowState == TWindowState::Maximized && manager && manager->MDIClient)
        PostMessageW(manager->MDIClient, kMdiRedraw, reinterpret_cast<WPARAM>(FHandle), 0);
      FFormHook.CallPrevious(m);
      if (FWindowState == TWindowState::Minimized)
        PaintFrame();
      else
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
      return;
    }
    case kSkinChanged:
      SkinChanged();
      return;
    case host::CM_DIALOGCHAR:
      HandleDialogChar(m);
      return;
    case host::CM_MENUCHANGED:
      HandleMenuChanged(m, true);
      return;
  }
  FFormHook.CallPrevious(m);
}

// Alt+key: the framework first; the menu bar's accelerators next; an MDI
// child's unanswered key goes on to its main form.
void TSkinForm::HandleDialogChar(host::TMessage& m) {
  FFormHook.CallPrevious(m);
  if (m.Result != 0) return;
  if (TMenuBtn* item = ItemByAccelerator(static_cast<wchar_t>(m.WParam)); item && OnlyAltDown()) {
    PostOpenItem(*item);
    m.Result = 1;
    return;
  }
  if (IsMDIChild()) {
    if (TSkinManage* manager = TSkinManage::Instance(); manager && manager->MDIForm) {
      m.Result = manager->MDIForm->Perform(m.Msg, m.WParam, m.LParam);
      if (m.Result != 0) return;
    }
  }
  m.Result = 0;
  FFormHook.CallPrevious(m);
}

void TSkinForm::PassToClient(host::TMessage& m) {
  m.Result = FClientSubclass.Installed() ? FClientSubclass.CallPrevious(m.Msg, m.WParam, m.LParam)
                                         : DefMDIChildProcW(FMDIClient, m.Msg, m.WParam, m.LParam);
}

void TSkinForm::ClientProc(host::TMessage& m) {
  TSkinManage* manager = TSkinManage::Instance();
  switch (m.Msg) {
    case WM_NCDESTROY: {
      const WNDPROC old = FClientSubclass.Previous();
      FClientSubclass.Remove();
      m.Result = CallWindowProcW(old, FMDIClient, m.Msg, m.WParam, m.LParam);
      return;
    }
    case WM_NCCALCSIZE:
      if (FSkinFrame && !(FSkinData->Options() & Bit(xoMDIScrollbar)))
        SetWindowLongW(FMDIClient, GWL_STYLE, GetWindowLongW(FMDIClient, GWL_STYLE) & ~(WS_VSCROLL | WS_HSCROLL));
      PassToClient(m);
      return;
    case WM_MDICREATE:
      FSkinData->SetMenuUpdate(false);
      PassToClient(m);
      return;
    case WM_MDIDESTROY:
      PassToClient(m);
      if (FSkinFrame && manager) {
        manager->SetMDIMaximized(ActiveChildMaximized());
        if (!SendMessageW(FMDIClient, WM_MDIGETACTIVE, 0, 0)) {
          FSkinData->SetMenuUpdate(FSavedMenuUpdate);
          if (FMenuBar) FMenuBar->BuildItems();
        }
      }
      return;
    case WM_MDISETMENU:
      PassToClient(m);
      if (FSkinFrame) {
        if (m.WParam && FMenuBar) {
          FMenuBar->RebuildItems();
          FMenuBar->Layout();
        }
        SetMenu(FHandle, nullptr);
      }
      return;
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (FSkinFrame && manager && manager->MDIMaximized) manager->SetMDIMaximized(false);
      PassToClient(m);
      return;
    case kMdiRedraw:
      RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return;
  }
  PassToClient(m);
}

bool TSkinForm::ActiveChildMaximized() const {
  if (FMDIKind != TMDIKind::MainForm || !FMDIClient) return false;
  BOOL maximized = FALSE;
  const HWND active = reinterpret_cast<HWND>(SendMessageW(FMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

}  // namespace skin
