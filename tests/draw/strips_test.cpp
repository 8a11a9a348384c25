// Three-slice strips and single frames: where each piece lands.
#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "pictures.h"
#include "skin/draw/single_frame.h"
#include "skin/draw/strip.h"

using drawtest::Background;
using drawtest::BackgroundPixel;
using drawtest::CodedPicture;
using drawtest::kMagenta;
using drawtest::SourceOf;
using skin::Strip;

namespace {

// Source x of the coded pixel at (x, y), or -1 for a pixel not from the picture.
int SourceX(const host::DibBitmap& b, int x, int y) {
  const auto s = SourceOf(b.Pixel(x, y));
  return s ? s->x : -1;
}

// Every row of a strip drawn into rect must come from source rows 0..fh-1,
// top row first and rising with y, the same across the row.
void ExpectStretchedRows(const host::DibBitmap& b, const RECT& r, int fh) {
  int previous = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    const auto s = SourceOf(b.Pixel(r.left, y));
    ASSERT_TRUE(s) << y;
    ASSERT_GE(s->y, previous) << y;
    ASSERT_LT(s->y, fh) << y;
    if (y == r.top) {
      ASSERT_EQ(s->y, 0);
    }
    previous = s->y;
    for (int x = r.left; x < r.right; ++x) {
      const auto t = SourceOf(b.Pixel(x, y));
      if (t) {
        ASSERT_EQ(t->y, s->y) << x << ", " << y;
      }
    }
  }
}

const RECT kMargins{5, 0, 7, 0};

}  // namespace

TEST(DrawSkinStrip, LeftAndRightPiecesAtNaturalWidthAndTheMiddleTiled) {
  const auto image = CodedPicture(120, 10);  // three frames of 40 x 10
  auto target = Background(110, 30);
  const RECT r{3, 2, 103, 22};
  skin::DrawSkinStrip(target.GetCanvas(), r, image, kMargins, 2, 3, false, Strip::Horizontal);
  for (int x = 0; x < 100; ++x) {
    int want;
    if (x < 5) want = 40 + x;
    else if (x >= 93) want = x - 20;
    else want = 45 + (x - 5) % 28;
    ASSERT_EQ(SourceX(target, r.left + x, 10), want) << x;
  }
  ExpectStretchedRows(target, r, 10);
  EXPECT_EQ(target.Pixel(2, 10), BackgroundPixel(2, 10));
  EXPECT_EQ(target.Pixel(103, 10), BackgroundPixel(103, 10));
  EXPECT_EQ(target.Pixel(50, 1), BackgroundPixel(50, 1));
  EXPECT_EQ(target.Pixel(50, 22), BackgroundPixel(50, 22));
}

TEST(DrawSkinStrip, FramesStackedTopToBottom) {
  const auto image = CodedPicture(40, 20);  // two frames of 40 x 10
  auto target = Background(60, 20);
  skin::DrawSkinStrip(target.GetCanvas(), {0, 0, 60, 20}, image, kMargins, 2, 2, false, Strip::Vertical);
  const auto first = SourceOf(target.Pixel(0, 0));
  ASSERT_TRUE(first);
  EXPECT_EQ(first->x, 0);
  EXPECT_EQ(first->y, 10);
  EXPECT_EQ(SourceX(target, 59, 19), 39);
}

TEST(DrawSkinStrip, NoMiddleWhenTheMarginsFillTheFrame) {
  const auto image = CodedPicture(40, 10);
  auto target = Background(100, 10);
  skin::DrawSkinStrip(target.GetCanvas(), {0, 0, 100, 10}, image, {20, 0, 20, 0}, 1, 1, false, Strip::Horizontal);
  EXPECT_EQ(SourceX(target, 0, 5), 0);
  EXPECT_EQ(SourceX(target, 19, 5), 19);
  EXPECT_EQ(SourceX(target, 80, 5), 20);
  EXPECT_EQ(SourceX(target, 99, 5), 39);
}

TEST(DrawSkinStrip, KeyedStripKeepsTheDestinationUnderMagenta) {
  auto image = CodedPicture(40, 10);
  for (int y = 0; y < 10; ++y) image.SetPixel(12, y, kMagenta);
  auto target = Background(100, 20);
  skin::DrawSkinStrip(target.GetCanvas(), {0, 0, 100, 20}, image, kMargins, 1, 1, true, Strip::Horizontal);
  for (int x = 5; x < 93; ++x) {
    const bool key = (x - 5) % 28 == 7;
    for (int y = 0; y < 20; ++y) {
      if (key) {
        ASSERT_EQ(target.Pixel(x, y), BackgroundPixel(x, y)) << x << ", " << y;
      } else {
        ASSERT_EQ(SourceX(target, x, y), 5 + (x - 5) % 28) << x << ", " << y;
      }
    }
  }
}

TEST(DrawSkinStrip, UnsafeInputsDrawNothing) {
  const auto image = CodedPicture(40, 10);
  auto target = Background(50, 20);
  auto& canvas = target.GetCanvas();
  skin::DrawSkinStrip(canvas, {0, 0, 50, 20}, image, {30, 0, 30, 0}, 1, 1, false, Strip::Horizontal);
  skin::DrawSkinStrip(canvas, {0, 0, 50, 20}, image, kMargins, 1, 0, false, Strip::Horizontal);
  skin::DrawSkinStrip(canvas, {0, 0, 50, 20}, image, kMargins, 2, 1, false, Strip::Horizontal);
  skin::DrawSkinStrip(canvas, {50, 0, 0, 20}, image, kMargins, 1, 1, false, Strip::Horizontal);
  skin::DrawSkinStripDirect(target.Dc(), {0, 0, 50, 20}, image, {30, 0, 30, 0}, 1, 1, Strip::Horizontal);
  skin::DrawSkinStripDirect(target.Dc(), {0, 0, 50, 20}, image, kMargins, 0, 1, Strip::Horizontal);
  skin::DrawSkinStripDirect(target.Dc(), {50, 0, 0, 20}, image, kMargins, 1, 1, Strip::Horizontal);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 50; ++x) ASSERT_EQ(target.Pixel(x, y), BackgroundPixel(x, y)) << x << ", " << y;
}

TEST(DrawSkinStripDirect, StretchesTheMiddleBetweenNaturalWidthEnds) {
  const auto image = CodedPicture(120, 10);
  auto target = Background(110, 30);
  const RECT r{3, 2, 103, 22};
  skin::DrawSkinStripDirect(target.Dc(), r, image, kMargins, 2, 3, Strip::Horizontal);
  for (int x = 0; x < 5; ++x) ASSERT_EQ(SourceX(target, r.left + x, 10), 40 + x);
  for (int x = 93; x < 100; ++x) ASSERT_EQ(SourceX(target, r.left + x, 10), x - 20);
  int previous = 45;
  for (int x = 5; x < 93; ++x) {
    const int s = SourceX(target, r.left + x, 10);
    ASSERT_GE(s, previous) << x;
    ASSERT_LE(s, 72) << x;
    previous = s;
  }
  EXPECT_EQ(SourceX(target, r.left + 5, 10), 45);
  EXPECT_EQ(SourceX(target, r.left + 92, 10), 72);
  ExpectStretchedRows(target, r, 10);
  EXPECT_EQ(target.Pixel(103, 10), BackgroundPixel(103, 10));
}

TEST(DrawSkinStripDirect, AFrameWiderThanTheRectangleIsStretchedWhole) {
  const auto image = CodedPicture(120, 10);
  auto target = Background(40, 20);
  SetStretchBltMode(target.Dc(), COLORONCOLOR);
  skin::DrawSkinStripDirect(target.Dc(), {0, 0, 30, 20}, image, kMargins, 2, 3, Strip::Horizontal);
  EXPECT_EQ(SourceX(target, 0, 0), 40);
  EXPECT_GE(SourceX(target, 29, 0), 77);
  int previous = 40;
  for (int x = 0; x < 30; ++x) {
    const int s = SourceX(target, x, 5);
    ASSERT_GE(s, previous);
    ASSERT_LT(s, 80);
    previous = s;
  }
  EXPECT_EQ(target.Pixel(30, 5), BackgroundPixel(30, 5));
}

TEST(CenterSkinFrame, AFrameWiderThanTheRectangleOverhangsBothSidesEvenly) {
  const auto image = CodedPicture(21, 5);  // three frames of 7 x 5
  auto target = Background(30, 30);
  skin::CenterSkinFrame(target.Dc(), {10, 10, 14, 20}, image, 2, 3, false);
  // (4 - 7) / 2 truncates to -1; (10 - 5) / 2 is 2.
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      const bool inside = x >= 9 && x < 16 && y >= 12 && y < 17;
      const COLORREF want = inside ? RGB(7 + x - 9, y - 12, 7) : BackgroundPixel(x, y);
      ASSERT_EQ(target.Pixel(x, y), want) << x << ", " << y;
    }
  }
}

TEST(CenterSkinFrame, KeyedFrameAtNaturalSize) {
  auto image = CodedPicture(20, 6);  // two frames of 10 x 6
  image.SetPixel(13, 2, kMagenta);
  auto target = Background(40, 40);
  skin::CenterSkinFrame(target.Dc(), {0, 0, 40, 40}, image, 2, 2, true);
  EXPECT_EQ(target.Pixel(15, 17), RGB(10, 0, 7));
  EXPECT_EQ(target.Pixel(18, 19), BackgroundPixel(18, 19));
  EXPECT_EQ(target.Pixel(24, 22), RGB(19, 5, 7));
  EXPECT_EQ(target.Pixel(14, 17), BackgroundPixel(14, 17));
}

TEST(CenterSkinFrame, InvalidFramesDrawNothing) {
  const auto image = CodedPicture(20, 6);
  auto target = Background(20, 20);
  skin::CenterSkinFrame(target.Dc(), {0, 0, 20, 20}, image, 3, 2, false);
  skin::CenterSkinFrame(target.Dc(), {0, 0, 20, 20}, image, 1, 0, true);
  skin::CenterSkinFrame(target.Dc(), {20, 0, 0, 20}, image, 1, 1, false);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(target.Pixel(x, y), BackgroundPixel(x, y));
}

TEST(StretchSkinFrame, TheWholeFrameFillsTheRectangle) {
  const auto image = CodedPicture(30, 10);  // three frames of 10 x 10
  auto target = Background(50, 30);
  skin::StretchSkinFrame(target.Dc(), {5, 5, 45, 25}, image, 2, 3, false);
  EXPECT_EQ(target.Pixel(5, 5), RGB(10, 0, 7));
  EXPECT_EQ(target.Pixel(44, 24), RGB(19, 9, 7));
  EXPECT_EQ(target.Pixel(4, 5), BackgroundPixel(4, 5));
  EXPECT_EQ(target.Pixel(45, 24), BackgroundPixel(45, 24));
}

TEST(StretchSkinFrame, KeyedOnACanvas) {
  auto image = CodedPicture(30, 10);
  image.SetPixel(10, 0, kMagenta);
  auto target = Background(50, 30);
  skin::StretchSkinFrame(target.GetCanvas(), {5, 5, 45, 25}, image, 2, 3, true);
  // Frame pixel (0, 0) covers a 4 x 2 block at the rectangle's corner.
  for (int y = 5; y < 7; ++y)
    for (int x = 5; x < 9; ++x) EXPECT_EQ(target.Pixel(x, y), BackgroundPixel(x, y)) << x << ", " << y;
  EXPECT_EQ(target.Pixel(9, 5), RGB(11, 0, 7));
  EXPECT_EQ(target.Pixel(44, 24), RGB(19, 9, 7));
}

TEST(SingleFrames, HugeRectanglesDrawNothing) {
  const auto image = CodedPicture(30, 10);
  auto target = Background(20, 20);
  const RECT huge{-0x40000000, -0x40000000, 0x40000000, 0x40000000};
  skin::StretchSkinFrame(target.Dc(), huge, image, 1, 3, false);
  skin::CenterSkinFrame(target.Dc(), huge, image, 1, 3, false);
  skin::DrawSkinStrip(target.GetCanvas(), huge, image, kMargins, 1, 3, false, Strip::Horizontal);
  skin::DrawSkinStripDirect(target.Dc(), huge, image, kMargins, 1, 3, Strip::Horizontal);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(target.Pixel(x, y), BackgroundPixel(x, y));
}
