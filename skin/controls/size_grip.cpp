#include "skin/controls/size_grip.h"

#include "host/gdi/handles.h"
#include "skin/data/skin_data.h"
#include "skin/form/engine_messages.h"

namespace skin {
namespace {
constexpr wchar_t kSizerProp[] = L"skin.sizer";
}

TSkinSizer::TSkinSizer(HWND window, TSkinData& data) : window_(window), data_(data) {
  SetPropW(window, kSizerProp, this);
  old_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSkinSizer::WindowProc)));
}

void TSkinSizer::Restore() {
  if (!old_proc_) return;
  if (!gone_) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_proc_));
    RemovePropW(window_, kSizerProp);
    InvalidateRect(window_, nullptr, TRUE);
  }
  old_proc_ = nullptr;
}

void TSkinSizer::Paint(HDC dc) {
  RECT r;
  GetClientRect(window_, &r);
  FillRect(dc, &r, data_.Elements().ButtonFaceBrush);
}

LRESULT CALLBACK TSkinSizer::WindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TSkinSizer*>(GetPropW(wnd, kSizerProp));
  if (!self) return DefWindowProcW(wnd, msg, wparam, lparam);
  const WNDPROC old = self->old_proc_;
  switch (msg) {
    case kSkinnedQuery:
      return 1;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      if (wparam) {
        self->Paint(reinterpret_cast<HDC>(wparam));
      } else {
        const host::PaintDc dc(wnd);
        self->Paint(dc);
      }
      return 0;
    }
    case WM_NCDESTROY:
      self->Restore();
      self->gone_ = true;
      break;
  }
  return CallWindowProcW(old, wnd, msg, wparam, lparam);
}

}  // namespace skin
