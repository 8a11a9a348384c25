#include "skin/draw/skin_element.h"

#include "host/graphics/keyed_blit.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/draw/transparent.h"

namespace skin {

namespace {

// Frame k composed at the size in the shared compose bitmap, or in `own`
// before there is one; null when there is nothing to draw.
const host::DibBitmap* Composed(const SIZE& size, host::DibBitmap& own, const host::DibBitmap& image,
                                const RECT& margins, int k, int n, bool tile, Strip strip) {
  host::DibBitmap* scratch = ComposeScratch(size.cx, size.cy);
  if (!scratch) {
    own = host::DibBitmap(size.cx, size.cy);
    scratch = &own;
  }
  if (scratch->Empty() || !ComposeSkinElementInto(*scratch, size, image, margins, k, n, tile, strip)) return nullptr;
  return scratch;
}

}  // namespace

void DrawSkinElement(HDC dc, const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k, int n,
                     bool transparent, bool tile, Strip strip) {
  const auto size = DestinationSize(rect);
  host::DibBitmap own;
  const host::DibBitmap* composed = size ? Composed(*size, own, image, margins, k, n, tile, strip) : nullptr;
  if (!composed) return;
  if (transparent) {
    const host::Bitmap mask = composed->Mask(kSkinColourKey, size->cx, size->cy);
    if (mask) host::KeyedBlit(dc, rect.left, rect.top, size->cx, size->cy, composed->Dc(), 0, 0, mask, host::PlatformKeyBlit());
  } else {
    BitBlt(dc, rect.left, rect.top, size->cx, size->cy, composed->Dc(), 0, 0, SRCCOPY);
  }
}

void DrawSkinElement(host::DibBitmap& target, const RECT& rect, const host::DibBitmap& image, const RECT& margins,
                     int k, int n, bool transparent, bool tile, Strip strip) {
  if (!transparent) return DrawSkinElement(target.Dc(), rect, image, margins, k, n, false, tile, strip);
  const auto size = DestinationSize(rect);
  host::DibBitmap own;
  const host::DibBitmap* composed = size ? Composed(*size, own, image, margins, k, n, tile, strip) : nullptr;
  if (composed) CopyKeyedPart(target, rect.left, rect.top, *composed, {0, 0, size->cx, size->cy}, kSkinColourKey);
}

void DrawSkinObject(HDC dc, const RECT& rect, int n, int k, const TDataSkinObject& element) {
  DrawSkinElement(dc, rect, element.Image, element.Margins(), k, n, element.Trans == 1, element.Tile == 1,
                  Strip::Horizontal);
}

void DrawSkinObject(host::DibBitmap& target, const RECT& rect, int n, int k, const TDataSkinObject& element) {
  DrawSkinElement(target, rect, element.Image, element.Margins(), k, n, element.Trans == 1, element.Tile == 1,
                  Strip::Horizontal);
}

}  // namespace skin
