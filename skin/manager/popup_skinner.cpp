#include "skin/manager/popup_skinner.h"

#include "skin/form/engine_messages.h"

namespace skin {
namespace {
constexpr wchar_t kPopupProp[] = L"skin.popup";
}

void TSkinPopupMenu::Attach(HWND window, TSkinData* data, int) {
  Handle = window;
  SkinData = data;
  SetPropW(window, kPopupProp, this);
  old_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSkinPopupMenu::WindowProc)));
}

void TSkinPopupMenu::Detach() {
  if (!old_proc_) return;
  if (IsWindow(Handle)) {
    SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_proc_));
    RemovePropW(Handle, kPopupProp);
  }
  old_proc_ = nullptr;
}

LRESULT CALLBACK TSkinPopupMenu::WindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TSkinPopupMenu*>(GetPropW(wnd, kPopupProp));
  if (!self) return DefWindowProcW(wnd, msg, wparam, lparam);
  if (msg == kSkinnedQuery) return 1;
  const WNDPROC old = self->old_proc_;
  if (msg == WM_NCDESTROY) self->Detach();
  return CallWindowProcW(old, wnd, msg, wparam, lparam);
}

}  // namespace skin
