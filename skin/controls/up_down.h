#pragma once
// Spin buttons drawn from the skin's UpDown.Vert or UpDown.Horz strip (frames
// 1-4 the first button, 5-8 the second), or plainly in the skin's colours.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinUpDown : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

  // The spin button of an edit: kept inside the edit's skinned border.
  bool InEdit = false;
  bool Horizontal = false;

private:
  void PaintClient(HDC dc);
};

// The spin skinner the form skinner holds for the window while both live, else none.
TSkinUpDown* FindUpDownSkinner(const TSkinForm* form, HWND window);

// A small filled arrow centred on (x, y): kind 0 up, 1 down, 2 left, 3 right.
void DrawSmallArrow(HDC dc, int x, int y, int kind, COLORREF colour);

}  // namespace skin
