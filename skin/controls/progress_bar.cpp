#include "skin/controls/progress_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "skin/data/skin_data.h"
#include "skin/draw/bitmap_effects.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/strip.h"
#include "skin/draw/transparent.h"

namespace skin {
namespace {

// Frame k of n of the element composed at the rectangle's size and put on
// the target with the colour key, in memory: a keyed copy through GDI would
// build a mask for each piece on every step of the bar.
void PutKeyed(host::DibBitmap& target, const RECT& at, const TDataSkinObject& element, int k, int n) {
  if (at.right <= at.left || at.bottom <= at.top) return;
  const host::DibBitmap part =
      ComposeSkinElement(RECT{0, 0, at.right - at.left, at.bottom - at.top}, element.Image, element.Margins(), k, n,
                         element.Tile == 1, Strip::Horizontal);
  if (!part.Empty()) CopyKeyedFrame(target, at.left, at.top, part, 1, 1, kSkinColourKey);
}

void Put(host::DibBitmap& target, int x, int y, const host::DibBitmap& strip, bool keyed) {
  if (keyed)
    CopyKeyedFrame(target, x, y, strip, 1, 1, kSkinColourKey);
  else
    BitBlt(target.Dc(), x, y, strip.Width(), strip.Height(), strip.Dc(), 0, 0, SRCCOPY);
}

// Whole chunks side by side from the bar's start, the last one cut at the bar's end.
void DrawTiledChunks(host::DibBitmap& target, const RECT& r, int filled, const TDataSkinObject& chunk, int frames) {
  const int cw = chunk.Image.Width() / frames, ch = chunk.Image.Height();
  if (cw <= 0 || ch <= 0) return;
  host::DibBitmap strip(filled, ch);
  if (strip.Empty()) return;
  for (int i = 0, count = filled / cw + 1; i < count; ++i)
    BitBlt(strip.Dc(), i * cw, 0, cw, ch, chunk.Image.Dc(), 0, 0, SRCCOPY);
  Put(target, chunk.LeftWidth + 2, r.top + (r.bottom - ch) / 2, strip, chunk.Trans == 1);
}

// One chunk picture in three slices, its middle stretched over the bar.
void DrawStretchedChunk(host::DibBitmap& target, const RECT& r, int filled, const TDataSkinObject& chunk, int frames) {
  host::DibBitmap strip(filled, r.bottom - r.top - 4);
  if (strip.Empty()) return;
  SetStretchBltMode(strip.Dc(), COLORONCOLOR);
  DrawSkinStripDirect(strip.Dc(), RECT{0, 0, strip.Width(), strip.Height()}, chunk.Image, chunk.Margins(), 1, frames,
                      Strip::Horizontal);
  Put(target, 2, 2, strip, chunk.Trans == 1);
}

}  // namespace

bool TSkinProgress::BeforeMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (!SkinData || !SkinData->Elements().ProgressBar || SkinData->Elements().ProgressBar->Image.Empty()) break;
      PaintBuffered(m);
      return false;
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
  }
  return TSkinControl::BeforeMessage(m);
}

// The share (position - low) / (high - low) of the range, held within it,
// so that a range that does not start at 0 fills from its own start.
int TSkinProgress::FilledLength(int length) const {
  const auto low = static_cast<std::int64_t>(static_cast<int>(SendMessageW(Handle, PBM_GETRANGE, TRUE, 0)));
  const auto high = static_cast<std::int64_t>(static_cast<int>(SendMessageW(Handle, PBM_GETRANGE, FALSE, 0)));
  const auto pos = static_cast<std::int64_t>(static_cast<int>(SendMessageW(Handle, PBM_GETPOS, 0, 0)));
  if (high <= low || length <= 0) return 0;
  const std::int64_t done = std::clamp(pos, low, high) - low, span = high - low;
  // Rounded as MulDiv rounds; the wide product does not overflow for any range.
  return static_cast<int>((length * done + span / 2) / span);
}

void TSkinProgress::Draw(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  const SkinElements& e = SkinData->Elements();
  const TDataSkinBorder* bar = e.ProgressBar.get();
  if (!bar || bar->Image.Empty()) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const bool vertical = (GetWindowLongAW(Handle, GWL_STYLE) & PBS_VERTICAL) != 0;
  const RECT r{0, 0, vertical ? height : width, vertical ? width : height};
  if (picture_.Width() != r.right || picture_.Height() != r.bottom) picture_.SetSize(r.right, r.bottom);
  if (!picture_.Dc()) return;
  FillFace(picture_.Dc(), r);
  const int filled = FilledLength(r.right);
  const TDataSkinObject* chunk = e.ProgressChunk.get();
  const int frames = std::max(bar->FrameCount, 1);
  PutKeyed(picture_, r, *bar, 1, frames);
  if (bar->Style == 1 && chunk && !chunk->Image.Empty()) {
    const int chunk_frames = std::max(chunk->FrameCount, 1);
    if (filled > 0 && chunk->Tile == 1)
      DrawTiledChunks(picture_, r, filled, *chunk, chunk_frames);
    else if (filled > 0)
      DrawStretchedChunk(picture_, r, filled, *chunk, chunk_frames);
  } else if (frames >= 2) {
    PutKeyed(picture_, RECT{0, 0, filled, r.bottom}, *bar, 2, frames);
  }
  if (vertical) RotateBitmapLeft(picture_);  // the bar's start comes to the bottom
  BitBlt(dc, rect.left, rect.top, width, height, picture_.Dc(), 0, 0, SRCCOPY);
}

}  // namespace skin
