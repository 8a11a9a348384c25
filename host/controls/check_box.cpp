#include "host/controls/check_box.h"

namespace host {

namespace {
constexpr std::string_view kStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
const EnumInfo kStates{"TCheckBoxState", kStateNames};
constexpr std::string_view kAlignmentNames[] = {"taLeftJustify", "taRightJustify"};
const EnumInfo kAlignments{"TLeftRight", kAlignmentNames};
}  // namespace

// ---- TButtonControl ----

const ClassInfo& TButtonControl::Info() {
  static const ClassInfo info{"TButtonControl", &TWinControl::Info(), {
      props::Enum<&TButtonControl::Alignment, &TButtonControl::SetAlignment>("Alignment", kAlignments),
  }};
  return info;
}

void TButtonControl::SetAlignment(TLeftRight alignment) {
  alignment_ = alignment;
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongW(WindowHandle(), GWL_STYLE);
  SetWindowLongW(WindowHandle(), GWL_STYLE, alignment == taLeftJustify ? style | BS_LEFTTEXT : style & ~BS_LEFTTEXT);
  InvalidateRect(WindowHandle(), nullptr, TRUE);
}

void TButtonControl::FillButtonParams(CreateParams& p, DWORD style) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"BUTTON";
  p.system_class = true;
  p.style |= style | (alignment_ == taLeftJustify ? BS_LEFTTEXT : 0);
}

// ---- TCheckBox ----

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

const ClassInfo& TCheckBox::Info() {
  static const ClassInfo info{"TCheckBox", &TButtonControl::Info(), {
      props::Enum<&TCheckBox::State, &TCheckBox::SetState>("State", kStates),
      props::Boolean<&TCheckBox::Checked, &TCheckBox::SetChecked>("Checked"),
      props::Boolean<&TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed>("AllowGrayed"),
  }, [](TComponent* owner) -> TComponent* { return new TCheckBox(owner); }};
  return info;
}

void TCheckBox::FillCreateParams(CreateParams& p) { FillButtonParams(p, WS_TABSTOP | BS_3STATE); }

void TCheckBox::HandleCreated() { SendMessageW(WindowHandle(), BM_SETCHECK, state_, 0); }

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  if (!HandleAllocated()) return;
  SendMessageW(WindowHandle(), BM_SETCHECK, state_, 0);
  Perform(CM_CHECKCHANGED);
}

void TCheckBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
    switch (state_) {
      case cbUnchecked: SetState(allow_grayed_ ? cbGrayed : cbChecked); break;
      case cbGrayed: SetState(cbChecked); break;
      case cbChecked: SetState(cbUnchecked); break;
    }
    Click();
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TRadioButton ----

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

const ClassInfo& TRadioButton::Info() {
  static const ClassInfo info{"TRadioButton", &TButtonControl::Info(), {
      props::Boolean<&TRadioButton::Checked, &TRadioButton::SetChecked>("Checked"),
  }, [](TComponent* owner) -> TComponent* { return new TRadioButton(owner); }};
  return info;
}

void TRadioButton::FillCreateParams(CreateParams& p) { FillButtonParams(p, BS_RADIOBUTTON); }

void TRadioButton::HandleCreated() { SendMessageW(WindowHandle(), BM_SETCHECK, checked_ ? BST_CHECKED : 0, 0); }

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), BM_SETCHECK, checked ? BST_CHECKED : 0, 0);
    // The checked one of a group is the one the Tab key reaches.
    const LONG style = GetWindowLongW(WindowHandle(), GWL_STYLE);
    SetWindowLongW(WindowHandle(), GWL_STYLE, checked ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    Perform(CM_CHECKCHANGED);
  }
  if (!checked || !Parent()) return;
  for (TControl* sibling : Parent()->Controls())
    if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
}

void TRadioButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
    SetChecked(true);
    Click();
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
