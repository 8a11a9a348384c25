#pragma once
#include "host/graphics/dib_bitmap.h"

namespace skin {

// The destination takes the source's size and pixel format and the source's
// pixels; its own transparency settings stay.
void CopyBitmap(const host::DibBitmap& source, host::DibBitmap& destination);

// A new 24-bit picture of the part of `source` at (x, y) of size w x h, copied
// in memory; pixels outside the source stay black.
host::DibBitmap CopyPart(const host::DibBitmap& source, int x, int y, int w, int h);

// The w x h part of `source` at (x, y) over the part of `destination` at
// (dx, dy), in memory. Nothing unless both are of one format and both parts
// lie inside their pictures.
void CopyPartTo(const host::DibBitmap& source, int x, int y, int w, int h, host::DibBitmap& destination, int dx,
                int dy);

// Whether the w x h part of `a` at (x, y) has the pixels of the top-left
// w x h of `b`; false when the formats differ or a part lies outside.
bool SamePart(const host::DibBitmap& a, int x, int y, const host::DibBitmap& b, int w, int h);

}  // namespace skin
