#pragma once
// Painting a control's parent behind the control, for controls whose skin
// pictures let the parent show through.
#include <windows.h>

namespace skin {

// Lets the parent erase and paint into dc with the DC's origin shifted so
// that the parent's pixels line up with the control, clipped to the
// control's client area. Nothing for a window without a parent.
void DrawParentBackground(HWND control, HDC dc);

}  // namespace skin
