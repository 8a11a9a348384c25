#pragma once
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "host/core/component.h"

namespace host {

// The system's modeless Find dialog. OnFind runs for each "Find Next"; the
// dialog stays open beside its form until the user closes it.
class TFindDialog : public TComponent {
public:
  explicit TFindDialog(TComponent* owner);
  ~TFindDialog() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  std::string Text() const;
  void SetText(const std::string& text);
  // Shows the dialog owned by the active form, or brings it forward when it is open.
  void Execute();
  HWND Handle() const { return window_; }
  NotifyEvent OnFind;
  void SetOnFind(NotifyEvent e) { OnFind = std::move(e); }

  // The message the dialog sends its owner, which hands it to Notify.
  static UINT Message();
  static void Notify(LPARAM lparam);

private:
  static constexpr int kTextChars = 256;
  FINDREPLACEW request_{};
  wchar_t text_[kTextChars]{};
  HWND window_ = nullptr;
};

}  // namespace host
