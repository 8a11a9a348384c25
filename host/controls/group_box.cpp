#include "host/controls/group_box.h"

#include <algorithm>

#include "host/core/text.h"
#include "host/gdi/handles.h"

namespace host {

// ---- TCustomGroupBox ----

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

const ClassInfo& TCustomGroupBox::Info() {
  static const ClassInfo info{"TCustomGroupBox", &TWinControl::Info(), {}};
  return info;
}

const ClassInfo& TGroupBox::Info() {
  static const ClassInfo info{"TGroupBox", &TCustomGroupBox::Info(), {},
                              [](TComponent* owner) -> TComponent* { return new TGroupBox(owner); }};
  return info;
}

void TCustomGroupBox::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"TGroupBox";
  p.system_class = false;
  p.style |= WS_CLIPCHILDREN;
  p.ex_style |= WS_EX_CONTROLPARENT;
}

void TCustomGroupBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      TWinControl::WndProc(m);
      Invalidate();
      return;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(WindowHandle(), &r);
      const Brush brush(CreateSolidBrush(ColourToRgb(color_)));
      FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush);
      m.Result = 1;
      return;
    }
  }
  TWinControl::WndProc(m);
}

void TCustomGroupBox::PaintWindow(HDC dc) {
  RECT r;
  GetClientRect(WindowHandle(), &r);
  const Selection font(dc, Font()->Handle());
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  RECT frame{r.left, r.top + zero.cy / 2, r.right, r.bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (caption_.empty()) return;
  const std::wstring text = Widen(caption_);
  RECT label{r.left + 8, r.top, r.right - 8, r.top + zero.cy};
  SetBkColor(dc, ColourToRgb(color_));
  SetBkMode(dc, OPAQUE);
  SetTextColor(dc, ColourToRgb(enabled_ ? Font()->Color() : SystemColour(COLOR_GRAYTEXT)));
  DrawTextW(dc, text.c_str(), -1, &label, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

RECT TCustomGroupBox::InnerRect() const {
  const int caption = std::abs(Font()->Height()) + 6;
  return {8, caption, std::max(8, width_ - 8), std::max(caption, height_ - 6)};
}

// ---- TRadioGroup ----

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {}

const ClassInfo& TRadioGroup::Info() {
  static const ClassInfo info{"TRadioGroup", &TCustomGroupBox::Info(), {
      props::Strings<&TRadioGroup::Items, &TRadioGroup::SetItems>("Items"),
      props::Integer<&TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex>("ItemIndex"),
      props::Integer<&TRadioGroup::Columns, &TRadioGroup::SetColumns>("Columns"),
  }, [](TComponent* owner) -> TComponent* { return new TRadioGroup(owner); }};
  return info;
}

void TRadioGroup::SetItems(const StringList& items) {
  items_ = items;
  MakeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
  item_index_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    buttons_[i]->SetChecked(static_cast<int>(i) == item_index_);
}

void TRadioGroup::SetColumns(int columns) {
  columns_ = std::clamp(columns, 1, 16);
  ArrangeButtons();
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
  TCustomGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

void TRadioGroup::MakeButtons() {
  for (TRadioButton* button : buttons_) delete button;
  buttons_.clear();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    auto* button = new TRadioButton(this);
    button->SetCaption(items_[i]);
    button->SetParent(this);
    button->SetChecked(static_cast<int>(i) == item_index_);
    button->OnClick = [this, i](TComponent*) {
      item_index_ = static_cast<int>(i);
      Click();
    };
    buttons_.push_back(button);
  }
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const RECT inner = InnerRect();
  const int count = static_cast<int>(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int column_width = static_cast<int>(inner.right - inner.left) / columns_;
  const int row_height = std::max<int>(1, (inner.bottom - inner.top) / rows);
  for (int i = 0; i < count; ++i)
    buttons_[static_cast<std::size_t>(i)]->SetBounds(inner.left + (i / rows) * column_width,
                                                     inner.top + (i % rows) * row_height + (row_height - 17) / 2,
                                                     column_width - 4, 17);
}

}  // namespace host
