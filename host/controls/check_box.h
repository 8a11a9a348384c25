#pragma once
#include "host/controls/control.h"

namespace host {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
// Where the caption stands: taRightJustify puts it right of the box.
enum TLeftRight { taLeftJustify, taRightJustify };

// The system check box. The control keeps its state itself (the window is a
// plain three-state button), so that a click can skip the grey state unless
// AllowGrayed lets the user choose it.
class TCheckBox : public TWinControl {
public:
  explicit TCheckBox(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool on) { allow_grayed_ = on; }
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight alignment);

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  TCheckBoxState state_ = cbUnchecked;
  bool allow_grayed_ = false;
  TLeftRight alignment_ = taRightJustify;
};

// The system radio button; checking one unchecks the radio buttons beside it
// (those of the same parent).
class TRadioButton : public TWinControl {
public:
  explicit TRadioButton(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight alignment);

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  bool checked_ = false;
  TLeftRight alignment_ = taRightJustify;
};

}  // namespace host
