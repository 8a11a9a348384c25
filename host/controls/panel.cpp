#include "host/controls/panel.h"

#include "host/core/text.h"
#include "host/gdi/handles.h"

namespace host {

namespace {
constexpr std::string_view kBevelNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
const EnumInfo kBevels{"TPanelBevel", kBevelNames};
}  // namespace

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

const ClassInfo& TCustomPanel::Info() {
  static const ClassInfo info{"TCustomPanel", &TWinControl::Info(), {
      props::Enum<&TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter>("BevelOuter", kBevels),
      props::Boolean<&TCustomPanel::ParentBackground, &TCustomPanel::SetParentBackground>("ParentBackground"),
      props::Boolean<&TCustomPanel::Transparent, &TCustomPanel::SetTransparent>("Transparent"),
  }};
  return info;
}

const ClassInfo& TPanel::Info() {
  static const ClassInfo info{"TPanel", &TCustomPanel::Info(), {},
                              [](TComponent* owner) -> TComponent* { return new TPanel(owner); }};
  return info;
}

void TCustomPanel::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"TPanel";
  p.system_class = false;
  p.style |= WS_CLIPCHILDREN;
  p.ex_style |= WS_EX_CONTROLPARENT | (transparent_ ? WS_EX_TRANSPARENT : 0);
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
  bevel_outer_ = bevel;
  Invalidate();
}

void TCustomPanel::SetParentBackground(bool on) {
  parent_background_ = on;
  Invalidate();
}

void TCustomPanel::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

void TCustomPanel::WndProc(TMessage& m) {
  if (m.Msg == WM_SETTEXT) {
    TWinControl::WndProc(m);
    Invalidate();
    return;
  }
  if (m.Msg == WM_ERASEBKGND) {
    if (!transparent_) {
      RECT r;
      GetClientRect(WindowHandle(), &r);
      const TColor colour = parent_background_ && Parent() ? Parent()->Color() : color_;
      Brush brush(CreateSolidBrush(ColourToRgb(colour)));
      FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush);
    }
    m.Result = 1;
    return;
  }
  TWinControl::WndProc(m);
}

void TCustomPanel::PaintWindow(HDC dc) {
  RECT r;
  GetClientRect(WindowHandle(), &r);
  if (bevel_outer_ == bvLowered || bevel_outer_ == bvRaised)
    DrawEdge(dc, &r, bevel_outer_ == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
  if (caption_.empty()) return;
  const std::wstring text = Widen(caption_);
  Selection font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourToRgb(Font()->Color()));
  DrawTextW(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace host
