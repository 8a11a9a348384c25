#include "skin/draw/skin_element.h"

#include "skin/draw/transparent.h"

namespace skin {

void DrawSkinElement(HDC dc, const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k, int n,
                     bool transparent, bool tile, Strip strip) {
  const host::DibBitmap picture = ComposeSkinElement(rect, image, margins, k, n, tile, strip);
  if (picture.Empty()) return;
  if (transparent) {
    DrawTransparentBitmap(dc, rect, picture, kSkinColourKey);
  } else {
    BitBlt(dc, rect.left, rect.top, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
  }
}

void DrawSkinObject(HDC dc, const RECT& rect, int n, int k, const TDataSkinObject& element) {
  DrawSkinElement(dc, rect, element.Image, element.Margins(), k, n, element.Trans == 1, element.Tile == 1,
                  Strip::Horizontal);
}

}  // namespace skin
