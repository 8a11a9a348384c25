#include "host/controls/edit.h"

namespace host {

namespace {
constexpr std::string_view kBorderStyleNames[] = {"bsNone", "bsSingle"};
}  // namespace
const EnumInfo kBorderStyles{"TBorderStyle", kBorderStyleNames};

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  color_ = clWindow;
}

const ClassInfo& TCustomEdit::Info() {
  static const ClassInfo info{"TCustomEdit", &TWinControl::Info(), {
      props::Enum<&TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle>("BorderStyle", kBorderStyles),
      props::Boolean<&TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly"),
      props::Text<&TCustomEdit::Text, &TCustomEdit::SetText>("Text"),
  }};
  return info;
}

const ClassInfo& TEdit::Info() {
  static const ClassInfo info{"TEdit", &TCustomEdit::Info(), {},
                              [](TComponent* owner) -> TComponent* { return new TEdit(owner); }};
  return info;
}

void TCustomEdit::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"EDIT";
  p.system_class = true;
  p.style |= WS_TABSTOP | ES_AUTOHSCROLL | (read_only_ ? ES_READONLY : 0);
  if (border_style_ == bsSingle) p.ex_style |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
  border_style_ = style;
  if (!HandleAllocated()) return;
  const LONG ex = GetWindowLongW(WindowHandle(), GWL_EXSTYLE);
  SetWindowLongW(WindowHandle(), GWL_EXSTYLE, style == bsSingle ? ex | WS_EX_CLIENTEDGE : ex & ~WS_EX_CLIENTEDGE);
  SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomEdit::SetReadOnly(bool on) {
  read_only_ = on;
  if (HandleAllocated()) SendMessageW(WindowHandle(), EM_SETREADONLY, on, 0);
}

}  // namespace host
