#include "skin/draw/transparent.h"

#include <algorithm>

namespace skin {

void DrawTransparentBitmap(HDC dc, const RECT& rect, const host::DibBitmap& bitmap, COLORREF key,
                           host::KeyBlit how) {
  if (rect.right < rect.left || rect.bottom < rect.top || bitmap.Empty()) return;
  const int w = std::min<int>(rect.right - rect.left, bitmap.Width());
  const int h = std::min<int>(rect.bottom - rect.top, bitmap.Height());
  if (w <= 0 || h <= 0) return;
  host::Bitmap mask = bitmap.Mask(key);
  if (!mask) return;
  host::KeyedBlit(dc, rect.left, rect.top, w, h, bitmap.Dc(), 0, 0, mask, how);
}

}  // namespace skin
