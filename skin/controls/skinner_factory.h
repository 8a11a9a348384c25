#pragma once
// Makes the control skinner a discovery decision names and attaches it the
// way its class is attached: on a host control, on a bare window, as a
// scroll-bar skinner, or as a windowless speed button.
#include <windows.h>

#include "skin/form/control_kinds.h"

namespace host {
class TControl;
}

namespace skin {

class TSkinControl;
class TSkinForm;

struct TSkinnerRequest {
  TSkinnerClass skinner = TSkinnerClass::None;
  host::TControl* control = nullptr;  // the host control, or null for a bare window
  HWND window = nullptr;              // the bare window (or the host control's own, attached bare)
  bool use_skin_colour = false;
  bool single_bar = false;            // a scroll-bar skinner for one bar only
  bool embedded_bar = false;          // the bars of a child of an "embedscrollbar" control: no border
};

// The attached skinner, registered with the form skinner; null when the
// class is not one this engine has (the control keeps the system's look).
TSkinControl* MakeSkinner(const TSkinnerRequest& request, TSkinForm& form);

}  // namespace skin
