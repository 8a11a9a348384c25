#include "skin/data/derived_pictures.h"

#include <windows.h>

#include "host/graphics/canvas.h"
#include "host/core/colour.h"
#include "skin/draw/bitmap_effects.h"
#include "skin/draw/colours.h"
#include "skin/draw/gradient.h"
#include "skin/draw/single_frame.h"
#include "skin/draw/skin_element.h"

namespace skin {
namespace {
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kCellWidth = 50;
constexpr int kCellHeight = 21;
}  // namespace

void ComposeComboPictures(SkinElements& e) {
  if (!e.SunkEdge || !e.ComboButton) return;
  const int w = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const int n = e.SunkEdge->FrameCount;
  if (n <= 0) return;

  host::DibBitmap strip(kCellWidth * n, kCellHeight);
  strip.GetCanvas().SetBrushColour(kMagenta);
  strip.GetCanvas().FillRect({0, 0, kCellWidth * n, kCellHeight});
  host::DibBitmap cell(kCellWidth, kCellHeight);
  host::Canvas& canvas = cell.GetCanvas();
  canvas.SetBrushColour(kMagenta);
  const RECT button{kCellWidth - w, 0, kCellWidth, kCellHeight};
  for (int k = 1; k <= n; ++k) {
    canvas.FillRect({0, 0, kCellWidth, kCellHeight});
    DrawSkinElement(cell.Dc(), {0, 0, kCellWidth, kCellHeight}, e.SunkEdge->Image, e.SunkEdge->Margins(), k, n,
                    e.SunkEdge->Trans == 1, false, Strip::Horizontal);
    DrawSkinElement(cell.Dc(), button, e.ComboButton->Image, e.ComboButton->Margins(), k,
                    e.ComboButton->FrameCount, true, false, Strip::Horizontal);
    if (e.ExtraImages) CenterSkinFrame(cell.Dc(), button, e.ExtraImages->Image, k, e.ExtraImages->FrameCount, true);
    canvas.FillRect({2, 2, kCellWidth - 1 - w, kCellHeight - 3});
    BitBlt(strip.Dc(), kCellWidth * (k - 1), 0, kCellWidth, kCellHeight, cell.Dc(), 0, 0, SRCCOPY);
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
