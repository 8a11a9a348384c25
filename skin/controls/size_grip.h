#pragma once
// The size-grip scroll bar of a skinned window: painted in the skin's face
// colour, which hides the system's grip. The grip still sizes the window.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinSizer : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;
};

}  // namespace skin
