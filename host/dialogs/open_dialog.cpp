#include "host/dialogs/open_dialog.h"

#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

#include "host/app/application.h"
#include "host/controls/form.h"
#include "host/core/error.h"
#include "host/core/text.h"

namespace host {
namespace {
constexpr std::string_view kOptionNames[] = {
    "ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
    "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt",
    "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
    "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing"};
const EnumInfo kOptions{"TOpenOptions", kOptionNames};

// Large enough for thousands of chosen files; the dialog reports a smaller buffer as an error.
constexpr size_t kBufferChars = 1 << 18;
}  // namespace

const ClassInfo& TOpenDialog::Info() {
  static const ClassInfo info{"TOpenDialog", &TComponent::Info(), {
      props::Text<&TOpenDialog::Title, &TOpenDialog::SetTitle>("Title"),
      props::Text<&TOpenDialog::Filter, &TOpenDialog::SetFilter>("Filter"),
      props::Set<&TOpenDialog::Options, &TOpenDialog::SetOptions>("Options", kOptions),
      props::Text<&TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir>("InitialDir"),
  }, [](TComponent* owner) -> TComponent* { return new TOpenDialog(owner); }};
  return info;
}

std::vector<std::wstring> SplitDialogFiles(const std::wstring& buffer) {
  std::vector<std::wstring> parts;
  for (size_t pos = 0; pos < buffer.size() && buffer[pos] != L'\0';) {
    const size_t end = buffer.find(L'\0', pos);
    parts.push_back(buffer.substr(pos, end - pos));
    if (end == std::wstring::npos) break;
    pos = end + 1;
  }
  if (parts.size() <= 1) return parts;
  std::wstring folder = parts.front();
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> files;
  for (size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
  return files;
}

bool TOpenDialog::Execute() {
  std::wstring filter = Widen(filter_);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter += L'\0';
  const std::wstring title = Widen(title_), dir = Widen(initial_dir_);
  std::wstring buffer(kBufferChars, L'\0');

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  TForm* owner = Application().ActiveForm();
  ofn.hwndOwner = owner && owner->HandleAllocated() ? owner->WindowHandle() : nullptr;
  ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrTitle = title_.empty() ? nullptr : title.c_str();
  ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
  ofn.Flags = OFN_EXPLORER;
  const std::pair<std::uint32_t, DWORD> kFlags[] = {
      {ofReadOnly, OFN_READONLY},           {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
      {ofHideReadOnly, OFN_HIDEREADONLY},   {ofNoChangeDir, OFN_NOCHANGEDIR},
      {ofShowHelp, OFN_SHOWHELP},           {ofNoValidate, OFN_NOVALIDATE},
      {ofAllowMultiSelect, OFN_ALLOWMULTISELECT}, {ofPathMustExist, OFN_PATHMUSTEXIST},
      {ofFileMustExist, OFN_FILEMUSTEXIST}, {ofCreatePrompt, OFN_CREATEPROMPT},
      {ofShareAware, OFN_SHAREAWARE},       {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
      {ofNoTestFileCreate, OFN_NOTESTFILECREATE}, {ofNoNetworkButton, OFN_NONETWORKBUTTON},
      {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS}, {ofEnableSizing, OFN_ENABLESIZING},
  };
  for (const auto& [option, flag] : kFlags)
    if (options_ & option) ofn.Flags |= flag;

  files_.clear();
  if (!GetOpenFileNameW(&ofn)) {
    if (const DWORD err = CommDlgExtendedError(); err == FNERR_BUFFERTOOSMALL)
      throw Error("Too many files were chosen at once; choose fewer.");
    else if (err != 0)
      throw Error("The open dialog failed (error " + std::to_string(err) + ").");
    return false;
  }
  for (const std::wstring& f : SplitDialogFiles(buffer)) files_.push_back(Narrow(f));
  return true;
}

}  // namespace host
