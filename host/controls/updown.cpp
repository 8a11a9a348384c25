#include "host/controls/updown.h"

#include <commctrl.h>

namespace host {

namespace {
constexpr std::string_view kOrientationNames[] = {"udHorizontal", "udVertical"};
const EnumInfo kOrientations{"TUDOrientation", kOrientationNames};
}  // namespace

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 17, 21); }

const ClassInfo& TUpDown::Info() {
  static const ClassInfo info{"TUpDown", &TWinControl::Info(), {
      props::Integer<&TUpDown::Min, &TUpDown::SetMin>("Min"),
      props::Integer<&TUpDown::Max, &TUpDown::SetMax>("Max"),
      props::Integer<&TUpDown::Position, &TUpDown::SetPosition>("Position"),
      props::Enum<&TUpDown::Orientation, &TUpDown::SetOrientation>("Orientation", kOrientations),
      props::Text<&TUpDown::AssociateName, &TUpDown::SetAssociateName>("Associate"),
  }, [](TComponent* owner) -> TComponent* { return new TUpDown(owner); }};
  return info;
}

void TUpDown::Loaded() {
  TWinControl::Loaded();
  if (!associate_name_.empty() && Owner())
    SetAssociate(dynamic_cast<TWinControl*>(Owner()->FindComponent(associate_name_)));
}

void TUpDown::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = UPDOWN_CLASSW;
  p.system_class = true;
  p.style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | (orientation_ == udHorizontal ? UDS_HORZ : 0) |
             (associate_ ? UDS_ALIGNRIGHT : 0);
}

void TUpDown::HandleCreated() {
  SendMessageW(WindowHandle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  if (associate_) SendMessageW(WindowHandle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  SendMessageW(WindowHandle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetMin(int v) {
  min_ = v;
  if (HandleAllocated()) SendMessageW(WindowHandle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TUpDown::SetMax(int v) {
  max_ = v;
  if (HandleAllocated()) SendMessageW(WindowHandle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

int TUpDown::Position() const {
  return HandleAllocated() ? static_cast<int>(SendMessageW(WindowHandle(), UDM_GETPOS32, 0, 0)) : position_;
}

void TUpDown::SetPosition(int v) {
  position_ = v;
  if (HandleAllocated()) SendMessageW(WindowHandle(), UDM_SETPOS32, 0, v);
}

void TUpDown::SetAssociate(TWinControl* control) {
  associate_ = control;
  associate_name_ = control ? control->Name() : std::string();
  if (HandleAllocated())
    SendMessageW(WindowHandle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(control ? control->Handle() : nullptr), 0);
}

// Each step the arrows take ends in SB_THUMBPOSITION: the click event.
void TUpDown::WndProc(TMessage& m) {
  if ((m.Msg == CN_VSCROLL || m.Msg == CN_HSCROLL) && LOWORD(m.WParam) == SB_THUMBPOSITION) {
    Click();
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
