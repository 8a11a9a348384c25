#include "skin/draw/bitmap_copy.h"

#include <algorithm>

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

}  // namespace skin
