#pragma once
#include "host/graphics/dib_bitmap.h"

namespace skin {

// The destination takes the source's size and pixel format and the source's
// pixels; its own transparency settings stay.
void CopyBitmap(const host::DibBitmap& source, host::DibBitmap& destination);

// A new 24-bit picture of the part of `source` at (x, y) of size w x h, copied
// in memory; pixels outside the source stay black.
host::DibBitmap CopyPart(const host::DibBitmap& source, int x, int y, int w, int h);

}  // namespace skin
