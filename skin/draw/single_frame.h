#pragma once
// One whole frame of a horizontal strip, without slicing: stretched over a
// rectangle, centred in it at natural size, or copied into its top-left.
#include <windows.h>

#include "host/graphics/canvas.h"
#include "host/graphics/dib_bitmap.h"

namespace skin {

// Frame k of n stretched into rect with one copy (the temporary surface
// keeps GDI's default stretching mode), keyed on magenta when transparent.
void StretchSkinFrame(HDC dc, const RECT& rect, const host::DibBitmap& image, int k, int n, bool transparent);
void StretchSkinFrame(host::Canvas& canvas, const RECT& rect, const host::DibBitmap& image, int k, int n,
                      bool transparent);

// Frame k of n at natural size, centred in rect; a frame larger than rect
// overhangs both sides evenly and is not clipped to it.
void CenterSkinFrame(HDC dc, const RECT& rect, const host::DibBitmap& image, int k, int n, bool transparent);

// Frame k of n at natural size from rect's top-left, cut off at rect's right
// and bottom: the strip-frame drawing of the control skinners.
void CopySkinFrame(HDC dc, const RECT& rect, const host::DibBitmap& image, int k, int n, bool transparent);

}  // namespace skin
