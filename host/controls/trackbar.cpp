#include "host/controls/trackbar.h"

#include <commctrl.h>

#include <algorithm>

namespace host {

namespace {
constexpr std::string_view kOrientationNames[] = {"trHorizontal", "trVertical"};
const EnumInfo kOrientations{"TTrackBarOrientation", kOrientationNames};
constexpr std::string_view kTickStyleNames[] = {"tsNone", "tsAuto", "tsManual"};
const EnumInfo kTickStyles{"TTickStyle", kTickStyleNames};
constexpr std::string_view kTickMarkNames[] = {"tmBottomRight", "tmTopLeft", "tmBoth"};
const EnumInfo kTickMarks{"TTickMark", kTickMarkNames};

// The style bits this control owns; the rest belong to the window.
constexpr DWORD kOwnStyles = TBS_VERT | TBS_TOP | TBS_BOTH | TBS_NOTICKS | TBS_AUTOTICKS;
}  // namespace

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 45); }

const ClassInfo& TTrackBar::Info() {
  static const ClassInfo info{"TTrackBar", &TWinControl::Info(), {
      props::Enum<&TTrackBar::Orientation, &TTrackBar::SetOrientation>("Orientation", kOrientations),
      props::Integer<&TTrackBar::Min, &TTrackBar::SetMin>("Min"),
      props::Integer<&TTrackBar::Max, &TTrackBar::SetMax>("Max"),
      props::Integer<&TTrackBar::Position, &TTrackBar::SetPosition>("Position"),
      props::Integer<&TTrackBar::Frequency, &TTrackBar::SetFrequency>("Frequency"),
      props::Integer<&TTrackBar::PageSize, &TTrackBar::SetPageSize>("PageSize"),
      props::Integer<&TTrackBar::LineSize, &TTrackBar::SetLineSize>("LineSize"),
      props::Enum<&TTrackBar::TickStyle, &TTrackBar::SetTickStyle>("TickStyle", kTickStyles),
      props::Enum<&TTrackBar::TickMarks, &TTrackBar::SetTickMarks>("TickMarks", kTickMarks),
      props::Event<&TTrackBar::SetOnChange>("OnChange"),
  }, [](TComponent* owner) -> TComponent* { return new TTrackBar(owner); }};
  return info;
}

DWORD TTrackBar::StyleBits() const {
  DWORD style = orientation_ == trVertical ? TBS_VERT : TBS_HORZ;
  switch (tick_style_) {
    case tsNone: style |= TBS_NOTICKS; break;
    case tsAuto: style |= TBS_AUTOTICKS; break;
    case tsManual: break;
  }
  if (tick_marks_ == tmTopLeft) style |= TBS_TOP;
  if (tick_marks_ == tmBoth) style |= TBS_BOTH;
  return style;
}

void TTrackBar::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = TRACKBAR_CLASSW;
  p.system_class = true;
  p.style |= WS_TABSTOP | StyleBits();
}

void TTrackBar::HandleCreated() {
  ApplyRange();
  SendMessageW(WindowHandle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::ApplyRange() {
  if (!HandleAllocated()) return;
  HWND w = WindowHandle();
  SendMessageW(w, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(w, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(w, TBM_SETPAGESIZE, 0, page_size_);
  SendMessageW(w, TBM_SETLINESIZE, 0, line_size_);
  SendMessageW(w, TBM_SETTICFREQ, static_cast<WPARAM>(std::max(frequency_, 1)), 0);
  InvalidateRect(w, nullptr, TRUE);
}

void TTrackBar::ApplyStyle() {
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongW(WindowHandle(), GWL_STYLE) & ~static_cast<LONG>(kOwnStyles);
  SetWindowLongW(WindowHandle(), GWL_STYLE, style | static_cast<LONG>(StyleBits()));
  ApplyRange();
}

void TTrackBar::SetOrientation(TTrackBarOrientation o) {
  orientation_ = o;
  ApplyStyle();
}

void TTrackBar::SetTickStyle(TTickStyle s) {
  tick_style_ = s;
  ApplyStyle();
}

void TTrackBar::SetTickMarks(TTickMark m) {
  tick_marks_ = m;
  ApplyStyle();
}

void TTrackBar::SetMin(int v) {
  min_ = v;
  ApplyRange();
}

void TTrackBar::SetMax(int v) {
  max_ = v;
  ApplyRange();
}

void TTrackBar::SetFrequency(int v) {
  frequency_ = v;
  ApplyRange();
}

void TTrackBar::SetPageSize(int v) {
  page_size_ = v;
  ApplyRange();
}

void TTrackBar::SetLineSize(int v) {
  line_size_ = v;
  ApplyRange();
}

int TTrackBar::Position() const {
  return HandleAllocated() ? static_cast<int>(SendMessageW(WindowHandle(), TBM_GETPOS, 0, 0)) : position_;
}

void TTrackBar::SetPosition(int v) {
  // While loading, the range may not be read yet: keep the value as stored.
  if (!Loading()) v = std::clamp(v, min_, std::max(min_, max_));
  if (HandleAllocated()) SendMessageW(WindowHandle(), TBM_SETPOS, TRUE, v);
  if (v == position_) return;
  position_ = v;
  if (OnChange && !Loading()) OnChange(this);
}

// The user moved the thumb, by key or mouse.
void TTrackBar::Moved() {
  const int now = static_cast<int>(SendMessageW(WindowHandle(), TBM_GETPOS, 0, 0));
  if (now == position_) return;
  position_ = now;
  if (OnChange) OnChange(this);
}

void TTrackBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    Moved();
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
