#pragma once
// Three-slice drawing: a left and a right piece at the margins' widths and a
// middle between them, all stretched from the frame's height to the
// destination's height. Only the left and right margins are used.
#include <windows.h>

#include "host/graphics/canvas.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/draw/frame_geometry.h"

namespace skin {

// The middle is tiled at its own width (skipped when it has none); the
// result is keyed on magenta when transparent.
void DrawSkinStrip(host::Canvas& canvas, const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k,
                   int n, bool transparent, Strip strip);

// The middle is stretched; drawn straight onto the DC, always opaque, with
// the DC's own stretching mode. A frame wider than the rectangle is
// stretched whole into it.
void DrawSkinStripDirect(HDC dc, const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k, int n,
                         Strip strip);

}  // namespace skin
