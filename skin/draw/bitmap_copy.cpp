#include "skin/draw/bitmap_copy.h"

#include <algorithm>
#include <cstring>

namespace skin {

void CopyBitmap(const host::DibBitmap& source, host::DibBitmap& destination) {
  if (&source == &destination) return;
  destination.SetSize(0, 0);
  destination.SetFormat(source.Format());
  destination.SetSize(source.Width(), source.Height());
  if (source.Empty() || destination.Empty()) return;
  BitBlt(destination.Dc(), 0, 0, source.Width(), source.Height(), source.Dc(), 0, 0, SRCCOPY);
}

host::DibBitmap CopyPart(const host::DibBitmap& source, int x, int y, int w, int h) {
  host::DibBitmap part(w, h);
  if (part.Empty()) return part;
  const int sp = source.BytesPerPixel();
  const int left = std::max(0, -x), right = std::min(w, source.Width() - x);
  for (int row = std::max(0, -y); row < std::min(h, source.Height() - y); ++row) {
    const std::uint8_t* s = source.ScanLine(y + row) + (x + left) * sp;
    std::uint8_t* d = part.ScanLine(row) + left * 3;
    for (int col = left; col < right; ++col, s += sp, d += 3) std::copy_n(s, 3, d);
  }
  return part;
}

namespace {

bool Inside(const host::DibBitmap& b, int x, int y, int w, int h) {
  return w > 0 && h > 0 && x >= 0 && y >= 0 && w <= b.Width() - x && h <= b.Height() - y;
}

}  // namespace

void CopyPartTo(const host::DibBitmap& source, int x, int y, int w, int h, host::DibBitmap& destination, int dx,
                int dy) {
  if (source.Format() != destination.Format() || !Inside(source, x, y, w, h) || !Inside(destination, dx, dy, w, h))
    return;
  const int bpp = source.BytesPerPixel();
  for (int row = 0; row < h; ++row)
    std::memmove(destination.ScanLine(dy + row) + dx * bpp, source.ScanLine(y + row) + x * bpp,
                 static_cast<std::size_t>(w) * bpp);
}

bool SamePart(const host::DibBitmap& a, int x, int y, const host::DibBitmap& b, int w, int h) {
  if (a.Format() != b.Format() || !Inside(a, x, y, w, h) || !Inside(b, 0, 0, w, h)) return false;
  const int bpp = a.BytesPerPixel();
  for (int row = 0; row < h; ++row)
    if (std::memcmp(a.ScanLine(y + row) + x * bpp, b.ScanLine(row), static_cast<std::size_t>(w) * bpp) != 0)
      return false;
  return true;
}

}  // namespace skin
