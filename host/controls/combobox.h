#pragma once
#include "host/controls/control.h"

namespace host {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// The system combo box. Like the list box, its items live in the window once
// it exists and are kept here until then.
class TComboBox : public TWinControl {
public:
  explicit TComboBox(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style) { style_ = style; }
  StringList Items() const;
  void SetItems(const StringList& items);
  int ItemIndex() const;  // -1 when nothing is selected
  void SetItemIndex(int index);
  std::string Text() const { return WindowText(); }
  void SetText(std::string text) { SetCaption(std::move(text)); }

  NotifyEvent OnChange;
  void SetOnChange(NotifyEvent e) { OnChange = std::move(e); }

  // A drop-down style's window also spans its closed list.
  void SetBounds(int left, int top, int width, int height) override;

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  int ListHeight() const { return style_ == csSimple ? 0 : 8 * 16 + 2; }

  TComboBoxStyle style_ = csDropDown;
  StringList pending_;
  int pending_index_ = -1;
};

}  // namespace host
