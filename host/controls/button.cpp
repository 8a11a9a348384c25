#include "host/controls/button.h"

namespace host {

TButton::TButton(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 75, 25); }

const ClassInfo& TButton::Info() {
  static const ClassInfo info{"TButton", &TWinControl::Info(), {
      props::Boolean<&TButton::Default, &TButton::SetDefault>("Default"),
  }, [](TComponent* owner) -> TComponent* { return new TButton(owner); }};
  return info;
}

void TButton::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"BUTTON";
  p.system_class = true;
  p.style |= WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
