// Nine-slice rendering: which source pixel lands on which destination pixel.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

#include "pictures.h"
#include "skin/data/descriptors.h"
#include "skin/draw/composed_pictures.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/draw/skin_element.h"

using drawtest::Background;
using drawtest::BackgroundPixel;
using drawtest::CodedPicture;
using drawtest::SourceOf;
using skin::ComposeSkinElement;
using skin::Strip;

namespace {

struct Span {
  int lo, hi;  // allowed source coordinates, inclusive
};

// Where destination coordinate d of an axis of length `size` may come from,
// for margins a (start) and b (end) already adjusted, frame origin f and
// frame length fl. Margins copy 1:1, the middle stretches or tiles.
Span Allowed(int d, int size, int a, int b, int f, int fl, bool tiled_middle) {
  if (d < a) return {f + d, f + d};
  if (d >= size - b) return {f + fl - (size - d), f + fl - (size - d)};
  if (tiled_middle) {
    const int s = f + a + (d - a) % (fl - a - b);
    return {s, s};
  }
  return {f + a, f + fl - b - 1};
}

// Checks every pixel of a composed picture; returns the first fault found.
std::string CheckNineSlice(const host::DibBitmap& out, RECT m, int fx, int fy, int fw, int fh, bool tile) {
  const int W = out.Width(), H = out.Height();
  if (m.left + m.right > W) m.left = m.right = 0;
  if (m.top + m.bottom > H) m.top = m.bottom = 0;
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      const auto s = SourceOf(out.Pixel(x, y));
      std::ostringstream where;
      where << "at (" << x << ", " << y << ")";
      if (!s) return "not from the picture " + where.str();
      const bool centre_x = x >= m.left && x < W - m.right;
      const bool centre_y = y >= m.top && y < H - m.bottom;
      const bool tiled = tile && centre_x && centre_y;
      const Span sx = Allowed(x, W, m.left, m.right, fx, fw, tiled);
      const Span sy = Allowed(y, H, m.top, m.bottom, fy, fh, tiled);
      if (s->x < sx.lo || s->x > sx.hi || s->y < sy.lo || s->y > sy.hi) {
        where << " source (" << s->x << ", " << s->y << ") outside x " << sx.lo << ".." << sx.hi << ", y " << sy.lo
              << ".." << sy.hi;
        return where.str();
      }
    }
  }
  return "";
}

const RECT kMargins{5, 6, 7, 8};

}  // namespace

TEST(NineSlice, MarginsThatFitKeepCornersAndEdgesInPlace) {
  const auto image = CodedPicture(30, 30);
  const auto out = ComposeSkinElement({0, 0, 61, 47}, image, kMargins, 1, 1, false, Strip::Horizontal);
  ASSERT_EQ(out.Width(), 61);
  ASSERT_EQ(out.Height(), 47);
  EXPECT_EQ(CheckNineSlice(out, kMargins, 0, 0, 30, 30, false), "");
  // The corners are the picture's own corners.
  EXPECT_EQ(out.Pixel(0, 0), RGB(0, 0, 7));
  EXPECT_EQ(out.Pixel(60, 46), RGB(29, 29, 7));
  EXPECT_EQ(out.Pixel(60 - 6, 0), RGB(23, 0, 7));
}

TEST(NineSlice, WidthBelowBothMarginsDropsLeftAndRightSlices) {
  const auto image = CodedPicture(30, 30);
  const auto out = ComposeSkinElement({0, 0, 11, 40}, image, kMargins, 1, 1, false, Strip::Horizontal);
  EXPECT_EQ(CheckNineSlice(out, kMargins, 0, 0, 30, 30, false), "");
  // The top edge now runs over the whole width and reaches into the
  // picture's right margin; the top margin still applies.
  EXPECT_LT(GetRValue(out.Pixel(0, 0)), 5);
  EXPECT_GE(GetRValue(out.Pixel(10, 0)), 30 - 7);
  EXPECT_EQ(GetGValue(out.Pixel(10, 5)), 5);
}

TEST(NineSlice, WidthEqualToBothMarginsLeavesAnEmptyCentre) {
  const auto image = CodedPicture(30, 30);
  for (bool tile : {false, true}) {
    const auto out = ComposeSkinElement({0, 0, 12, 40}, image, kMargins, 1, 1, tile, Strip::Horizontal);
    EXPECT_EQ(CheckNineSlice(out, kMargins, 0, 0, 30, 30, tile), "") << "tile " << tile;
    EXPECT_EQ(GetRValue(out.Pixel(4, 20)), 4);
    EXPECT_EQ(GetRValue(out.Pixel(5, 20)), 23);
  }
}

TEST(NineSlice, WidthAboveBothMarginsStretchesTheCentre) {
  const auto image = CodedPicture(30, 30);
  const auto out = ComposeSkinElement({0, 0, 13, 40}, image, kMargins, 1, 1, false, Strip::Horizontal);
  EXPECT_EQ(CheckNineSlice(out, kMargins, 0, 0, 30, 30, false), "");
}

TEST(NineSlice, HeightBelowBothMarginsDropsTopAndBottomSlices) {
  const auto image = CodedPicture(30, 30);
  const auto out = ComposeSkinElement({0, 0, 40, 13}, image, kMargins, 1, 1, false, Strip::Horizontal);
  EXPECT_EQ(CheckNineSlice(out, kMargins, 0, 0, 30, 30, false), "");
  EXPECT_EQ(out.Pixel(0, 0), RGB(0, 0, 7));
}

TEST(NineSlice, ZeroTopMarginLetsTheSideEdgesStartAtTheTop) {
  const auto image = CodedPicture(30, 30);
  const RECT m{5, 0, 7, 8};
  const auto out = ComposeSkinElement({0, 0, 50, 50}, image, m, 1, 1, false, Strip::Horizontal);
  EXPECT_EQ(CheckNineSlice(out, m, 0, 0, 30, 30, false), "");
  // Row 0 of the left column is the left edge, stretched from source rows 0..21.
  for (int y = 0; y < 42; ++y) EXPECT_EQ(GetRValue(out.Pixel(0, y)), 0) << y;
  EXPECT_EQ(out.Pixel(0, 0), RGB(0, 0, 7));
  EXPECT_GE(GetGValue(out.Pixel(0, 41)), 20);
}

TEST(NineSlice, ZeroLeftMarginLetsTopAndBottomEdgesStartAtTheLeft) {
  const auto image = CodedPicture(30, 30);
  const RECT m{0, 6, 7, 8};
  const auto out = ComposeSkinElement({0, 0, 50, 50}, image, m, 1, 1, true, Strip::Horizontal);
  EXPECT_EQ(CheckNineSlice(out, m, 0, 0, 30, 30, true), "");
}

TEST(NineSlice, TiledCentreRepeatsAtNaturalSizeAndItsSpillIsCovered) {
  const auto image = CodedPicture(30, 30);
  const RECT m{10, 10, 10, 10};
  const auto out = ComposeSkinElement({0, 0, 45, 45}, image, m, 1, 1, true, Strip::Horizontal);
  EXPECT_EQ(CheckNineSlice(out, m, 0, 0, 30, 30, true), "");
  // The third tile would have drawn source column 15 at x = 35; the right
  // edge covers it with its own first column.
  EXPECT_EQ(GetRValue(out.Pixel(35, 20)), 20);
  EXPECT_EQ(GetGValue(out.Pixel(20, 35)), 20);
  EXPECT_EQ(out.Pixel(35, 35), RGB(20, 20, 7));
  EXPECT_EQ(out.Pixel(34, 34), RGB(14, 14, 7));
}

TEST(NineSlice, FrameTwoOfThreeSideBySide) {
  const auto image = CodedPicture(90, 20);
  const auto out = ComposeSkinElement({0, 0, 30, 20}, image, {}, 2, 3, false, Strip::Horizontal);
  EXPECT_EQ(CheckNineSlice(out, {}, 30, 0, 30, 20, false), "");
  EXPECT_EQ(out.Pixel(0, 0), RGB(30, 0, 7));
  EXPECT_EQ(out.Pixel(29, 19), RGB(59, 19, 7));
}

TEST(NineSlice, FrameTwoOfTwoStacked) {
  const auto image = CodedPicture(90, 20);
  const RECT m{3, 2, 4, 1};
  const auto out = ComposeSkinElement({0, 0, 120, 25}, image, m, 2, 2, false, Strip::Vertical);
  EXPECT_EQ(CheckNineSlice(out, m, 0, 10, 90, 10, false), "");
  EXPECT_EQ(out.Pixel(0, 0), RGB(0, 10, 7));
  EXPECT_EQ(out.Pixel(119, 24), RGB(89, 19, 7));
}

TEST(NineSlice, TiledCentreOfALaterFrameStaysInsideThatFrame) {
  const auto image = CodedPicture(90, 30);
  const RECT m{4, 4, 4, 4};
  const auto out = ComposeSkinElement({0, 0, 100, 70}, image, m, 3, 3, true, Strip::Horizontal);
  EXPECT_EQ(CheckNineSlice(out, m, 60, 0, 30, 30, true), "");
}

TEST(NineSlice, NothingToDrawGivesNoPicture) {
  const auto image = CodedPicture(90, 20);
  EXPECT_TRUE(ComposeSkinElement({0, 0, 30, 20}, image, {}, 1, 0, false, Strip::Horizontal).Empty());
  EXPECT_TRUE(ComposeSkinElement({0, 0, 30, 20}, image, {}, 0, 3, false, Strip::Horizontal).Empty());
  EXPECT_TRUE(ComposeSkinElement({0, 0, 30, 20}, image, {}, 4, 3, false, Strip::Horizontal).Empty());
  EXPECT_TRUE(ComposeSkinElement({0, 0, 30, 20}, image, {}, -1, 3, false, Strip::Horizontal).Empty());
  EXPECT_TRUE(ComposeSkinElement({0, 0, 30, 20}, image, {}, 1, 91, false, Strip::Horizontal).Empty());
  EXPECT_TRUE(ComposeSkinElement({10, 0, 5, 20}, image, {}, 1, 1, false, Strip::Horizontal).Empty());
  EXPECT_TRUE(ComposeSkinElement({0, 0, 0, 20}, image, {}, 1, 1, false, Strip::Horizontal).Empty());
  EXPECT_TRUE(ComposeSkinElement({0, 0, 30, 20}, host::DibBitmap(), {}, 1, 1, false, Strip::Horizontal).Empty());
}

TEST(NineSlice, MarginsWiderThanTheFrameDrawNothing) {
  const auto image = CodedPicture(90, 20);
  // Frames are 30 wide; 20 + 20 fits a 100-wide destination but not the frame.
  EXPECT_TRUE(ComposeSkinElement({0, 0, 100, 50}, image, {20, 0, 20, 0}, 1, 3, false, Strip::Horizontal).Empty());
  EXPECT_TRUE(ComposeSkinElement({0, 0, 100, 50}, image, {0, 15, 0, 15}, 1, 3, true, Strip::Horizontal).Empty());
  EXPECT_TRUE(ComposeSkinElement({0, 0, 100, 50}, image, {-2, 0, 0, 0}, 1, 3, false, Strip::Horizontal).Empty());
  // Margins that fall back because the destination is too small are fine.
  EXPECT_FALSE(ComposeSkinElement({0, 0, 30, 20}, image, {20, 0, 20, 0}, 1, 3, false, Strip::Horizontal).Empty());
}

TEST(DrawSkinElement, PutsTheRenderingAtTheRectangle) {
  const auto image = CodedPicture(30, 30);
  auto target = Background(80, 60);
  const RECT r{10, 5, 50, 45};
  skin::DrawSkinElement(target.Dc(), r, image, kMargins, 1, 1, false, false, Strip::Horizontal);
  const auto expected = ComposeSkinElement(r, image, kMargins, 1, 1, false, Strip::Horizontal);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 80; ++x) {
      const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      const COLORREF want = inside ? expected.Pixel(x - r.left, y - r.top) : BackgroundPixel(x, y);
      ASSERT_EQ(target.Pixel(x, y), want) << x << ", " << y;
    }
  }
}

// With the shared compose bitmap, left larger and full of an earlier
// element, the drawing is the same as with a bitmap of its own; and drawn
// onto a bitmap, keyed in memory, the same as through the bitmap's DC, also
// where the rectangle runs past the bitmap's edges.
TEST(DrawSkinElement, TheSharedComposeBitmapAndABitmapTargetDrawAsANewBitmapThroughADCWould) {
  auto image = CodedPicture(30, 30);
  for (int x = 5; x < 25; ++x) image.SetPixel(x, 12, drawtest::kMagenta);
  const RECT rects[] = {{10, 5, 50, 45}, {60, 40, 70, 50}, {65, 45, 95, 75}, {-12, -7, 8, 13}};
  const auto draw = [&](bool keyed, bool onto_bitmap) {
    auto target = Background(80, 60);
    for (const RECT& r : rects) {
      if (onto_bitmap)
        skin::DrawSkinElement(target, r, image, kMargins, 1, 1, keyed, false, Strip::Horizontal);
      else
        skin::DrawSkinElement(target.Dc(), r, image, kMargins, 1, 1, keyed, false, Strip::Horizontal);
    }
    return target;
  };
  const host::DibBitmap own[] = {draw(false, false), draw(true, false)};
  skin::CreateScratchBitmap();
  auto other = Background(200, 120);
  skin::DrawSkinElement(other.Dc(), {0, 0, 200, 120}, CodedPicture(60, 40), {}, 1, 1, false, true, Strip::Horizontal);
  const host::DibBitmap shared[] = {draw(false, false), draw(true, false)};
  const host::DibBitmap onto[] = {draw(false, true), draw(true, true)};
  skin::FreeScratchBitmap();
  for (int keyed = 0; keyed < 2; ++keyed) {
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 80; ++x) {
        ASSERT_EQ(shared[keyed].Pixel(x, y), own[keyed].Pixel(x, y)) << keyed << ": " << x << ", " << y;
        ASSERT_EQ(onto[keyed].Pixel(x, y), own[keyed].Pixel(x, y)) << keyed << ": " << x << ", " << y;
      }
    }
  }
}

TEST(DrawSkinElement, InvalidFramesLeaveTheDestinationAlone) {
  const auto image = CodedPicture(90, 20);
  auto target = Background(40, 40);
  for (auto [k, n] : std::initializer_list<std::pair<int, int>>{{1, 0}, {0, 3}, {4, 3}, {1, -2}}) {
    skin::DrawSkinElement(target.Dc(), {0, 0, 40, 40}, image, {}, k, n, false, false, Strip::Horizontal);
    skin::DrawSkinElement(target.Dc(), {0, 0, 40, 40}, image, {}, k, n, true, true, Strip::Vertical);
  }
  // 18 + 18 fits the destination but not a 30-wide frame.
  skin::DrawSkinElement(target.Dc(), {0, 0, 40, 40}, image, {18, 0, 18, 0}, 1, 3, false, false, Strip::Horizontal);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(target.Pixel(x, y), BackgroundPixel(x, y)) << x << ", " << y;
}

TEST(DrawSkinObject, ReadsPictureMarginsTilingAndKeyFromTheDescriptor) {
  skin::TDataSkinObject element;
  element.Image = CodedPicture(60, 30);
  element.LeftWidth = 4;
  element.TopHeight = 3;
  element.RightWidth = 5;
  element.BottomHeight = 2;
  element.Tile = 1;
  element.Trans = 0;
  element.Image.SetPixel(40, 10, drawtest::kMagenta);
  auto target = Background(70, 50);
  const RECT r{0, 0, 70, 50};
  skin::DrawSkinObject(target.Dc(), r, 2, 2, element);
  const auto expected = ComposeSkinElement(r, element.Image, element.Margins(), 2, 2, true, Strip::Horizontal);
  int magenta = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 70; ++x) {
      ASSERT_EQ(target.Pixel(x, y), expected.Pixel(x, y)) << x << ", " << y;
      magenta += expected.Pixel(x, y) == drawtest::kMagenta;
    }
  EXPECT_GT(magenta, 0);  // opaque: the key colour is copied like any other

  element.Trans = 1;
  auto keyed = Background(70, 50);
  skin::DrawSkinObject(keyed.Dc(), r, 2, 2, element);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 70; ++x) {
      const COLORREF e = expected.Pixel(x, y);
      ASSERT_EQ(keyed.Pixel(x, y), e == drawtest::kMagenta ? BackgroundPixel(x, y) : e) << x << ", " << y;
    }
}

// The same element at the same size is composed once and shared; the least
// lately asked for of five sizes gives way; a cleared cache composes anew.
TEST(ComposedPictures, ShareOnePicturePerElementAndSizeAmongTheLatestFour) {
  skin::TDataSkinObject element, other;
  element.Image = CodedPicture(30, 30);
  other.Image = CodedPicture(30, 30);
  skin::ComposedPictures cache;
  const auto first = cache.At(element, {60, 40});
  ASSERT_TRUE(first);
  const auto expected = ComposeSkinElement({0, 0, 60, 40}, element.Image, element.Margins(), 1, 1, false,
                                           Strip::Horizontal);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) ASSERT_EQ(first->Pixel(x, y), expected.Pixel(x, y)) << x << ", " << y;
  EXPECT_EQ(cache.At(element, {60, 40}), first);
  const auto other_first = cache.At(other, {60, 40});
  EXPECT_NE(other_first, first);
  EXPECT_NE(cache.At(element, {61, 40}), first);
  cache.At(element, {62, 40});
  EXPECT_EQ(cache.At(element, {60, 40}), first) << "asked for again: the latest";
  cache.At(element, {63, 40});
  cache.At(element, {64, 40});  // {60, 40} stays; the other element's picture gives way
  EXPECT_EQ(cache.At(element, {60, 40}), first);
  EXPECT_NE(cache.At(other, {60, 40}), other_first);
  cache.Clear();
  EXPECT_NE(cache.At(element, {60, 40}), first);
  EXPECT_EQ(first->Width(), 60) << "a picture handed out stays whole";
  EXPECT_FALSE(cache.At(element, {0, 40}));
}

TEST(TileBitmap, RepeatsWholeTilesAcrossThenDown) {
  const auto image = CodedPicture(20, 20);
  auto target = Background(40, 40);
  skin::TileBitmap(target.GetCanvas(), {2, 3, 20, 15}, image, {4, 5, 9, 9});
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      // Tiles of 5 x 4 from (2, 3): the last column starts at 17, the last row at 11.
      const bool inside = x >= 2 && x < 22 && y >= 3 && y < 15;
      const COLORREF want = inside ? RGB(4 + (x - 2) % 5, 5 + (y - 3) % 4, 7) : BackgroundPixel(x, y);
      ASSERT_EQ(target.Pixel(x, y), want) << x << ", " << y;
    }
}

TEST(TileBitmap, SourceRectanglesOutsideThePictureDrawNothing) {
  const auto image = CodedPicture(20, 20);
  auto target = Background(40, 40);
  skin::TileBitmap(target.GetCanvas(), {0, 0, 40, 40}, image, {15, 0, 25, 10});
  skin::TileBitmap(target.GetCanvas(), {0, 0, 40, 40}, image, {-1, 0, 5, 10});
  skin::TileBitmap(target.GetCanvas(), {0, 0, 40, 40}, image, {5, 5, 5, 10});
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(target.Pixel(x, y), BackgroundPixel(x, y));
}

TEST(NineSlice, RectanglesTooLargeToAllocateDrawNothing) {
  const auto image = CodedPicture(30, 30);
  for (RECT r : {RECT{0, 0, 1 << 20, 1 << 20}, RECT{0, 0, 0x7FFFFFFF, 2}, RECT{-0x40000000, 0, 0x40000000, 5}}) {
    EXPECT_TRUE(ComposeSkinElement(r, image, kMargins, 1, 1, true, Strip::Horizontal).Empty());
  }
}
