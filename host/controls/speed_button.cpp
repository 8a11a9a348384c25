#include "host/controls/speed_button.h"

#include <windowsx.h>

#include "host/gdi/handles.h"

namespace host {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

const ClassInfo& TSpeedButton::Info() {
  static const ClassInfo info{"TSpeedButton", &TGraphicControl::Info(), {
      props::Object<&TSpeedButton::Glyph>("Glyph"),
      props::Integer<&TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs>("NumGlyphs"),
      props::Boolean<&TSpeedButton::Flat, &TSpeedButton::SetFlat>("Flat"),
      props::Integer<&TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex>("GroupIndex"),
      props::Boolean<&TSpeedButton::Down, &TSpeedButton::SetDown>("Down"),
      props::Boolean<&TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp>("AllowAllUp"),
      props::Enum<&TSpeedButton::Layout, &TSpeedButton::SetLayout>("Layout", kButtonLayouts),
      props::Integer<&TSpeedButton::Margin, &TSpeedButton::SetMargin>("Margin"),
      props::Integer<&TSpeedButton::Spacing, &TSpeedButton::SetSpacing>("Spacing"),
  }, [](TComponent* owner) -> TComponent* { return new TSpeedButton(owner); }};
  return info;
}

void TSpeedButton::SetNumGlyphs(int n) {
  num_glyphs_ = n;
  Invalidate();
}

void TSpeedButton::SetFlat(bool on) {
  flat_ = on;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
  margin_ = margin;
  Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TSpeedButton::SetDown(bool on) {
  if (on == down_) return;
  down_ = on;
  Invalidate();
  if (!on || group_index_ == 0 || !Parent()) return;
  for (TControl* c : Parent()->Controls())
    if (auto* other = dynamic_cast<TSpeedButton*>(c); other && other != this && other->group_index_ == group_index_)
      other->SetDown(false);
}

void TSpeedButton::SetPressed(bool on) {
  if (on == pressed_) return;
  pressed_ = on;
  Invalidate();
}

void TSpeedButton::Released(bool inside) {
  tracking_ = false;
  SetPressed(false);
  if (!inside) return;
  if (group_index_ != 0) SetDown(!down_ || !allow_all_up_);
  Click();
}

void TSpeedButton::WndProc(TMessage& m) {
  const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  const RECT bounds{0, 0, width_, height_};
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (enabled_) {
        tracking_ = true;
        SetPressed(true);
      }
      break;
    case WM_MOUSEMOVE:
      if (tracking_) SetPressed(PtInRect(&bounds, at));
      return;
    case WM_LBUTTONUP:
      if (tracking_) Released(PtInRect(&bounds, at));
      return;
    case WM_CANCELMODE:
      tracking_ = false;
      SetPressed(false);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      hot_ = m.Msg == CM_MOUSEENTER;
      Invalidate();
      return;
  }
  TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint(HDC dc) {
  RECT r{0, 0, width_, height_};
  Brush face_brush(CreateSolidBrush(ColourToRgb(color_)));
  FillRect(dc, &r, face_brush);
  const bool sunk = pressed_ || down_;
  if (sunk) DrawEdge(dc, &r, flat_ ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
  else if (!flat_) DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
  else if (hot_ && enabled_) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  RECT face = r;
  if (sunk) OffsetRect(&face, 1, 1);
  Selection font(dc, Font()->Handle());
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawButtonFace(dc, face, {glyph_.get(), num_glyphs_, !enabled_ ? 1 : pressed_ ? 2 : down_ ? 3 : 0, caption_, layout_,
                            margin_, spacing_, enabled_});
}

}  // namespace host
