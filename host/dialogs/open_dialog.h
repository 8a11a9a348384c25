#pragma once
#include <string>
#include <vector>

#include "host/core/component.h"

namespace host {

enum TOpenOption : std::uint32_t {
  ofReadOnly = 1u << 0, ofOverwritePrompt = 1u << 1, ofHideReadOnly = 1u << 2, ofNoChangeDir = 1u << 3,
  ofShowHelp = 1u << 4, ofNoValidate = 1u << 5, ofAllowMultiSelect = 1u << 6, ofExtensionDifferent = 1u << 7,
  ofPathMustExist = 1u << 8, ofFileMustExist = 1u << 9, ofCreatePrompt = 1u << 10, ofShareAware = 1u << 11,
  ofNoReadOnlyReturn = 1u << 12, ofNoTestFileCreate = 1u << 13, ofNoNetworkButton = 1u << 14,
  ofNoLongNames = 1u << 15, ofOldStyleDialog = 1u << 16, ofNoDereferenceLinks = 1u << 17,
  ofEnableIncludeNotify = 1u << 18, ofEnableSizing = 1u << 19,
};

// The system's file-open dialog. Filter is "description|pattern|description|pattern...".
class TOpenDialog : public TComponent {
public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  const std::string& Filter() const { return filter_; }
  void SetFilter(std::string filter) { filter_ = std::move(filter); }
  std::uint32_t Options() const { return options_; }
  void SetOptions(std::uint32_t options) { options_ = options; }
  const std::string& InitialDir() const { return initial_dir_; }
  void SetInitialDir(std::string dir) { initial_dir_ = std::move(dir); }

  // Shows the dialog; true when the user confirmed. Files then holds every
  // chosen file, full paths, in the order the dialog gave them.
  bool Execute();
  const std::vector<std::string>& Files() const { return files_; }

private:
  std::string title_, filter_, initial_dir_;
  std::uint32_t options_ = ofHideReadOnly | ofEnableSizing;
  std::vector<std::string> files_;
};

// Splits what the dialog returns: one full path, or a folder followed by names,
// each ended by a NUL, the whole ended by a second NUL.
std::vector<std::wstring> SplitDialogFiles(const std::wstring& buffer);

}  // namespace host
