#include "host/dialogs/find_dialog.h"

#include <dlgs.h>

#include <algorithm>
#include <vector>

#include "host/app/application.h"
#include "host/controls/form.h"
#include "host/core/error.h"
#include "host/core/text.h"

namespace host {
namespace {
// The dialogs whose requests a form may be handed; a message of the same
// number with any other pointer is not ours.
std::vector<TFindDialog*>& Live() {
  static std::vector<TFindDialog*> dialogs;
  return dialogs;
}
}  // namespace

TFindDialog::TFindDialog(TComponent* owner) : TComponent(owner) { Live().push_back(this); }

TFindDialog::~TFindDialog() {
  std::erase(Live(), this);
  if (window_) {
    Application().RemoveModelessDialog(window_);
    DestroyWindow(window_);
  }
}

const ClassInfo& TFindDialog::Info() {
  static const ClassInfo info{"TFindDialog", &TComponent::Info(), {
      props::Event<&TFindDialog::SetOnFind>("OnFind"),
  }, [](TComponent* owner) -> TComponent* { return new TFindDialog(owner); }};
  return info;
}

std::string TFindDialog::Text() const { return Narrow(text_); }

void TFindDialog::SetText(const std::string& text) {
  const std::wstring wide = Widen(text).substr(0, kTextChars - 1);
  wide.copy(text_, wide.size());
  text_[wide.size()] = L'\0';
  if (window_) SetDlgItemTextW(window_, edt1, text_);
}

UINT TFindDialog::Message() {
  static const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
  return message;
}

void TFindDialog::Execute() {
  if (window_) {
    SetForegroundWindow(window_);
    return;
  }
  TForm* owner = Application().ActiveForm();
  request_ = {sizeof(request_)};
  request_.hwndOwner = owner && owner->HandleAllocated() ? owner->WindowHandle() : nullptr;
  request_.Flags = FR_DOWN;
  request_.lpstrFindWhat = text_;
  request_.wFindWhatLen = kTextChars;
  request_.lCustData = reinterpret_cast<LPARAM>(this);
  window_ = ::FindTextW(&request_);
  if (!window_) throw Error("The find dialog failed (error " + std::to_string(CommDlgExtendedError()) + ").");
  Application().AddModelessDialog(window_);
}

void TFindDialog::Notify(LPARAM lparam) {
  const auto it = std::find_if(Live().begin(), Live().end(),
                               [lparam](TFindDialog* d) { return reinterpret_cast<LPARAM>(&d->request_) == lparam; });
  if (it == Live().end()) return;
  TFindDialog* dialog = *it;
  const FINDREPLACEW* request = &dialog->request_;
  if (request->Flags & FR_DIALOGTERM) {
    Application().RemoveModelessDialog(dialog->window_);
    dialog->window_ = nullptr;
  } else if ((request->Flags & FR_FINDNEXT) && dialog->OnFind) {
    dialog->OnFind(dialog);
  }
}

}  // namespace host
