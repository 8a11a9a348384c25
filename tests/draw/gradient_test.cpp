// Gradient tables, their cache, and line-by-line gradient fills.
#include <gtest/gtest.h>

#include "host/core/colour.h"
#include "pictures.h"
#include "skin/draw/gradient.h"

using skin::GradientCache;

TEST(GradientTable, LengthOneIsTheMidpoint) {
  GradientCache cache;
  const auto& t = cache.Table(1, RGB(0, 100, 200), RGB(255, 101, 0));
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0], RGB(127, 100, 100));
}

TEST(GradientTable, RisingRedOneStepPerLine) {
  GradientCache cache;
  const auto& t = cache.Table(256, RGB(0, 0, 0), RGB(255, 0, 0));
  ASSERT_EQ(t.size(), 256u);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(t[static_cast<size_t>(i)], RGB(i, 0, 0)) << i;
}

TEST(GradientTable, FallingComponentsEndOnTheEndColour) {
  GradientCache cache;
  const auto& t = cache.Table(256, RGB(255, 0, 200), RGB(0, 255, 10));
  EXPECT_EQ(t.front(), RGB(255, 0, 200));
  EXPECT_EQ(t.back(), RGB(0, 255, 10));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(GetRValue(t[static_cast<size_t>(i)]), 255 - i) << i;
  const auto& short_table = cache.Table(3, RGB(0, 0, 9), RGB(0, 0, 0));
  EXPECT_EQ(short_table[1], RGB(0, 0, 4));
  EXPECT_EQ(short_table[2], RGB(0, 0, 0));
}

TEST(GradientCache, TheSameGradientIsBuiltOnce) {
  GradientCache cache;
  const auto* first = &cache.Table(40, RGB(1, 2, 3), RGB(200, 100, 50));
  const auto* falling = &cache.Table(40, RGB(200, 100, 50), RGB(1, 2, 3));
  const auto* single = &cache.Table(1, RGB(0, 0, 0), RGB(9, 9, 9));
  EXPECT_EQ(cache.Builds(), 3);
  EXPECT_EQ(&cache.Table(40, RGB(1, 2, 3), RGB(200, 100, 50)), first);
  EXPECT_EQ(&cache.Table(40, RGB(200, 100, 50), RGB(1, 2, 3)), falling);
  EXPECT_EQ(&cache.Table(1, RGB(0, 0, 0), RGB(9, 9, 9)), single);
  EXPECT_EQ(cache.Builds(), 3);
  cache.Table(41, RGB(1, 2, 3), RGB(200, 100, 50));
  EXPECT_EQ(cache.Builds(), 4);
}

TEST(GradientCache, HoldsSixteenTablesAndReusesTheOldestSlot) {
  GradientCache cache;
  for (int n = 1; n <= 16; ++n) cache.Table(n + 10, 0, RGB(255, 255, 255));
  EXPECT_EQ(cache.Builds(), 16);
  for (int n = 1; n <= 16; ++n) cache.Table(n + 10, 0, RGB(255, 255, 255));
  EXPECT_EQ(cache.Builds(), 16);
  cache.Table(100, 0, RGB(255, 255, 255));  // takes the first slot
  EXPECT_EQ(cache.Builds(), 17);
  for (int n = 2; n <= 16; ++n) cache.Table(n + 10, 0, RGB(255, 255, 255));
  EXPECT_EQ(cache.Builds(), 17);
  cache.Table(11, 0, RGB(255, 255, 255));
  EXPECT_EQ(cache.Builds(), 18);
  EXPECT_TRUE(cache.Table(0, 0, 1).empty());
}

TEST(GradientFill, TopToBottomPaintsWholeLinesInTableOrder) {
  auto target = drawtest::Filled(20, 256, RGB(0, 0, 99));
  skin::GradientFill(target.Dc(), {0, 0, 10, 256}, RGB(0, 0, 0), 1, RGB(255, 0, 0));
  for (int y = 0; y < 256; ++y) {
    ASSERT_EQ(target.Pixel(0, y), RGB(y, 0, 0)) << y;
    ASSERT_EQ(target.Pixel(9, y), RGB(y, 0, 0)) << y;
    ASSERT_EQ(target.Pixel(10, y), RGB(0, 0, 99)) << y;
  }
}

TEST(GradientFill, LeftToRight) {
  auto target = drawtest::Filled(300, 5, RGB(0, 0, 99));
  skin::GradientFill(target.Dc(), {10, 1, 266, 4}, RGB(0, 255, 0), 0, RGB(0, 0, 0));
  for (int x = 10; x < 266; ++x) ASSERT_EQ(target.Pixel(x, 2), RGB(0, 255 - (x - 10), 0)) << x;
  EXPECT_EQ(target.Pixel(9, 2), RGB(0, 0, 99));
  EXPECT_EQ(target.Pixel(266, 2), RGB(0, 0, 99));
  EXPECT_EQ(target.Pixel(20, 0), RGB(0, 0, 99));
  EXPECT_EQ(target.Pixel(20, 4), RGB(0, 0, 99));
}

TEST(GradientFill, OnlyLinesInsideTheClipBoxArePaintedWithTheirOwnColours) {
  auto target = drawtest::Filled(20, 256, RGB(0, 0, 99));
  HDC dc = target.Dc();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, 0, 100, 20, 150);
  skin::GradientFill(dc, {0, 0, 20, 256}, RGB(0, 0, 0), 1, RGB(255, 0, 0));
  RestoreDC(dc, saved);
  for (int y = 0; y < 256; ++y) {
    const COLORREF want = y >= 100 && y < 150 ? RGB(y, 0, 0) : RGB(0, 0, 99);
    ASSERT_EQ(target.Pixel(5, y), want) << y;
  }
}

TEST(GradientFill, NothingWhenInvisibleOrEmpty) {
  auto target = drawtest::Filled(20, 20, RGB(0, 0, 99));
  skin::GradientFill(target.Dc(), {30, 30, 40, 40}, 0, 1, RGB(255, 255, 255));
  skin::GradientFill(target.Dc(), {5, 10, 15, 10}, 0, 1, RGB(255, 255, 255));
  skin::GradientFill(target.Dc(), {10, 5, 5, 15}, 0, 0, RGB(255, 255, 255));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(target.Pixel(x, y), RGB(0, 0, 99));
}

TEST(GradientFill, SystemColoursAreResolved) {
  auto target = drawtest::Filled(4, 2, RGB(0, 0, 99));
  const auto face = host::SystemColour(COLOR_BTNFACE);
  skin::GradientFill(target.Dc(), {0, 0, 4, 2}, face, 1, face);
  EXPECT_EQ(target.Pixel(0, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(target.Pixel(3, 1), GetSysColor(COLOR_BTNFACE));
}

TEST(GradientFill, RectanglesLongerThanAnySurfaceAreNotPainted) {
  auto target = drawtest::Filled(8, 8, RGB(0, 0, 99));
  skin::GradientFill(target.Dc(), {0, -0x40000000, 8, 0x40000000}, 0, 1, RGB(255, 255, 255));
  skin::GradientFill(target.Dc(), {-0x7FFFFFFF, 0, 0x7FFFFFFF, 8}, 0, 0, RGB(255, 255, 255));
  EXPECT_EQ(target.Pixel(4, 4), RGB(0, 0, 99));
}
