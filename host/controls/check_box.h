#pragma once
#include "host/controls/control.h"

namespace host {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
// Where the caption stands: taRightJustify puts it right of the box.
enum TLeftRight { taLeftJustify, taRightJustify };

// What check boxes and radio buttons share: a system button whose caption
// stands right of its box, or left of it.
class TButtonControl : public TWinControl {
public:
  using TWinControl::TWinControl;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight alignment);

protected:
  // The system's button class with the style, and the caption's side.
  void FillButtonParams(CreateParams& params, DWORD style);

private:
  TLeftRight alignment_ = taRightJustify;
};

// The system check box. The control keeps its state itself (the window is a
// plain three-state button), so that a click can skip the grey state unless
// AllowGrayed lets the user choose it.
class TCheckBox : public TButtonControl {
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

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  TCheckBoxState state_ = cbUnchecked;
  bool allow_grayed_ = false;
};

// The system radio button; checking one unchecks the radio buttons beside it
// (those of the same parent).
class TRadioButton : public TButtonControl {
public:
  explicit TRadioButton(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  bool checked_ = false;
};

}  // namespace host
