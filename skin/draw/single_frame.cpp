#include "skin/draw/single_frame.h"

#include <algorithm>

#include "skin/draw/frame_geometry.h"
#include "skin/draw/transparent.h"

namespace skin {

namespace {

// Frame k stretched to the rectangle's size in a picture of its own.
host::DibBitmap StretchedFrame(const RECT& rect, const host::DibBitmap& image, int k, int n) {
  const auto size = DestinationSize(rect);
  if (!size || image.Empty()) return {};
  const auto f = SkinFrame(image.Width(), image.Height(), k, n, Strip::Horizontal);
  if (!f) return {};
  host::DibBitmap picture(size->cx, size->cy);
  if (picture.Empty()) return {};
  StretchBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), image.Dc(), f->x, f->y, f->width, f->height,
             SRCCOPY);
  return picture;
}

}  // namespace

void StretchSkinFrame(HDC dc, const RECT& rect, const host::DibBitmap& image, int k, int n, bool transparent) {
  const host::DibBitmap picture = StretchedFrame(rect, image, k, n);
  if (picture.Empty()) return;
  if (transparent) {
    DrawTransparentBitmap(dc, rect, picture, kSkinColourKey);
  } else {
    BitBlt(dc, rect.left, rect.top, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
  }
}

void StretchSkinFrame(host::Canvas& canvas, const RECT& rect, const host::DibBitmap& image, int k, int n,
                      bool transparent) {
  host::DibBitmap picture = StretchedFrame(rect, image, k, n);
  if (picture.Empty()) return;
  picture.SetTransparent(transparent);
  picture.SetTransparentColour(kSkinColourKey);
  canvas.Draw(rect.left, rect.top, picture);
}

void CenterSkinFrame(HDC dc, const RECT& rect, const host::DibBitmap& image, int k, int n, bool transparent) {
  const auto size = DestinationSize(rect);
  if (!size || image.Empty()) return;
  const auto f = SkinFrame(image.Width(), image.Height(), k, n, Strip::Horizontal);
  if (!f) return;
  host::DibBitmap picture(f->width, f->height);
  if (picture.Empty()) return;
  BitBlt(picture.Dc(), 0, 0, f->width, f->height, image.Dc(), f->x, f->y, SRCCOPY);
  // Integer division truncates toward zero, so an oversized frame overhangs evenly.
  const int x = rect.left + (size->cx - f->width) / 2;
  const int y = rect.top + (size->cy - f->height) / 2;
  if (transparent) {
    DrawTransparentBitmap(dc, RECT{x, y, x + f->width, y + f->height}, picture, kSkinColourKey);
  } else {
    BitBlt(dc, x, y, f->width, f->height, picture.Dc(), 0, 0, SRCCOPY);
  }
}

void CopySkinFrame(HDC dc, const RECT& rect, const host::DibBitmap& image, int k, int n, bool transparent) {
  const auto size = DestinationSize(rect);
  if (!size || image.Empty()) return;
  const auto f = SkinFrame(image.Width(), image.Height(), k, n, Strip::Horizontal);
  if (!f) return;
  const int width = std::min<int>(size->cx, f->width), height = std::min<int>(size->cy, f->height);
  host::DibBitmap picture(width, height);
  if (picture.Empty()) return;
  BitBlt(picture.Dc(), 0, 0, width, height, image.Dc(), f->x, f->y, SRCCOPY);
  if (transparent) {
    DrawTransparentBitmap(dc, RECT{rect.left, rect.top, rect.left + width, rect.top + height}, picture, kSkinColourKey);
  } else {
    BitBlt(dc, rect.left, rect.top, width, height, picture.Dc(), 0, 0, SRCCOPY);
  }
}

}  // namespace skin
