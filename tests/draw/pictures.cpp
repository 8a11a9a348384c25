#include "pictures.h"

namespace drawtest {

host::DibBitmap CodedPicture(int width, int height, host::PixelFormat format) {
  host::DibBitmap picture(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, RGB(x, y, kCodeTag));
  return picture;
}

std::optional<POINT> SourceOf(COLORREF pixel) {
  if (GetBValue(pixel) != kCodeTag) return std::nullopt;
  return POINT{GetRValue(pixel), GetGValue(pixel)};
}

host::DibBitmap Filled(int width, int height, COLORREF colour) {
  host::DibBitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, colour);
  return picture;
}

COLORREF BackgroundPixel(int x, int y) { return RGB(200, x & 0xFF, y & 0xFF); }

host::DibBitmap Background(int width, int height) {
  host::DibBitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, BackgroundPixel(x, y));
  return picture;
}

}  // namespace drawtest
