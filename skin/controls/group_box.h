#pragma once
// A group box drawn in the skin's colours: a rounded frame in the button
// shadow colour and the caption on the face colour, 8 pixels from the left.
// On a host control it paints the whole client area itself; on a bare window
// it paints over the system's own drawing.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinGroupBox : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  bool BeforeMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;
};

}  // namespace skin
