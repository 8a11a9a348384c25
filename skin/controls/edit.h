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

  // The spin button's skinner while it and its window live, else none. The
  // form skinner owns and frees it like every other, so the edit keeps only
  // the window and looks the skinner up.
  TSkinUpDown* UpDown() const;

private:
  void FindSpinButton();

  HWND spin_window_ = nullptr;
  void PrintBorder(HDC dc, const RECT& rect) const;
};

}  // namespace skin
