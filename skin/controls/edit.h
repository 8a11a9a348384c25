#pragma once
// Edits: a skinned border painted after the edit's own painting, and the
// spin button of a spin edit, found among the edit's children.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void AfterMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

  // The spin button's skinner; the form skinner owns it like every other.
  TSkinUpDown* UpDown = nullptr;

private:
  void FindSpinButton();
  void PrintBorder(HDC dc, const RECT& rect) const;
};

}  // namespace skin
