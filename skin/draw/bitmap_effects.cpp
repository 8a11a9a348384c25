#include "skin/draw/bitmap_effects.h"

#include <cstring>
#include <utility>
#include <vector>

namespace skin {

namespace {

// Builds the result in a bitmap of the given size and the source's format,
// then hands it back in place of the source.
template <class PixelMap>
void Remap(host::DibBitmap& bitmap, int width, int height, PixelMap source_of) {
  if (bitmap.Empty()) return;
  host::DibBitmap result(width, height, bitmap.Format());
  if (result.Empty()) return;
  const int bpp = bitmap.BytesPerPixel();
  std::vector<const std::uint8_t*> rows(static_cast<size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) rows[static_cast<size_t>(y)] = std::as_const(bitmap).ScanLine(y);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* d = result.ScanLine(y);
    for (int x = 0; x < width; ++x, d += bpp) {
      const POINT s = source_of(x, y);
      std::memcpy(d, rows[static_cast<size_t>(s.y)] + s.x * bpp, static_cast<size_t>(bpp));
    }
  }
  result.SetTransparent(bitmap.Transparent());
  result.SetTransparentColour(bitmap.TransparentColour());
  bitmap = std::move(result);
}

}  // namespace

void GrayscaleBitmap(host::DibBitmap& bitmap) {
  bitmap.SetFormat(host::PixelFormat::Bits24);
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      const auto grey = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = grey;
    }
  }
}

void MirrorBitmap(host::DibBitmap& bitmap) {
  const int w = bitmap.Width();
  Remap(bitmap, w, bitmap.Height(), [w](int x, int y) { return POINT{w - 1 - x, y}; });
}

void FlipBitmap(host::DibBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int h = bitmap.Height();
  host::DibBitmap result(bitmap.Width(), h, bitmap.Format());
  if (result.Empty()) return;
  const size_t row = static_cast<size_t>(bitmap.Width()) * static_cast<size_t>(bitmap.BytesPerPixel());
  for (int y = 0; y < h; ++y) std::memcpy(result.ScanLine(y), bitmap.ScanLine(h - 1 - y), row);
  result.SetTransparent(bitmap.Transparent());
  result.SetTransparentColour(bitmap.TransparentColour());
  bitmap = std::move(result);
}

// The result is height x width; destination (X, Y) comes from source
// (width - 1 - Y, X) for a left turn and (Y, height - 1 - X) for a right turn.
void RotateBitmapLeft(host::DibBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  Remap(bitmap, h, w, [w](int X, int Y) { return POINT{w - 1 - Y, X}; });
}

void RotateBitmapRight(host::DibBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  Remap(bitmap, h, w, [h](int X, int Y) { return POINT{Y, h - 1 - X}; });
}

}  // namespace skin
