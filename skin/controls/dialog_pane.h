#pragma once
// A pane inside a dialog (a dialog nested in another) or a panel of a bare
// window: its background and the backgrounds of its static texts take the
// skin's face colour.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinBoxH : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(host::TMessage& m) override;
};

}  // namespace skin
