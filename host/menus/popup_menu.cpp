#include "host/menus/popup_menu.h"

#include "host/app/application.h"
#include "host/core/error.h"

namespace host {
namespace {
constexpr wchar_t kClassName[] = L"THostPopupWindow";
}

TPopupMenu::~TPopupMenu() {
  if (window_) DestroyWindow(window_);
}

const ClassInfo& TPopupMenu::Info() {
  static const ClassInfo info{"TPopupMenu", &TMenu::Info(), {},
                              [](TComponent* owner) -> TComponent* { return new TPopupMenu(owner); }};
  return info;
}

void TPopupMenu::CreateWindowOnce() {
  if (window_) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof(wc)};
  if (!GetClassInfoExW(instance, kClassName, &wc)) {
    wc = {sizeof(wc)};
    wc.lpfnWndProc = &TPopupMenu::WndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
  }
  // A hidden top-level window: menus need an owner that can take part in activation.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!window_) throw Error("Cannot create a popup menu window: " + SystemErrorText(GetLastError()));
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TPopupMenu::Popup(int x, int y) {
  CreateWindowOnce();
  const UINT align = IsRightToLeft() ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  // The choice arrives as a posted WM_COMMAND, so OnClick runs after the menu has gone.
  TrackPopupMenuEx(Handle(), align | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, window_, nullptr);
}

LRESULT CALLBACK TPopupMenu::WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TPopupMenu*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(wnd, msg, wparam, lparam);
  try {
    switch (msg) {
      case WM_COMMAND:
        if (HIWORD(wparam) == 0 && lparam == 0) self->DispatchCommand(LOWORD(wparam));
        return 0;
      case WM_MEASUREITEM:
        if (self->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam))) return TRUE;
        break;
      case WM_DRAWITEM:
        if (self->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return TRUE;
        break;
      case WM_MENUCHAR:
        if (const auto found = self->MenuChar(LOWORD(wparam), reinterpret_cast<HMENU>(lparam))) return *found;
        break;
    }
  } catch (const std::exception& e) {
    HandleException(e);
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

}  // namespace host
