#include "host/controls/spin_edit.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>

#include "host/core/error.h"

namespace host {

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
  SetBounds(0, 0, 121, 22);
  caption_ = "0";
}

const ClassInfo& TSpinEdit::Info() {
  static const ClassInfo info{"TSpinEdit", &TCustomEdit::Info(), {
      props::Integer<&TSpinEdit::MinValue, &TSpinEdit::SetMinValue>("MinValue"),
      props::Integer<&TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue>("MaxValue"),
      props::Integer<&TSpinEdit::Increment, &TSpinEdit::SetIncrement>("Increment"),
      props::Integer<&TSpinEdit::Value, &TSpinEdit::SetValue>("Value"),
  }, [](TComponent* owner) -> TComponent* { return new TSpinEdit(owner); }};
  return info;
}

void TSpinEdit::FillCreateParams(CreateParams& p) {
  TCustomEdit::FillCreateParams(p);
  p.style |= WS_CLIPCHILDREN;
}

void TSpinEdit::HandleCreated() {
  updown_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                            WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0,
                            WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!updown_) throw Error("Cannot create the spin edit's up-down: " + SystemErrorText(GetLastError()));
  SendMessageW(updown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(WindowHandle()), 0);
  ApplyRange();
  SendMessageW(updown_, UDM_SETPOS32, 0, Value());
  PlaceUpDown();
}

// The up-down fills the right end of the edit's client area; the text keeps clear of it.
void TSpinEdit::PlaceUpDown() {
  if (!updown_) return;
  RECT r;
  GetClientRect(WindowHandle(), &r);
  const int w = std::min(GetSystemMetrics(SM_CXVSCROLL), static_cast<int>(r.right));
  SetWindowPos(updown_, nullptr, r.right - w, 0, w, r.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(WindowHandle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, w + 1));
}

void TSpinEdit::ApplyRange() {
  if (!updown_) return;
  SendMessageW(updown_, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  UDACCEL accel{0, static_cast<UINT>(std::max(increment_, 1))};
  SendMessageW(updown_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TSpinEdit::SetMinValue(int v) {
  min_ = v;
  ApplyRange();
}

void TSpinEdit::SetMaxValue(int v) {
  max_ = v;
  ApplyRange();
}

void TSpinEdit::SetIncrement(int v) {
  increment_ = v;
  ApplyRange();
}

int TSpinEdit::Value() const {
  const std::string text = Text();
  const size_t start = text.find_first_not_of(' ');
  int v = min_;
  if (start != std::string::npos) std::from_chars(text.data() + start, text.data() + text.size(), v);
  return max_ >= min_ ? std::clamp(v, min_, max_) : v;
}

void TSpinEdit::SetValue(int v) {
  if (max_ >= min_) v = std::clamp(v, min_, max_);
  SetText(std::to_string(v));
  if (updown_) SendMessageW(updown_, UDM_SETPOS32, 0, v);
}

void TSpinEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(m.LParam) == updown_ && updown_) {
        m.Result = 0;  // the up-down has written the new number already
        return;
      }
      break;
    case WM_SIZE:
      TCustomEdit::WndProc(m);
      PlaceUpDown();
      return;
    case WM_NCDESTROY:
      updown_ = nullptr;
      break;
  }
  TCustomEdit::WndProc(m);
}

}  // namespace host
