// A form skinner's life: attach, skin-now, fitting the window around the
// skinned frame, skin changes, and the two ways of letting go.
#include "skin/form/skin_form.h"

#include "host/core/properties.h"
#include "host/menus/popup_menu.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/draw/text.h"
#include "skin/form/engine_messages.h"
#include "skin/manager/skin_manage.h"
#include "skin/manager/trace.h"

namespace skin {
namespace {

constexpr UINT kFitFlags = SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE;
constexpr UINT kFrameChanged = SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;

bool IsNtFamily() { return (GetVersion() & 0x80000000u) == 0; }

host::Font MakeCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
  return host::Font(CreateFontIndirectW(&metrics.lfCaptionFont));
}

int TextWidth(HFONT font, const std::wstring& text) {
  const host::MemoryDc dc(CreateCompatibleDC(nullptr));
  const host::Selection keep(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

TSkinForm::TSkinForm(host::TComponent* owner)
    : host::TComponent(owner), FCaptionFont(MakeCaptionFont()), FDoubleClickTime(GetDoubleClickTime()) {}

TSkinForm::~TSkinForm() {
  // A skinner freed while still hooked in (its set-up failed half-way) lets go first.
  ReleaseHooks();
  ForgetMenuLoop();
  FreeControls();
  FMenuBar.reset();
  FreeButtons();
  FSysPopup.reset();
  if (TSkinManage* manager = TSkinManage::Instance(); manager && manager == FOwnerToken) manager->RemoveSkinForm(this);
}

void TSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{sizeof(placement)};
  if (!GetWindowPlacement(FHandle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED: case SW_MINIMIZE: case SW_SHOWMINNOACTIVE:
      FWindowState = TWindowState::Minimized;
      break;
    case SW_SHOWMAXIMIZED:
      FWindowState = TWindowState::Maximized;
      break;
    default:
      FWindowState = TWindowState::Normal;
  }
}

void TSkinForm::AttachForm(TSkinData* data, host::TForm* form) {
  FHostForm = form;
  host::SetPropValue(*form, "AutoScroll", false);
  PrepareWindow(data);
  if (FSkinFrame)
    FFormHook.Install(*form, [this](host::TMessage& m) {
      const host::HandlerDepth::Scope scope(FDepth);
      FormHook(m);
    });
  FSavedColor = form->Color();
  form->SetColor(data->Elements().Colours.ButtonFace);
  if (data->SkinControls() & Bit(xcMenuItem)) HookMainMenus(*form, true);
}

void TSkinForm::PrepareWindow(TSkinData* data) {
  if (Attached()) return;
  TSkinManage* manager = TSkinManage::Instance();
  if (manager) manager->State = 1;
  FSkinData = data;
  FHoverTimer = new host::TTimer(this);
  FHoverTimer->SetEnabled(false);
  FHoverTimer->SetInterval(250);
  FHoverTimer->SetOnTimer([this](host::TComponent*) {
    const host::HandlerDepth::Scope scope(FDepth);
    try {
      HoverTick();
    } catch (const std::exception& e) {
      TraceError("caption hover", e);
    }
  });
  FSkinFrame = (data->SkinControls() & Bit(xcMainMenu)) != 0;

  FStyle = static_cast<DWORD>(GetWindowLongW(FHandle, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongW(FHandle, GWL_EXSTYLE));
  FRightToLeft = (ex_style & WS_EX_LEFTSCROLLBAR) != 0;
  FIsChild = (FStyle & WS_CHILD) != 0;
  FClassName = GetClassNameText(FHandle);
  FOwnerWnd = GetWindow(FHandle, GW_OWNER);

  FCaps = 0;
  if ((FStyle & WS_SYSMENU) || FSysMenu) FCaps |= capSysMenu;
  if (FStyle & WS_MINIMIZEBOX) FCaps |= capMinimize;
  if (FStyle & WS_MAXIMIZEBOX) FCaps |= capMaximize;
  ReadWindowState();
  FSizeable = (FStyle & WS_THICKFRAME) != 0;

  FMDIKind = TMDIKind::Plain;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetClassNameText(child) != "MDIClient") continue;
    FMDIKind = TMDIKind::MainForm;
    FMDIClient = child;
    if (manager) {
      manager->MDIClient = child;
      manager->MDIForm = FHostForm;
    }
    break;
  }
  if (ex_style & WS_EX_MDICHILD) {
    FMDIKind = TMDIKind::Child;
    if (data->Options() & Bit(xoMDIChildBorder)) FSkinFrame = false;
  }

  FBorderKind = TBorderKind::Single;
  if ((FStyle & WS_CAPTION) != WS_CAPTION)
    FBorderKind = TBorderKind::NoCaption;
  else if (FStyle & WS_THICKFRAME)
    FBorderKind = TBorderKind::Sizeable;
  else if (FStyle & DS_MODALFRAME)
    FBorderKind = TBorderKind::Dialog;
  if (ex_style & WS_EX_DLGMODALFRAME) FBorderKind = TBorderKind::Dialog;

  const DWORD version = GetVersion();
  if ((ex_style & WS_EX_APPWINDOW) && IsNtFamily() && LOBYTE(LOWORD(version)) >= 5 && HIBYTE(LOWORD(version)) == 0)
    FCaps |= capOwnCaption;
  if (!FOwnerWnd && !IsMDIChild()) FCaps |= capOwnCaption;

  FUnicode = IsWindowUnicode(FHandle) != FALSE;
  FIsDialog = false;
  if (FClassName == "#32770" || FClassName == "TMessageForm") {
    FBorderKind = TBorderKind::Dialog;
    FIsDialog = true;
  }
  // Drawing stays off until skin-now, so the window never shows a half-skinned frame.
  if (!FIsChild && FSkinFrame && FBorderKind != TBorderKind::NoCaption) {
    SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
    FRedrawOff.Made([window = FHandle] {
      SendMessageW(window, WM_SETREDRAW, TRUE, 0);
      // What was not drawn meanwhile is drawn now.
      RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    });
  }
  if (!IsNtFamily()) data->SetSkinControls(data->SkinControls() & ~Bit(xcSystemMenu));
  if (FMDIKind == TMDIKind::MainForm) FSavedMenuUpdate = data->MenuUpdate();

  InstallWindowProc();

  if (FSkinFrame) {
    FMenuHandle = GetMenu(FHandle);
    // A window without a caption keeps the system's frame, and its menu bar with it.
    if (FMenuHandle && !IsMDIChild() && FBorderKind != TBorderKind::NoCaption) {
      FMenuBarHeight = GetSystemMetrics(SM_CYMENU);
      FMenuBar = std::make_unique<TSkinMenuBar>(*this, *data);
      if (FHostForm) FMenuBar->HostMenu = FHostForm->Menu();
      FMenuBar->BuildItems();
    }
    const bool maximized_child = IsMDIChild() && manager && manager->MDIMaximized;
    if (!maximized_child && FWindowState != TWindowState::Minimized) SetCaptionStyle(false);
    ReadFrameMetrics();
  } else {
    FState = flRunning;
  }
  if (IsMDIChild()) {
    const int system_caption = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (FBorderTop < system_caption) FMenuBarHeight = system_caption - FBorderTop;
    if (FWindowState == TWindowState::Maximized && manager && !manager->MDIMaximized) manager->SetMDIMaximized(true);
  }
}

void TSkinForm::FinishAttach() {
  FSysMenu = GetSystemMenu(FHandle, FALSE);
  RefreshIcon();
  GetClientRect(FHandle, &FClientRect);
  RECT window;
  GetWindowRect(FHandle, &window);
  FOsFrameSize = {0, 0, (window.right - window.left) - FClientRect.right, (window.bottom - window.top) - FClientRect.bottom};
  if (!FIsChild && FSkinFrame) {
    FRedrawOff.Undo();
    RedrawWindow(FHandle, nullptr, nullptr, RDW_ERASE | RDW_INTERNALPAINT | RDW_INVALIDATE);
  }
  if (FHostForm)
    DiscoverForm(*FHostForm);
  else
    DiscoverWindows(FHandle);
  if (FState == flCreated) {
    if (IsMDIChild()) {
      const TSkinManage* manager = TSkinManage::Instance();
      if (FWindowState == TWindowState::Maximized) {
        if (manager && manager->MDIClient) PostMessageW(manager->MDIClient, kMdiRedraw, reinterpret_cast<WPARAM>(FHandle), 0);
      } else if (FWindowState == TWindowState::Minimized) {
        SetCaptionStyle(true);
      } else {
        FState = flFirstFit;
        FitWindowSize(false);
        FState = flRunning;
        UpdateRegion();
      }
    } else if (!FIsChild && FBorderKind != TBorderKind::NoCaption && FWindowState != TWindowState::Minimized) {
      FState = flFirstFit;
      FitWindowSize(false);
      FState = flRunning;
      if (FWindowState == TWindowState::Normal)
        UpdateRegion();
      else
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged);
    }
  }
  FState = flRunning;
  FHoverTimer->SetEnabled(true);
}

void TSkinForm::FitWindowSize(bool after_skin_change) {
  UINT flags = kFitFlags;
  if (FState == flReskinning) flags |= SWP_NOACTIVATE;
  if (FWindowState == TWindowState::Maximized) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, flags | SWP_NOSIZE);
    return;
  }
  if (FIsDialog || FState == flReskinning || after_skin_change) GetClientRect(FHandle, &FClientRect);
  int client_width = FClientRect.right - FClientRect.left;
  int client_height = FClientRect.bottom - FClientRect.top;
  if (!after_skin_change && FHostForm) {
    client_width = FHostForm->ClientWidth();
    client_height = FHostForm->ClientHeight() - (IsMDIChild() ? 0 : FMenuBarHeight);
  }
  int width = client_width + FBorderLeft + FBorderRight;
  const int height = client_height + FBorderTop + FBorderBottom + FMenuBarHeight;

  if (FIsDialog && !after_skin_change) {
    FCaptionText = GetWindowTextWide(FHandle);
    // Measured as the caption draws it, with its blanks, so that it shows whole.
    FCaptionTextWidth = TextWidth(FCaptionFont ? FCaptionFont.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                                  L"  " + FCaptionText + L" ");
    const TDataSkinTitle& title = *FSkinData->Elements().Title;
    const int least = title.LeftWidth + FCaptionTextWidth + title.RightWidth;
    if (width < least) {
      const int shift = (least - width) / 2;
      width = least;
      for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, FHandle, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
    }
  }
  SetWindowPos(FHandle, nullptr, 0, 0, width, height, flags);
}

// Only a window that had a caption when it was skinned has its caption bits touched.
void TSkinForm::SetCaptionStyle(bool on) {
  if (!(FCaps & capOwnCaption) || (FStyle & WS_CAPTION) != WS_CAPTION) return;
  auto set = [window = FHandle](bool caption) {
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const DWORD changed = caption ? style | WS_CAPTION : style & ~WS_CAPTION;
    // Every resize asks again; a style set anew costs two messages for nothing.
    if (changed != style) SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(changed));
  };
  set(on);
  if (on)
    FCaptionOff.Forget();
  else
    FCaptionOff.Made([set, window = FHandle] {
      set(true);
      SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameChanged | SWP_NOACTIVATE);
    });
}

void TSkinForm::SetSysMenuStyle(bool on) {
  if (FCaps & capOwnCaption) return;
  const auto style = static_cast<DWORD>(GetWindowLongW(FHandle, GWL_STYLE));
  if (on && (!FSysMenu || !(FStyle & WS_SYSMENU))) return;
  const DWORD changed = on ? style | WS_SYSMENU : style & ~WS_SYSMENU;
  if (changed != style) SetWindowLongW(FHandle, GWL_STYLE, static_cast<LONG>(changed));
}

void TSkinForm::SkinChanged() {
  if (FHostForm) {
    const std::int32_t face = FSkinData->Elements().Colours.ButtonFace;
    FHostForm->SetColor(face);
    for (host::TComponent* c : FHostForm->Components())
      if (auto* form = dynamic_cast<host::TForm*>(c)) form->SetColor(face);
  }
  for (TSkinControl* control : std::vector<TSkinControl*>(FControls)) control->SkinChanged();
  if (FHostForm) HookPopupMenus(*FHostForm, true);
  FItemFaces.clear();
  FState = flReskinning;
  if (FSkinFrame && FHostForm) {
    FitWindowSize(true);
    FHostForm->SetHeight(FHostForm->Height() + 1);
    FHostForm->SetHeight(FHostForm->Height() - 1);
  }
  FState = flRunning;
  // The client area and every control show the new skin's colours at once.
  RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSkinForm::RestoreFormColor() {
  if (FHostForm && FState != flDestroying) FHostForm->SetColor(FSavedColor);
}

void TSkinForm::DropRegion() {
  // The window owns a region once it is set; taking it off frees it.
  SetWindowRgn(FHandle, nullptr, TRUE);
  FHasRegion = false;
  FRegion = nullptr;
  FRgnWidth = FRgnHeight = 0;
}

void TSkinForm::Detach() {
  if (!FSkinFrame) {
    if (FHoverTimer) FHoverTimer->SetEnabled(false);
    FreeControls();
    ReleaseMenus();
    RestoreFormColor();
    ReleaseHooks();
    RedrawAll();
    return;
  }
  // The system menu may be showing from one of our own handlers: it goes with the skinner then.
  if (!Busy()) FSysPopup.reset();
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  if (!Attached()) return;
  ReleaseHooks();
  FreeControls();
  ReleaseMenus();
  RestoreFormColor();
  SetSysMenuStyle(true);
  SetCaptionStyle(true);
  if (FMenuBar) {
    SetMenu(FHandle, FMenuBar->MenuHandle);
    FMenuBar.reset();
  }
  // Before skin-now the window is still at its own size, only its drawing is off.
  FRedrawOff.Undo();
  if (FState == flCreated) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged | SWP_NOACTIVATE);
  } else if (FState != flDestroying && (IsMDIChild() || !(FStyle & WS_CHILD))) {
    RECT r;
    GetWindowRect(FHandle, &r);
    POINT top_left{r.left, r.top};
    if (HWND parent = GetParent(FHandle); IsMDIChild() && parent) ScreenToClient(parent, &top_left);
    SetWindowPos(FHandle, nullptr, top_left.x, top_left.y,
                 (r.right - r.left) + FOsFrameSize.right - FBorderLeft - FBorderRight,
                 (r.bottom - r.top) + FOsFrameSize.bottom - FBorderTop - FBorderBottom,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  DropRegion();
  RedrawAll();
}

// Every child shows its own colours again at once, nested ones included.
void TSkinForm::RedrawAll() {
  if (FState != flDestroying && IsWindow(FHandle))
    RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSkinForm::DetachOnDestroy() {
  if (!FSkinFrame) {
    Detach();
    return;
  }
  // The window takes its drawing state and its style with it.
  FRedrawOff.Forget();
  FCaptionOff.Forget();
  if (!Busy()) FSysPopup.reset();
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  ReleaseHooks();
  FreeControls();
  ReleaseMenus();
  // The menu stays off the window: a host form's menu is the form library's
  // to free, while a bare window's menu would have gone with the window.
  if (FMenuBar && !FHostForm && FMenuBar->MenuHandle) DestroyMenu(FMenuBar->MenuHandle);
  FMenuBar.reset();
}

void TSkinForm::FreeControls() {
  while (!FControls.empty()) {
    TSkinControl* control = FControls.front();
    FControls.erase(FControls.begin());
    if (control->LifeState != clGone) control->Restore();
    control->FormSkinner = nullptr;  // already off the list
    TSkinControl::Free(control);
  }
}

void TSkinForm::PurgeControls() {
  for (std::size_t i = FControls.size(); i-- > 0;) {
    TSkinControl* control = FControls[i];
    if (control->LifeState != clGone) continue;
    FControls.erase(FControls.begin() + static_cast<std::ptrdiff_t>(i));
    control->FormSkinner = nullptr;
    TSkinControl::Free(control);
  }
}

void TSkinForm::ReleaseHooks() {
  FFormHook.Remove();
  FWndSubclass.Remove();
  FClientSubclass.Remove();
}

void TSkinForm::OwnerFrees() {
  if (!Busy()) {
    delete this;
    return;
  }
  // The window went first, so the skinner has let go of it; the host form
  // is going now. Neither the form nor the manager may free it again.
  ReleaseHooks();
  FHostForm = nullptr;
  RemoveFromOwner();
  if (TSkinManage* manager = TSkinManage::Instance(); manager && manager == FOwnerToken) manager->RemoveSkinForm(this);
  FDepth.WhenIdle([this] { delete this; });
}

void TSkinForm::Free(std::unique_ptr<TSkinForm> form) {
  if (!form || !form->Busy()) return;  // freed here and now
  // A nested loop inside one of its handlers: it already let go of the
  // window; the object goes when the outermost handler returns.
  TSkinForm* later = form.release();
  later->RemoveFromOwner();
  later->FDepth.WhenIdle([later] { delete later; });
}

}  // namespace skin
