#pragma once
// Nine-slice drawing of one frame of a skin element: corners copied 1:1,
// edges stretched along their length, the centre stretched or tiled.
#include <windows.h>

#include "host/graphics/canvas.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/data/descriptors.h"
#include "skin/draw/frame_geometry.h"

namespace skin {

// A new bitmap of the rectangle's size holding frame k of n rendered with the
// margins (left, top, right, bottom). Empty when there is nothing to draw: a
// reversed or empty rectangle, a frame outside the picture, or margins wider
// than the frame.
host::DibBitmap ComposeSkinElement(const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k, int n,
                                   bool tile, Strip strip);

// The same into the top-left size.cx x size.cy of `target`, which must be at
// least that large; false, and the target untouched, when there is nothing
// to draw.
bool ComposeSkinElementInto(host::DibBitmap& target, const SIZE& size, const host::DibBitmap& image,
                            const RECT& margins, int k, int n, bool tile, Strip strip);

// Composes and puts the result at rect, keyed on magenta when transparent.
void DrawSkinElement(HDC dc, const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k, int n,
                     bool transparent, bool tile, Strip strip);

// The same onto a bitmap: a transparent element is keyed in memory, which
// costs far less than a copy through a GDI mask.
void DrawSkinElement(host::DibBitmap& target, const RECT& rect, const host::DibBitmap& image, const RECT& margins,
                     int k, int n, bool transparent, bool tile, Strip strip);

// DrawSkinElement with the descriptor's picture, margins and tiling, frames
// side by side, keyed exactly when its Trans is 1.
void DrawSkinObject(HDC dc, const RECT& rect, int n, int k, const TDataSkinObject& element);
void DrawSkinObject(host::DibBitmap& target, const RECT& rect, int n, int k, const TDataSkinObject& element);

// Repeats the source rectangle at natural size from dest's top-left, across
// and then down, whole tiles only: the last row and column may spill past dest.
// Nothing for an empty source rectangle or one reaching outside the source.
void TileBitmap(host::Canvas& canvas, const RECT& dest, const host::DibBitmap& source, const RECT& source_rect);

}  // namespace skin
