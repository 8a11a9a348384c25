#include "host/controls/listbox.h"

#include "host/core/error.h"
#include "host/core/text.h"

namespace host {

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 97);
  color_ = clWindow;
}

const ClassInfo& TListBox::Info() {
  static const ClassInfo info{"TListBox", &TWinControl::Info(), {
      props::Integer<&TListBox::ItemHeight, &TListBox::SetItemHeight>("ItemHeight"),
      props::Strings<&TListBox::Items, &TListBox::SetItems>("Items"),
  }, [](TComponent* owner) -> TComponent* { return new TListBox(owner); }};
  return info;
}

void TListBox::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"LISTBOX";
  p.system_class = true;
  p.style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  p.ex_style |= WS_EX_CLIENTEDGE;
}

void TListBox::HandleCreated() {
  SendMessageW(WindowHandle(), LB_SETITEMHEIGHT, 0, item_height_);
  for (const std::string& s : pending_) SendMessageW(WindowHandle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(s).c_str()));
  pending_.clear();
  SendMessageW(WindowHandle(), LB_SETCURSEL, static_cast<WPARAM>(pending_index_), 0);
}

void TListBox::SetItemHeight(int height) {
  item_height_ = height;
  if (HandleAllocated()) SendMessageW(WindowHandle(), LB_SETITEMHEIGHT, 0, height);
}

int TListBox::Count() const {
  return HandleAllocated() ? static_cast<int>(SendMessageW(WindowHandle(), LB_GETCOUNT, 0, 0))
                           : static_cast<int>(pending_.size());
}

std::string TListBox::Item(int index) const {
  if (!HandleAllocated()) return pending_.at(static_cast<size_t>(index));
  const LRESULT len = SendMessageW(WindowHandle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (len == LB_ERR) throw Error("List index out of bounds (" + std::to_string(index) + ")");
  std::wstring text(static_cast<size_t>(len) + 1, L'\0');
  SendMessageW(WindowHandle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(len));
  return Narrow(text);
}

StringList TListBox::Items() const {
  StringList items;
  for (int i = 0, n = Count(); i < n; ++i) items.push_back(Item(i));
  return items;
}

void TListBox::SetItems(const StringList& items) {
  Clear();
  for (const std::string& s : items) Add(s);
}

void TListBox::Add(const std::string& text) {
  if (!HandleAllocated()) {
    pending_.push_back(text);
    return;
  }
  const LRESULT r = SendMessageW(WindowHandle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
  if (r == LB_ERR || r == LB_ERRSPACE) throw Error("The list cannot take another item.");
}

void TListBox::Delete(int index) {
  if (!HandleAllocated()) {
    if (index >= 0 && static_cast<size_t>(index) < pending_.size()) pending_.erase(pending_.begin() + index);
    return;
  }
  SendMessageW(WindowHandle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TListBox::Clear() {
  pending_.clear();
  if (HandleAllocated()) SendMessageW(WindowHandle(), LB_RESETCONTENT, 0, 0);
}

int TListBox::ItemIndex() const {
  return HandleAllocated() ? static_cast<int>(SendMessageW(WindowHandle(), LB_GETCURSEL, 0, 0)) : pending_index_;
}

void TListBox::SetItemIndex(int index) {
  pending_index_ = index;
  if (HandleAllocated()) SendMessageW(WindowHandle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace host
