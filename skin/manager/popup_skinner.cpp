#include "skin/manager/popup_skinner.h"

#include "skin/data/skin_data.h"
#include "skin/draw/skin_element.h"
#include "skin/form/engine_messages.h"
#include "skin/manager/skin_manage.h"

namespace skin {
namespace {

constexpr int kFrame = TSkinPopupMenu::kFrameWidth;

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// The four frame strips of the picture, each where it lies in the window.
void PaintStrips(HDC dc, const host::DibBitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  HDC src = picture.Dc();
  BitBlt(dc, 0, 0, w, kFrame, src, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - kFrame, w, kFrame, src, 0, h - kFrame, SRCCOPY);
  BitBlt(dc, 0, kFrame, kFrame, h - 2 * kFrame, src, 0, kFrame, SRCCOPY);
  BitBlt(dc, w - kFrame, kFrame, kFrame, h - 2 * kFrame, src, w - kFrame, kFrame, SRCCOPY);
}

// How far the client area lies inside the window on each side.
RECT ClientInsets(HWND window) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return {client.left - outer.left, client.top - outer.top, outer.right - client.right, outer.bottom - client.bottom};
}

// Some systems (Wine) give a menu window no non-client area and draw the
// menu's border in its client painting, over the strips the frame painting
// put there; those strips are painted again after the client painting.
bool FrameInClientArea(HWND window) {
  const RECT in = ClientInsets(window);
  return in.left < kFrame || in.top < kFrame || in.right < kFrame || in.bottom < kFrame;
}

bool HasNonClientArea(HWND window) {
  const RECT in = ClientInsets(window);
  return in.left > 0 || in.top > 0 || in.right > 0 || in.bottom > 0;
}

}  // namespace

void TSkinPopupMenu::Attach(HWND window, TSkinData* data, HMENU menu) {
  Detach();
  MenuWindow = window;
  SkinData = data;
  MenuHandle = menu;
  unicode_ = IsWindowUnicode(window) != FALSE;
  subclass_.Install(window, [this](UINT msg, WPARAM wparam, LPARAM lparam) { return WindowProc(msg, wparam, lparam); },
                    unicode_);
}

void TSkinPopupMenu::Detach() {
  if (!subclass_.Installed()) return;
  subclass_.Remove();
  Background.reset();
}

bool TSkinPopupMenu::ComposeBackground() {
  if (!SkinData || SkinData->SkinMissing()) return false;
  const SkinElements& elements = SkinData->Elements();
  const TDataSkinObject* element = elements.MenuBackground.get();
  if (!element || element->Image.Empty()) return false;
  Background = elements.MenuBackgrounds.At(*element, WindowSize(MenuWindow));
  const RECT insets = ClientInsets(MenuWindow);
  ClientOffset = {insets.left, insets.top};
  return Background != nullptr;
}

LRESULT TSkinPopupMenu::WindowProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == kSkinnedQuery) return 1;
  const TSkinManage* manager = TSkinManage::Instance();
  if (!manager || !manager->Active) return subclass_.CallPrevious(msg, wparam, lparam);
  switch (msg) {
    case WM_DESTROY: {
      const WNDPROC previous = subclass_.Previous();
      Detach();
      return unicode_ ? CallWindowProcW(previous, MenuWindow, msg, wparam, lparam)
                      : CallWindowProcA(previous, MenuWindow, msg, wparam, lparam);
    }
    case WM_NCPAINT:
      if (!ComposeBackground()) break;
      // Without a non-client area every strip lies in the client area, and
      // the client painting paints them.
      if (HasNonClientArea(MenuWindow)) PaintFrame();
      return 0;
    case WM_PRINT:
      if (!wparam || !ComposeBackground()) break;
      return Print(reinterpret_cast<HDC>(wparam), lparam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintClient(msg, wparam, lparam);
  }
  return subclass_.CallPrevious(msg, wparam, lparam);
}

void TSkinPopupMenu::PaintFrame() {
  HDC dc = GetWindowDC(MenuWindow);
  if (!dc) return;
  PaintStrips(dc, *Background);
  ReleaseDC(MenuWindow, dc);
}

LRESULT TSkinPopupMenu::Print(HDC dc, LPARAM flags) {
  const host::DibBitmap& background = *Background;
  BitBlt(dc, 0, 0, background.Width(), background.Height(), background.Dc(), 0, 0, SRCCOPY);
  // The caller's own clipping is kept and given back; the items are printed
  // inside the frame, over the skin's background.
  host::Region saved(CreateRectRgn(0, 0, 0, 0));
  const bool had_clip = GetClipRgn(dc, saved) == 1;
  const int mode = SetBkMode(dc, TRANSPARENT);
  IntersectClipRect(dc, kFrame, kFrame, background.Width() - kFrame, background.Height() - kFrame);
  const LRESULT result = subclass_.CallPrevious(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
  SelectClipRgn(dc, had_clip ? saved.get() : nullptr);
  SetBkMode(dc, mode);
  return result;
}

LRESULT TSkinPopupMenu::PaintClient(UINT msg, WPARAM wparam, LPARAM lparam) {
  // The item painter copies from Background while the items are drawn.
  if (!ComposeBackground() || !FrameInClientArea(MenuWindow)) return subclass_.CallPrevious(msg, wparam, lparam);
  const std::weak_ptr<bool> alive = alive_;
  const LRESULT result = subclass_.CallPrevious(msg, wparam, lparam);
  if (alive.expired() || !subclass_.Installed() || !Background) return result;
  if (msg == WM_PAINT)
    PaintFrame();
  else if (wparam)
    PaintStrips(reinterpret_cast<HDC>(wparam), *Background);
  return result;
}

}  // namespace skin
