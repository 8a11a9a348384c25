#pragma once
// Pictures derived in place from skin pictures: greyed glyphs, mirrored and
// flipped copies, and quarter turns for tabs and bars on other sides.
#include "host/graphics/dib_bitmap.h"

namespace skin {

// Switches to 24 bits per pixel; every pixel becomes grey (r + g + b) / 3.
void GrayscaleBitmap(host::DibBitmap& bitmap);
// Left-right mirror; size and pixel format unchanged.
void MirrorBitmap(host::DibBitmap& bitmap);
// Top-bottom flip; size and pixel format unchanged.
void FlipBitmap(host::DibBitmap& bitmap);
// A quarter turn counter-clockwise: source (x, y) goes to (y, width - 1 - x).
void RotateBitmapLeft(host::DibBitmap& bitmap);
// A quarter turn clockwise: source (x, y) goes to (height - 1 - y, x).
void RotateBitmapRight(host::DibBitmap& bitmap);

}  // namespace skin
