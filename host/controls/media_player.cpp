#include "host/controls/media_player.h"

#include <windowsx.h>

#include <utility>

#include "host/gdi/handles.h"

namespace host {

namespace {

constexpr std::string_view kButtonNames[] = {"btPlay", "btPause", "btStop",  "btNext", "btPrev",
                                             "btStep", "btBack",  "btRecord", "btEject"};
const EnumInfo kButtons{"TMPBtnType", kButtonNames};

bool Has(TButtonSet set, int button) { return (set >> button) & 1u; }

// Symbols on an 8 x 8 grid: up to three pieces each, a triangle (three
// points), a bar (two corners) or a dot (the corners of its ellipse).
enum class Piece { None, Triangle, Bar, Dot };
struct SymbolPiece {
  Piece kind;
  POINT p[3];
};
struct Symbol {
  SymbolPiece pieces[3];
};
constexpr Symbol kSymbols[kMPButtonCount] = {
    {{{Piece::Triangle, {{2, 0}, {7, 4}, {2, 8}}}}},                                             // play
    {{{Piece::Bar, {{1, 0}, {3, 8}}}, {Piece::Bar, {{5, 0}, {7, 8}}}}},                          // pause
    {{{Piece::Bar, {{1, 1}, {7, 7}}}}},                                                          // stop
    {{{Piece::Triangle, {{1, 0}, {5, 4}, {1, 8}}}, {Piece::Bar, {{6, 0}, {8, 8}}}}},             // next
    {{{Piece::Bar, {{0, 0}, {2, 8}}}, {Piece::Triangle, {{7, 0}, {3, 4}, {7, 8}}}}},             // prev
    {{{Piece::Triangle, {{0, 1}, {4, 4}, {0, 7}}}, {Piece::Triangle, {{4, 1}, {8, 4}, {4, 7}}}}},  // step
    {{{Piece::Triangle, {{4, 1}, {0, 4}, {4, 7}}}, {Piece::Triangle, {{8, 1}, {4, 4}, {8, 7}}}}},  // back
    {{{Piece::Dot, {{1, 1}, {7, 7}}}}},                                                          // record
    {{{Piece::Triangle, {{0, 5}, {4, 0}, {8, 5}}}, {Piece::Bar, {{0, 6}, {8, 8}}}}},             // eject
};

}  // namespace

void DrawTransportSymbol(HDC dc, const RECT& rect, int button, COLORREF colour) {
  if (button < 0 || button >= kMPButtonCount) return;
  const int size = 8, x0 = (rect.left + rect.right - size) / 2, y0 = (rect.top + rect.bottom - size) / 2;
  const Brush brush(CreateSolidBrush(colour));
  const Pen pen(CreatePen(PS_SOLID, 1, colour));
  Selection with_brush(dc, brush), with_pen(dc, pen);
  for (const SymbolPiece& piece : kSymbols[button].pieces) {
    POINT p[3];
    for (int i = 0; i < 3; ++i) p[i] = {x0 + piece.p[i].x, y0 + piece.p[i].y};
    switch (piece.kind) {
      case Piece::Triangle: Polygon(dc, p, 3); break;
      case Piece::Bar: Rectangle(dc, p[0].x, p[0].y, p[1].x, p[1].y); break;
      case Piece::Dot: Ellipse(dc, p[0].x, p[0].y, p[1].x, p[1].y); break;
      case Piece::None: break;
    }
  }
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 253, 30); }

const ClassInfo& TMediaPlayer::Info() {
  static const ClassInfo info{"TMediaPlayer", &TWinControl::Info(), {
      props::Set<&TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons>("VisibleButtons", kButtons),
      props::Set<&TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons>("EnabledButtons", kButtons),
      props::Set<&TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons>("ColoredButtons", kButtons),
  }, [](TComponent* owner) -> TComponent* { return new TMediaPlayer(owner); }};
  return info;
}

void TMediaPlayer::SetVisibleButtons(TButtonSet buttons) {
  visible_buttons_ = buttons & kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet buttons) {
  enabled_buttons_ = buttons & kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet buttons) {
  colored_buttons_ = buttons & kAllMPButtons;
  Invalidate();
}

int TMediaPlayer::ButtonWidth() const {
  int n = 0;
  for (int b = 0; b < kMPButtonCount; ++b) n += Has(visible_buttons_, b);
  return n ? width_ / n : 0;
}

int TMediaPlayer::ButtonAt(int x) const {
  const int w = ButtonWidth();
  int sum = 0;
  for (int b = 0; b < kMPButtonCount; ++b) {
    if (!Has(visible_buttons_, b)) continue;
    if (sum <= x && x <= sum + w) return b;
    sum += w;
  }
  return -1;
}

bool TMediaPlayer::IsEnabledButton(int button) const {
  return button >= 0 && enabled_ && Has(enabled_buttons_, button);
}

void TMediaPlayer::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"TMediaPlayer";
  p.system_class = false;
}

void TMediaPlayer::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int button = ButtonAt(GET_X_LPARAM(m.LParam));
      pressed_ = IsEnabledButton(button) ? button : -1;
      if (pressed_ >= 0) SetCapture(WindowHandle());
      Invalidate();
      m.Result = 0;
      return;
    }
    case WM_LBUTTONUP: {
      const int pressed = std::exchange(pressed_, -1);
      if (GetCapture() == WindowHandle()) ReleaseCapture();
      Invalidate();
      m.Result = 0;
      const int y = GET_Y_LPARAM(m.LParam);
      if (pressed < 0 || y < 0 || y >= height_ || ButtonAt(GET_X_LPARAM(m.LParam)) != pressed) return;
      clicked_ = static_cast<TMPBtnType>(pressed);
      Click();  // last: the handler may free the player
      return;
    }
    case WM_CAPTURECHANGED:
      // The press still counts for a release on the same button (a covering
      // window hands both on); only the sunken look goes with the mouse.
      Invalidate();
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

void TMediaPlayer::PaintWindow(HDC dc) {
  const int w = ButtonWidth();
  if (!w) return;
  int x = 0;
  for (int b = 0; b < kMPButtonCount; ++b) {
    if (!Has(visible_buttons_, b)) continue;
    RECT r{x, 0, x + w, height_};
    const bool down = b == pressed_ && GetCapture() == WindowHandle();
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    if (down) OffsetRect(&r, 1, 1);
    const bool enabled = IsEnabledButton(b);
    const COLORREF colour = !enabled ? GetSysColor(COLOR_GRAYTEXT) : Has(colored_buttons_, b) ? RGB(0, 128, 0)
                                                                                                : RGB(0, 0, 0);
    DrawTransportSymbol(dc, r, b, colour);
    x += w;
  }
}

}  // namespace host
