#include "skin/draw/transparent.h"

#include <algorithm>

#include "skin/draw/frame_geometry.h"

namespace skin {

void DrawTransparentBitmap(HDC dc, const RECT& rect, const host::DibBitmap& bitmap, COLORREF key,
                           host::KeyBlit how) {
  const auto size = DestinationSize(rect);
  if (!size || bitmap.Empty()) return;
  const int w = std::min<int>(size->cx, bitmap.Width());
  const int h = std::min<int>(size->cy, bitmap.Height());
  if (w <= 0 || h <= 0) return;
  host::Bitmap mask = bitmap.Mask(key);
  if (!mask) return;
  host::KeyedBlit(dc, rect.left, rect.top, w, h, bitmap.Dc(), 0, 0, mask, how);
}

void CopyKeyedFrame(host::DibBitmap& target, int x, int y, const host::DibBitmap& image, int k, int n, COLORREF key) {
  const auto frame = SkinFrame(image.Width(), image.Height(), k, n, Strip::Horizontal);
  if (frame) CopyKeyedPart(target, x, y, image, {frame->x, frame->y, frame->x + frame->width, frame->y + frame->height}, key);
}

void CopyKeyedPart(host::DibBitmap& target, int x, int y, const host::DibBitmap& source, RECT part, COLORREF key) {
  RECT whole{0, 0, source.Width(), source.Height()};
  if (target.Empty() || !IntersectRect(&part, &part, &whole)) return;
  const int width = part.right - part.left, height = part.bottom - part.top;
  const int left = std::max(0, -x), top = std::max(0, -y);
  const int right = std::min(width, target.Width() - x), bottom = std::min(height, target.Height() - y);
  if (left >= right || top >= bottom) return;
  // Drawing still queued for either bitmap lands before their bits are read.
  GdiFlush();
  const int sp = source.BytesPerPixel(), dp = target.BytesPerPixel();
  for (int row = top; row < bottom; ++row) {
    const std::uint8_t* s = source.ScanLine(part.top + row) + (part.left + left) * sp;
    std::uint8_t* d = target.ScanLine(y + row) + (x + left) * dp;
    for (int col = left; col < right; ++col, s += sp, d += dp) {
      if (RGB(s[2], s[1], s[0]) == key) continue;
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  }
}

}  // namespace skin
