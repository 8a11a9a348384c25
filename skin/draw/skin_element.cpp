#include "skin/draw/skin_element.h"

#include "host/graphics/keyed_blit.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/draw/transparent.h"

namespace skin {

void DrawSkinElement(HDC dc, const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k, int n,
                     bool transparent, bool tile, Strip strip) {
  const auto size = DestinationSize(rect);
  if (!size) return;
  host::DibBitmap* scratch = ComposeScratch(size->cx, size->cy);
  host::DibBitmap own;
  if (!scratch) {
    own = host::DibBitmap(size->cx, size->cy);
    scratch = &own;
  }
  if (scratch->Empty() || !ComposeSkinElementInto(*scratch, *size, image, margins, k, n, tile, strip)) return;
  if (transparent) {
    const host::Bitmap mask = scratch->Mask(kSkinColourKey, size->cx, size->cy);
    if (mask) host::KeyedBlit(dc, rect.left, rect.top, size->cx, size->cy, scratch->Dc(), 0, 0, mask, host::PlatformKeyBlit());
  } else {
    BitBlt(dc, rect.left, rect.top, size->cx, size->cy, scratch->Dc(), 0, 0, SRCCOPY);
  }
}

void DrawSkinObject(HDC dc, const RECT& rect, int n, int k, const TDataSkinObject& element) {
  DrawSkinElement(dc, rect, element.Image, element.Margins(), k, n, element.Trans == 1, element.Tile == 1,
                  Strip::Horizontal);
}

}  // namespace skin
