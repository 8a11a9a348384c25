#pragma once
#include "host/graphics/dib_bitmap.h"

namespace skin {

// The destination takes the source's size and pixel format and the source's
// pixels; its own transparency settings stay.
void CopyBitmap(const host::DibBitmap& source, host::DibBitmap& destination);

}  // namespace skin
