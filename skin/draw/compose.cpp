#include "skin/draw/skin_element.h"

namespace skin {

void TileBitmap(host::Canvas& canvas, const RECT& dest, const host::DibBitmap& source, const RECT& source_rect) {
  const int sw = source_rect.right - source_rect.left;
  const int sh = source_rect.bottom - source_rect.top;
  if (sw <= 0 || sh <= 0 || source.Empty()) return;
  // A tile reaching outside the source would repeat undefined pixels.
  if (source_rect.left < 0 || source_rect.top < 0 || source_rect.right > source.Width() ||
      source_rect.bottom > source.Height())
    return;
  host::DibBitmap tile(sw, sh);
  if (tile.Empty()) return;
  StretchBlt(tile.Dc(), 0, 0, sw, sh, source.Dc(), source_rect.left, source_rect.top, sw, sh, SRCCOPY);
  for (int x = dest.left; x < dest.right; x += sw) {
    for (int y = dest.top; y < dest.bottom; y += sh) BitBlt(canvas.Handle(), x, y, sw, sh, tile.Dc(), 0, 0, SRCCOPY);
  }
}

bool ComposeSkinElementInto(host::DibBitmap& target, const SIZE& size, const host::DibBitmap& image,
                            const RECT& margins, int k, int n, bool tile, Strip strip) {
  if (image.Empty() || target.Width() < size.cx || target.Height() < size.cy) return false;
  const auto frame = SkinFrame(image.Width(), image.Height(), k, n, strip);
  if (!frame) return false;
  const auto pieces = NineSlicePieces(size.cx, size.cy, margins, *frame, tile);
  if (pieces.empty()) return false;
  host::Canvas& canvas = target.GetCanvas();
  canvas.SetStretchMode(COLORONCOLOR);
  // What no piece covers stays black, as in a new bitmap.
  PatBlt(canvas.Handle(), 0, 0, size.cx, size.cy, BLACKNESS);
  HDC src = image.Dc();
  for (const SlicePiece& p : pieces) {
    const int dw = p.dest.right - p.dest.left, dh = p.dest.bottom - p.dest.top;
    if (dw <= 0 || dh <= 0) continue;
    if (p.tiled) {
      TileBitmap(canvas, p.dest, image, p.source);
    } else {
      StretchBlt(canvas.Handle(), p.dest.left, p.dest.top, dw, dh, src, p.source.left, p.source.top,
                 p.source.right - p.source.left, p.source.bottom - p.source.top, SRCCOPY);
    }
  }
  return true;
}

host::DibBitmap ComposeSkinElement(const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k, int n,
                                   bool tile, Strip strip) {
  const auto size = DestinationSize(rect);
  if (!size || image.Empty()) return {};
  host::DibBitmap result(size->cx, size->cy);
  if (result.Empty() || !ComposeSkinElementInto(result, *size, image, margins, k, n, tile, strip)) return {};
  return result;
}

}  // namespace skin
