#pragma once
#include "host/controls/edit.h"

namespace host {

// An edit for a whole number with an up-down inside it: the up-down is a
// child window of the edit ("msctls_updown32") and steps the edit's number
// between MinValue and MaxValue by Increment.
class TSpinEdit : public TCustomEdit {
public:
  explicit TSpinEdit(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  int MinValue() const { return min_; }
  void SetMinValue(int v);
  int MaxValue() const { return max_; }
  void SetMaxValue(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v);
  // The number in the edit, kept within the range; MinValue when there is none.
  int Value() const;
  void SetValue(int v);
  HWND UpDownHandle() const { return updown_; }

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  void PlaceUpDown();
  void ApplyRange();

  int min_ = 0, max_ = 100, increment_ = 1;
  HWND updown_ = nullptr;  // a child of the edit: goes with its window
};

}  // namespace host
