#include "skin/data/derived_pictures.h"

#include <windows.h>

#include <algorithm>

#include "host/core/colour.h"
#include "skin/draw/bitmap_effects.h"
#include "skin/draw/colours.h"
#include "skin/draw/gradient.h"
#include "skin/draw/frame_geometry.h"
#include "skin/draw/transparent.h"
#include "skin/draw/skin_element.h"

namespace skin {
namespace {
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kCellWidth = 50;
constexpr int kCellHeight = 21;
void FillMagenta(host::DibBitmap& bitmap, const RECT& rect) {
  const int bpp = bitmap.BytesPerPixel();
  for (int y = std::max(0, static_cast<int>(rect.top)); y < std::min(bitmap.Height(), static_cast<int>(rect.bottom)); ++y) {
    std::uint8_t* p = bitmap.ScanLine(y);
    for (int x = std::max(0, static_cast<int>(rect.left)); x < std::min(bitmap.Width(), static_cast<int>(rect.right)); ++x) {
      p[x * bpp] = 255;
      p[x * bpp + 1] = 0;
      p[x * bpp + 2] = 255;
    }
  }
}

// Frame k of n, keyed, centred on `rect` of the target.
void CenterKeyedFrame(host::DibBitmap& target, const RECT& rect, const host::DibBitmap& image, int k, int n) {
  const auto f = SkinFrame(image.Width(), image.Height(), k, n, Strip::Horizontal);
  if (!f) return;
  // Integer division truncates toward zero, so an oversized frame overhangs evenly.
  const int x = rect.left + (rect.right - rect.left - f->width) / 2;
  const int y = rect.top + (rect.bottom - rect.top - f->height) / 2;
  CopyKeyedFrame(target, x, y, image, k, n, kSkinColourKey);
}

}  // namespace

void ComposeComboPictures(SkinElements& e) {
  if (!e.SunkEdge || !e.ComboButton) return;
  const int w = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const int n = e.SunkEdge->FrameCount;
  if (n <= 0) return;

  // Composed in memory: on the magenta cell a keyed copy and a plain one give
  // the same pixels, and no picture here needs a device context.
  host::DibBitmap strip(kCellWidth * n, kCellHeight);
  FillMagenta(strip, {0, 0, kCellWidth * n, kCellHeight});
  host::DibBitmap cell(kCellWidth, kCellHeight);
  const RECT button{kCellWidth - w, 0, kCellWidth, kCellHeight};
  // Each frame is composed into the same two pictures, which keep their DCs.
  host::DibBitmap edge(kCellWidth, kCellHeight), arrow(w, kCellHeight);
  for (int k = 1; k <= n; ++k) {
    FillMagenta(cell, {0, 0, kCellWidth, kCellHeight});
    if (ComposeSkinElementInto(edge, {kCellWidth, kCellHeight}, e.SunkEdge->Image, e.SunkEdge->Margins(), k, n, false,
                               Strip::Horizontal))
      CopyKeyedFrame(cell, 0, 0, edge, 1, 1, kMagenta);
    if (ComposeSkinElementInto(arrow, {w, kCellHeight}, e.ComboButton->Image, e.ComboButton->Margins(), k,
                               e.ComboButton->FrameCount, false, Strip::Horizontal))
      CopyKeyedFrame(cell, button.left, 0, arrow, 1, 1, kSkinColourKey);
    if (e.ExtraImages) CenterKeyedFrame(cell, button, e.ExtraImages->Image, k, e.ExtraImages->FrameCount);
    FillMagenta(cell, {2, 2, kCellWidth - 1 - w, kCellHeight - 3});
    CopyKeyedFrame(strip, kCellWidth * (k - 1), 0, cell, 1, 1, kMagenta);
  }

  TDataSkinBorder& combo = *e.ComboButton;
  combo.Style = 2;
  combo.TopHeight = e.SunkEdge->TopHeight;
  combo.BottomHeight = e.SunkEdge->BottomHeight;
  combo.LeftWidth = 2;
  combo.RightWidth = w + 2;
  combo.Image = strip.Clone();

  MirrorBitmap(strip);
  e.SunkEdge->Image = std::move(strip);
  e.SunkEdge->LeftWidth = w + 2;
  e.SunkEdge->RightWidth = 2;
}

std::int32_t SampleFrameColour(const SkinElements& e) {
  const TDataSkinBorder* top = e.FrameTop.get();
  if (!top || top->Image.Empty() || top->FrameCount <= 0) return e.Colours.ButtonFace;
  return static_cast<std::int32_t>(top->Image.Pixel(top->Image.Width() / 3, (top->Image.Height() / top->FrameCount) / 3));
}

void MakeToolbarBackground(SkinElements& e) {
  const std::int32_t c = e.FrameColour;
  const COLORREF top = MixColours(e.Colours.ButtonFace, 0xFFFFFF, 150);
  COLORREF bottom = MixColours(0x808080, c, 150);
  if (const int s = ColourSaturation(host::ColourToRgb(c)); s > 110) bottom = MixColours(c, 0xFFFFFF, (5625 - 25 * s) / 140 + 50);
  if (!e.Toolbar) {
    e.Toolbar = std::make_unique<TDataSkinObject>();
    e.Toolbar->Name = "Toolbar";
  }
  host::DibBitmap picture(10, 40);
  GradientFill(picture.Dc(), {0, 0, 10, 40}, static_cast<std::int32_t>(top), 1, static_cast<std::int32_t>(bottom));
  e.Toolbar->Image = std::move(picture);
  e.Toolbar->FrameCount = 1;
}

}  // namespace skin
