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

}  // namespace skin
