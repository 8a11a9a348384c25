#pragma once
// Test pictures whose pixels tell where they came from.
#include <windows.h>

#include <optional>

#include "host/graphics/dib_bitmap.h"

namespace drawtest {

inline constexpr COLORREF kMagenta = RGB(255, 0, 255);
// Blue channel of every coded pixel: never 255, so no coded pixel is magenta.
inline constexpr BYTE kCodeTag = 7;

// A picture whose pixel (x, y) is RGB(x, y, kCodeTag); at most 255 x 255.
host::DibBitmap CodedPicture(int width, int height, host::PixelFormat format = host::PixelFormat::Bits24);

// The source coordinates a coded pixel carries; nothing for another colour.
std::optional<POINT> SourceOf(COLORREF pixel);

// A surface filled with one colour.
host::DibBitmap Filled(int width, int height, COLORREF colour);

// A surface whose pixel (x, y) is RGB(200, x, y): distinct from coded pixels
// and from magenta, so that an untouched pixel is recognised.
host::DibBitmap Background(int width, int height);
COLORREF BackgroundPixel(int x, int y);

}  // namespace drawtest
