#pragma once
// A skinner's own WM_PAINT: Draw paints the whole window, at origin, into
// wParam's DC or a paint of its own; the window's handler is not called.
#include "skin/controls/skin_control.h"

namespace skin {

void PaintWhole(TSkinControl& skinner, host::TMessage& m);

}  // namespace skin
