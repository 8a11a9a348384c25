#pragma once
// The old-style tab set: a row of tabs hanging from its top edge, the
// selected one raised and joined to the page above. Tabs from FirstIndex on
// are laid out from StartMargin; one that does not fit before EndMargin is
// left out. A click on a tab selects it and tells OnChange.
#include <optional>
#include <vector>

#include "host/controls/control.h"

namespace host {

class TTabSet : public TWinControl {
public:
  explicit TTabSet(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  const StringList& Tabs() const { return tabs_; }
  void SetTabs(const StringList& tabs);
  // -1 when no tab is selected.
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int index);
  int FirstIndex() const { return first_index_; }
  void SetFirstIndex(int index);
  int StartMargin() const { return start_margin_; }
  void SetStartMargin(int margin);
  int EndMargin() const { return end_margin_; }
  void SetEndMargin(int margin);

  NotifyEvent OnChange;
  void SetOnChange(NotifyEvent e) { OnChange = std::move(e); }

  // Where a tab lies in the client area; nothing for a tab not shown.
  std::optional<RECT> TabRect(int index);
  // The tab shown at a client point, or -1.
  int ItemAtPos(POINT p);

  // Room around a tab's text, in pixels.
  static constexpr int kTabPadding = 9;

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(TMessage& msg) override;
  void PaintWindow(HDC dc) override;

private:
  struct Shown {
    int index;
    RECT rect;
  };
  std::vector<Shown> Layout(HDC dc);
  std::vector<Shown> Layout();

  StringList tabs_;
  int tab_index_ = -1;
  int first_index_ = 0;
  int start_margin_ = 5;
  int end_margin_ = 15;
};

}  // namespace host
