#include "host/controls/progressbar.h"

#include <commctrl.h>

#include <algorithm>

namespace host {

namespace {
constexpr std::string_view kOrientationNames[] = {"pbHorizontal", "pbVertical"};
const EnumInfo kOrientations{"TProgressBarOrientation", kOrientationNames};
constexpr DWORD kOwnStyles = PBS_VERTICAL | PBS_SMOOTH;
}  // namespace

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

const ClassInfo& TProgressBar::Info() {
  static const ClassInfo info{"TProgressBar", &TWinControl::Info(), {
      props::Integer<&TProgressBar::Min, &TProgressBar::SetMin>("Min"),
      props::Integer<&TProgressBar::Max, &TProgressBar::SetMax>("Max"),
      props::Integer<&TProgressBar::Position, &TProgressBar::SetPosition>("Position"),
      props::Integer<&TProgressBar::Step, &TProgressBar::SetStep>("Step"),
      props::Enum<&TProgressBar::Orientation, &TProgressBar::SetOrientation>("Orientation", kOrientations),
      props::Boolean<&TProgressBar::Smooth, &TProgressBar::SetSmooth>("Smooth"),
  }, [](TComponent* owner) -> TComponent* { return new TProgressBar(owner); }};
  return info;
}

DWORD TProgressBar::StyleBits() const {
  return (orientation_ == pbVertical ? PBS_VERTICAL : 0) | (smooth_ ? PBS_SMOOTH : 0);
}

void TProgressBar::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = PROGRESS_CLASSW;
  p.system_class = true;
  p.style |= StyleBits();
}

void TProgressBar::HandleCreated() {
  ApplyRange();
  SendMessageW(WindowHandle(), PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
  SendMessageW(WindowHandle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::ApplyRange() {
  if (HandleAllocated()) SendMessageW(WindowHandle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TProgressBar::ApplyStyle() {
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongW(WindowHandle(), GWL_STYLE) & ~static_cast<LONG>(kOwnStyles);
  SetWindowLongW(WindowHandle(), GWL_STYLE, style | static_cast<LONG>(StyleBits()));
  InvalidateRect(WindowHandle(), nullptr, TRUE);
}

void TProgressBar::SetMin(int v) {
  min_ = v;
  ApplyRange();
}

void TProgressBar::SetMax(int v) {
  max_ = v;
  ApplyRange();
}

void TProgressBar::SetStep(int v) {
  step_ = v;
  if (HandleAllocated()) SendMessageW(WindowHandle(), PBM_SETSTEP, static_cast<WPARAM>(v), 0);
}

void TProgressBar::SetOrientation(TProgressBarOrientation o) {
  orientation_ = o;
  ApplyStyle();
}

void TProgressBar::SetSmooth(bool on) {
  smooth_ = on;
  ApplyStyle();
}

int TProgressBar::Position() const {
  return HandleAllocated() ? static_cast<int>(SendMessageW(WindowHandle(), PBM_GETPOS, 0, 0)) : position_;
}

void TProgressBar::SetPosition(int v) {
  // While loading, the range may not be read yet: keep the value as stored.
  if (!Loading()) v = std::clamp(v, min_, std::max(min_, max_));
  position_ = v;
  if (HandleAllocated()) SendMessageW(WindowHandle(), PBM_SETPOS, static_cast<WPARAM>(v), 0);
}

void TProgressBar::StepIt() {
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), PBM_STEPIT, 0, 0);
    position_ = static_cast<int>(SendMessageW(WindowHandle(), PBM_GETPOS, 0, 0));
    return;
  }
  position_ += step_;
  if (position_ > max_ && max_ > min_) position_ = min_ + (position_ - min_) % (max_ - min_);
}

}  // namespace host
