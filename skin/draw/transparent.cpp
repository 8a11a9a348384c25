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
  if (!frame || target.Empty()) return;
  const int left = std::max(0, -x), top = std::max(0, -y);
  const int right = std::min(frame->width, target.Width() - x), bottom = std::min(frame->height, target.Height() - y);
  if (left >= right || top >= bottom) return;
  const int sp = image.BytesPerPixel(), dp = target.BytesPerPixel();
  for (int row = top; row < bottom; ++row) {
    const std::uint8_t* s = image.ScanLine(frame->y + row) + (frame->x + left) * sp;
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
