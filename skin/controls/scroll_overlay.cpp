#include "skin/controls/scroll_overlay.h"

#include <algorithm>
#include <cstdlib>

#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/transparent.h"

namespace skin {
namespace {

// Frames of the "Scrollbar" strip (numbered from 1): each arrow has normal,
// pressed and hot in the first, second and fourth of its four frames; a
// disabled bar shows its arrows as normal. The grippers: normal, pressed, hot.
constexpr int kArrowFrames = 23;
constexpr int kLeftArrow = 1, kRightArrow = 5, kUpArrow = 9, kDownArrow = 13;
constexpr int kHorzGripper = 17, kVertGripper = 20;
constexpr int kDefaultThumbFrames = 3;

int ArrowFrame(int first, bool hot, bool pressed) { return hot ? first + (pressed ? 1 : 3) : first; }

bool IsOverlayOf(HWND window, HWND target) {
  const auto* overlay = dynamic_cast<TWScrollbar*>(host::TWinControl::FromHandle(window));
  return overlay && overlay->TargetWindow == target;
}

}  // namespace

TWScrollbar::TWScrollbar(TSkinControl* owner)
    : host::TWinControl(nullptr), ArrowSize(GetSystemMetrics(SM_CXHSCROLL)), Owner(owner) {
  visible_ = false;
}

TWScrollbar::~TWScrollbar() { *alive_ = false; }

const host::ClassInfo& TWScrollbar::Info() {
  static const host::ClassInfo info{"TWScrollbar", &host::TWinControl::Info(), {}};
  return info;
}

void TWScrollbar::FillCreateParams(CreateParams& p) {
  p.class_name = L"TWScrollbar";
  p.style = WS_CHILD | WS_CLIPSIBLINGS;
  p.ex_style = WS_EX_TOOLWINDOW;
  p.parent = GetParent(TargetWindow);
}

void TWScrollbar::AttachControl(TSkinControl* skinner, host::TControl* control, int mode) {
  TargetControl = control;
  auto* win = dynamic_cast<host::TWinControl*>(control);
  if (mode == bmControl) Vertical = host::LowerCase(GetEnumPropText(control, "Kind")) != "sbhorizontal";
  Attach(skinner, win ? win->Handle() : nullptr, mode);
}

void TWScrollbar::AttachWindow(TSkinControl* skinner, HWND window, int mode) {
  if (mode == bmControl) Vertical = (GetWindowLongW(window, GWL_STYLE) & SBS_VERT) != 0;
  Attach(skinner, window, mode);
}

void TWScrollbar::Attach(TSkinControl* skinner, HWND window, int mode) {
  Owner = skinner;
  TargetWindow = window;
  Mode = mode;
  if (mode != bmControl) Vertical = mode;
  if (Owner && Owner->SkinData) SetColor(Owner->SkinData->Elements().Colours.ButtonFace);
  Place();
}

bool TWScrollbar::GetBarInfo(BarInfo& info) const {
  if (!TargetWindow || !IsWindow(TargetWindow)) return false;
  if (Mode != bmControl) {
    SCROLLBARINFO sbi{sizeof(sbi)};
    if (!GetScrollBarInfo(TargetWindow, Vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &sbi)) return false;
    info = {sbi.rcScrollBar, sbi.xyThumbTop, sbi.xyThumbBottom, (sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0,
            (sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0};
    return true;
  }
  RECT bar;
  if (!GetWindowRect(TargetWindow, &bar)) return false;
  SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS};
  if (!GetScrollInfo(TargetWindow, SB_CTL, &si)) return false;
  const int a = ArrowSize, length = Vertical ? bar.bottom - bar.top : bar.right - bar.left;
  const int range = si.nMax - si.nMin;
  int size = a, start = a;
  // A range of zero would divide by zero: the thumb then rests at the start.
  if (si.nPage != 0) {
    size = range > 0 ? MulDiv(length - 2 * a, static_cast<int>(si.nPage) - 1, range) : length - 2 * a;
    if (si.nPos != si.nMin && range > 0) start = MulDiv(length - 2 * a, si.nPos - si.nMin, range) + a;
  } else if (si.nPos != si.nMin && range > 0) {
    start = MulDiv(length - 3 * a, si.nPos - si.nMin, range) + a;
  }
  info = {bar, start, start + size, false, !IsWindowEnabled(TargetWindow)};
  return true;
}

void TWScrollbar::Place() {
  BarInfo info;
  if (!GetBarInfo(info) || !GetParent(TargetWindow)) return;
  if (!(GetWindowLongW(TargetWindow, GWL_STYLE) & WS_VISIBLE) || info.invisible) {
    HideBar();
    return;
  }
  RectTopLeft = {info.bar.left, info.bar.top};
  RectBottomRight = {info.bar.right, info.bar.bottom};
  ScreenToClient(TargetWindow, &RectTopLeft);
  ScreenToClient(TargetWindow, &RectBottomRight);
  const int width = info.bar.right - info.bar.left, height = info.bar.bottom - info.bar.top;
  BarLength = Vertical ? height : width;
  BarOrigin = {info.bar.left, info.bar.top};
  POINT at = BarOrigin;
  ScreenToClient(GetParent(TargetWindow), &at);
  HWND self = Handle();
  // Directly above the target, so that the target's own drawing of the bar
  // stays underneath. A target's two overlays share that place: one already
  // there keeps it rather than trading places with the other at every move.
  HWND above = GetWindow(TargetWindow, GW_HWNDPREV);
  bool placed = false;
  for (HWND w = above; w && !placed && IsOverlayOf(w, TargetWindow); w = GetWindow(w, GW_HWNDPREV)) placed = w == self;
  SetWindowPos(self, above ? above : HWND_TOP, at.x, at.y, width, height,
               (placed ? SWP_NOZORDER : 0) | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  MoveWindow(self, at.x, at.y, width, height, TRUE);
  visible_ = true;
  Shown = true;
}

void TWScrollbar::HideBar() {
  if (HandleAllocated()) ShowWindow(WindowHandle(), SW_HIDE);
  Shown = false;
  visible_ = false;
}

void TWScrollbar::Repaint() {
  if (HandleAllocated()) InvalidateRect(WindowHandle(), nullptr, FALSE);
}

int TWScrollbar::HitTest(POINT pt) const {
  const int p = Vertical ? pt.y : pt.x;
  if (p < ArrowSize) return SB_LINEUP;
  if (p < ThumbStart) return SB_PAGEUP;
  if (p < ThumbEnd) return SB_THUMBTRACK;
  if (p < BarLength - ArrowSize) return SB_PAGEDOWN;
  return SB_LINEDOWN;
}

void TWScrollbar::WndProc(host::TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: m.Result = 1; return;
    case WM_PAINT: {
      const host::PaintDc dc(WindowHandle());
      Paint(dc);
      return;
    }
    case WM_MOUSEMOVE: MouseMove(m.LParam); break;
    case WM_MOUSELEAVE:
      if (!Pressed) {
        HotPart = -1;
        Repaint();
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      DefaultHandler(m);
      Press(m.LParam);
      return;
    case WM_LBUTTONUP:
      DefaultHandler(m);
      Release(m.LParam);
      return;
  }
  host::TWinControl::WndProc(m);
}

POINT TWScrollbar::PressPoint(LPARAM lparam) {
  POINT p{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  if (Mode == bmControl) return p;
  // Where the real bar is now: its window may have moved, or its frame
  // changed, since the overlay was last placed.
  if (BarInfo info; GetBarInfo(info)) BarOrigin = {info.bar.left, info.bar.top};
  return {p.x + BarOrigin.x, p.y + BarOrigin.y};
}

void TWScrollbar::MouseMove(LPARAM lparam) {
  const int part = HitTest({static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
  if (part != HotPart) {
    HotPart = part;
    Repaint();
  }
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, WindowHandle(), 0};
  TrackMouseEvent(&track);
}

void TWScrollbar::Press(LPARAM lparam) {
  GetCursorPos(&DownCursor);
  if (BarInfo info; GetBarInfo(info)) {
    DownThumbStart = info.thumb_start;
    ThumbStart = info.thumb_start;
    ThumbEnd = info.thumb_end;
  }
  HotPart = HitTest({static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
  const POINT p = PressPoint(lparam);
  Pressed = true;
  Repaint();
  ReleaseCapture();
  // The system's scroll loop runs inside this call until the button is released.
  const std::shared_ptr<bool> alive = alive_;
  if (Mode == bmControl)
    SendMessageW(TargetWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  else
    SendMessageW(TargetWindow, WM_NCLBUTTONDOWN, Vertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(p.x, p.y));
  if (!*alive) return;
  Pressed = false;
  ReleaseCapture();
  Repaint();
}

void TWScrollbar::Release(LPARAM lparam) {
  const POINT p = PressPoint(lparam);
  Pressed = false;
  ReleaseCapture();
  if (Mode == bmControl) {
    PostMessageW(TargetWindow, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    Repaint();
  } else {
    PostMessageW(TargetWindow, WM_NCLBUTTONUP, Vertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(p.x, p.y));
  }
}

void TWScrollbar::TrackThumb() {
  POINT c;
  GetCursorPos(&c);
  const int size = ThumbEnd - ThumbStart;
  int start = DownThumbStart + (Vertical ? c.y - DownCursor.y : c.x - DownCursor.x);
  start = std::min(start, BarLength - ArrowSize - size);
  start = std::max(start, ArrowSize);
  ThumbStart = start;
  ThumbEnd = start + size;
}

void TWScrollbar::Paint(HDC dc) {
  if (!Owner || !Owner->SkinData) return;
  const SkinElements& e = Owner->SkinData->Elements();
  if (!e.ScrollArrows || e.ScrollArrows->Image.Empty()) return;
  BarInfo info;
  if (!GetBarInfo(info) || info.invisible) return;
  const bool enabled = !info.disabled;
  RECT client;
  GetClientRect(WindowHandle(), &client);
  RECT bar = info.bar;
  OffsetRect(&bar, -bar.left, -bar.top);
  if (bar.right < 0 || bar.bottom < 0 || bar.right > client.right || bar.bottom > client.bottom) return;
  BarLength = Vertical ? bar.bottom : bar.right;
  const int a = ArrowSize;
  const host::DibBitmap& arrows = e.ScrollArrows->Image;
  const int thickness = std::abs(arrows.Height() - a) > 2 ? a : arrows.Height();
  (Vertical ? bar.right : bar.bottom) = thickness;

  host::DibBitmap picture(bar.right, bar.bottom);
  if (picture.Empty()) return;
  HDC mem = picture.Dc();
  SetStretchBltMode(mem, COLORONCOLOR);
  {
    const host::Brush face(CreateSolidBrush(host::ColourToRgb(e.Colours.ButtonFace)));
    FillRect(mem, &bar, face);
  }
  const auto along = [&](int from, int to) {
    return Vertical ? RECT{0, from, thickness, to} : RECT{from, 0, to, thickness};
  };
  if (const TDataSkinObject* track = Vertical ? e.VertScroll.get() : e.HorzScroll.get())
    DrawSkinObject(picture, along(a, BarLength - a), 4, enabled ? 1 : 3, *track);

  const int arrow = BarLength < 2 * a ? BarLength / 2 : a;
  const auto put = [&](int frame, int offset) {
    CopyKeyedFrame(picture, Vertical ? 0 : offset, Vertical ? offset : 0, arrows, frame, kArrowFrames, kSkinColourKey);
  };
  put(ArrowFrame(Vertical ? kUpArrow : kLeftArrow, HotPart == SB_LINEUP, Pressed), 0);
  put(ArrowFrame(Vertical ? kDownArrow : kRightArrow, HotPart == SB_LINEDOWN, Pressed), BarLength - arrow);

  if (Pressed && HotPart == SB_THUMBTRACK && Mode != bmControl) {
    TrackThumb();
  } else {
    ThumbStart = info.thumb_start;
    ThumbEnd = info.thumb_end;
  }
  const TDataSkinObject* thumb = Vertical ? e.VertScrollThumb.get() : e.HorzScrollThumb.get();
  if (enabled && thumb && ThumbStart >= 0 && ThumbEnd <= BarLength && ThumbEnd > ThumbStart) {
    const bool hot = HotPart == SB_THUMBTRACK;
    const int frames = thumb->FrameCount > 0 ? thumb->FrameCount : kDefaultThumbFrames;
    DrawSkinObject(picture, along(ThumbStart, ThumbEnd), frames, hot ? (Pressed ? 2 : 3) : 1, *thumb);
    const int length = ThumbEnd - ThumbStart, h = arrows.Height();
    const int offset = ThumbStart + (length - h) / 2;
    if (h < length + 2 && offset >= 0 && offset + h <= BarLength)
      put((Vertical ? kVertGripper : kHorzGripper) + (hot ? (Pressed ? 1 : 2) : 0), offset);
  }
  if (Mode == bmControl)
    StretchBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, bar.right, bar.bottom, SRCCOPY);
  else
    BitBlt(dc, 0, 0, bar.right, bar.bottom, mem, 0, 0, SRCCOPY);
  // A skin thinner than the real bar leaves a strip beside the picture.
  if (Mode != bmControl && (bar.right < client.right || bar.bottom < client.bottom)) {
    const host::Brush face(CreateSolidBrush(host::ColourToRgb(e.Colours.ButtonFace)));
    RECT rest = client;
    (Vertical ? rest.left : rest.top) = thickness;
    FillRect(dc, &rest, face);
  }
}

}  // namespace skin
