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

}  // namespace skin
