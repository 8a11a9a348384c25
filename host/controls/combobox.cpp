#include "host/controls/combobox.h"

#include "host/core/error.h"
#include "host/core/text.h"

namespace host {

namespace {
constexpr std::string_view kStyleNames[] = {"csDropDown", "csSimple", "csDropDownList"};
const EnumInfo kStyles{"TComboBoxStyle", kStyleNames};
}  // namespace

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 145, 21);
  color_ = clWindow;
}

const ClassInfo& TComboBox::Info() {
  static const ClassInfo info{"TComboBox", &TWinControl::Info(), {
      props::Enum<&TComboBox::Style, &TComboBox::SetStyle>("Style", kStyles),
      props::Strings<&TComboBox::Items, &TComboBox::SetItems>("Items"),
      props::Integer<&TComboBox::ItemIndex, &TComboBox::SetItemIndex>("ItemIndex"),
      props::Text<&TComboBox::Text, &TComboBox::SetText>("Text"),
      props::Event<&TComboBox::SetOnChange>("OnChange"),
  }, [](TComponent* owner) -> TComponent* { return new TComboBox(owner); }};
  return info;
}

void TComboBox::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"COMBOBOX";
  p.system_class = true;
  static constexpr DWORD kStyleBits[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  p.style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | kStyleBits[style_];
  p.height += ListHeight();
}

void TComboBox::HandleCreated() {
  for (const std::string& s : pending_)
    SendMessageW(WindowHandle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(s).c_str()));
  pending_.clear();
  if (pending_index_ >= 0) SendMessageW(WindowHandle(), CB_SETCURSEL, static_cast<WPARAM>(pending_index_), 0);
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (HandleAllocated())
    SetWindowPos(WindowHandle(), nullptr, left, top, width, height + ListHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

StringList TComboBox::Items() const {
  if (!HandleAllocated()) return pending_;
  StringList items;
  for (int i = 0, n = static_cast<int>(SendMessageW(WindowHandle(), CB_GETCOUNT, 0, 0)); i < n; ++i) {
    const LRESULT len = SendMessageW(WindowHandle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    SendMessageW(WindowHandle(), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(len));
    items.push_back(Narrow(text));
  }
  return items;
}

void TComboBox::SetItems(const StringList& items) {
  if (!HandleAllocated()) {
    pending_ = items;
    return;
  }
  SendMessageW(WindowHandle(), CB_RESETCONTENT, 0, 0);
  for (const std::string& s : items) {
    const LRESULT r = SendMessageW(WindowHandle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(s).c_str()));
    if (r == CB_ERR || r == CB_ERRSPACE) throw Error("The combo box cannot take another item.");
  }
}

int TComboBox::ItemIndex() const {
  return HandleAllocated() ? static_cast<int>(SendMessageW(WindowHandle(), CB_GETCURSEL, 0, 0)) : pending_index_;
}

void TComboBox::SetItemIndex(int index) {
  pending_index_ = index;
  if (HandleAllocated()) SendMessageW(WindowHandle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && (HIWORD(m.WParam) == CBN_SELCHANGE || HIWORD(m.WParam) == CBN_EDITCHANGE)) {
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
