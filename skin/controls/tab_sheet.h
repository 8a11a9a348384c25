#pragma once
// A page of a page control in the skin's face colour, with its windowless
// controls painted over it. A page that showed its parent's background keeps
// the colour the base gave it instead.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinTabSheet : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;
};

}  // namespace skin
