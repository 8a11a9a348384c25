#include "skin/draw/strip.h"

#include "skin/draw/transparent.h"

namespace skin {

namespace {

// The frame and margins when they can be drawn without reading outside the picture.
std::optional<FrameRect> StripFrame(const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k, int n,
                                    Strip strip) {
  if (!DestinationSize(rect) || image.Empty()) return std::nullopt;
  auto frame = SkinFrame(image.Width(), image.Height(), k, n, strip);
  if (!frame || margins.left < 0 || margins.right < 0 || margins.left + margins.right > frame->width)
    return std::nullopt;
  return frame;
}

}  // namespace

void DrawSkinStrip(host::Canvas& canvas, const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k,
                   int n, bool transparent, Strip strip) {
  const auto f = StripFrame(rect, image, margins, k, n, strip);
  if (!f) return;
  const SIZE size = *DestinationSize(rect);
  const int W = size.cx, H = size.cy;
  host::DibBitmap picture(W, H);
  if (picture.Empty()) return;
  HDC dc = picture.Dc();
  HDC src = image.Dc();
  SetStretchBltMode(dc, COLORONCOLOR);
  const int L = margins.left, R = margins.right, M = f->width - L - R;
  if (L > 0) StretchBlt(dc, 0, 0, L, H, src, f->x, f->y, L, f->height, SRCCOPY);
  if (M > 0) {
    for (int x = L; x < W - R; x += M) StretchBlt(dc, x, 0, M, H, src, f->x + L, f->y, M, f->height, SRCCOPY);
  }
  if (R > 0) StretchBlt(dc, W - R, 0, R, H, src, f->x + f->width - R, f->y, R, f->height, SRCCOPY);
  if (transparent) {
    picture.SetTransparent(true);
    picture.SetTransparentColour(kSkinColourKey);
    canvas.Draw(rect.left, rect.top, picture);
  } else {
    BitBlt(canvas.Handle(), rect.left, rect.top, W, H, dc, 0, 0, SRCCOPY);
  }
}

void DrawSkinStripDirect(HDC dc, const RECT& rect, const host::DibBitmap& image, const RECT& margins, int k, int n,
                         Strip strip) {
  const auto f = StripFrame(rect, image, margins, k, n, strip);
  if (!f) return;
  HDC src = image.Dc();
  const SIZE size = *DestinationSize(rect);
  const int DW = size.cx, DH = size.cy;
  if (f->width > DW) {
    StretchBlt(dc, rect.left, rect.top, DW, DH, src, f->x, f->y, f->width, f->height, SRCCOPY);
    return;
  }
  const int L = margins.left, R = margins.right;
  StretchBlt(dc, rect.left, rect.top, L, DH, src, f->x, f->y, L, f->height, SRCCOPY);
  StretchBlt(dc, rect.left + L, rect.top, DW - L - R, DH, src, f->x + L, f->y, f->width - L - R, f->height, SRCCOPY);
  StretchBlt(dc, rect.right - R, rect.top, R, DH, src, f->x + f->width - R, f->y, R, f->height, SRCCOPY);
}

}  // namespace skin
