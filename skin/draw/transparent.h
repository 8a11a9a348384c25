#pragma once
// Copying a picture while leaving the pixels of a key colour unchanged.
#include <windows.h>

#include "host/graphics/dib_bitmap.h"
#include "host/graphics/keyed_blit.h"

namespace skin {

// The transparent colour of every skin picture: magenta.
inline constexpr COLORREF kSkinColourKey = RGB(255, 0, 255);

// Copies the bitmap's top-left (rect width x rect height, limited to the
// bitmap) to rect; destination pixels stay where the bitmap has the key.
// The copy goes through MaskBlt or three BitBlts as `how` says.
void DrawTransparentBitmap(HDC dc, const RECT& rect, const host::DibBitmap& bitmap, COLORREF key,
                           host::KeyBlit how = host::PlatformKeyBlit());

// Frame k of n (side by side) copied at its own size onto target at (x, y)
// in memory, without GDI: the target keeps its pixels where the frame has the
// key colour. What falls outside the target is left out. For pictures drawn
// many times a second at natural size, such as caption buttons.
void CopyKeyedFrame(host::DibBitmap& target, int x, int y, const host::DibBitmap& image, int k, int n, COLORREF key);

// The part of `source` copied the same way onto target at (x, y); the part
// is limited to the source.
void CopyKeyedPart(host::DibBitmap& target, int x, int y, const host::DibBitmap& source, RECT part, COLORREF key);

}  // namespace skin
