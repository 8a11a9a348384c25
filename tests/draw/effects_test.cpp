// Bitmap effects and colour arithmetic.
#include <gtest/gtest.h>

#include "host/core/colour.h"
#include "pictures.h"
#include "skin/draw/bitmap_copy.h"
#include "skin/draw/bitmap_effects.h"
#include "skin/draw/colours.h"

using drawtest::CodedPicture;
using host::PixelFormat;

TEST(MixColours, WeightsBelowAHundredArePercent) {
  EXPECT_EQ(skin::MixColours(0xFFFFFF, 0x000000, 50), 0x808080u);
  EXPECT_EQ(skin::MixColours(0x0000FF, 0xFF0000, 0), 0xFF0000u);
  EXPECT_EQ(skin::MixColours(RGB(100, 0, 0), RGB(0, 0, 0), 99), RGB(99, 0, 0));
}

TEST(MixColours, WeightsFromAHundredArePerMille) {
  EXPECT_EQ(skin::MixColours(0xFFFFFF, 0x000000, 150), 0x262626u);
  EXPECT_EQ(skin::MixColours(0xFFFFFF, 0x000000, 100), RGB(26, 26, 26));
  EXPECT_EQ(skin::MixColours(RGB(10, 20, 30), RGB(200, 100, 0), 1000), RGB(10, 20, 30));
}

TEST(MixColours, SystemColoursAreResolvedFirst) {
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(skin::MixColours(host::SystemColour(COLOR_WINDOW), 0, 99), skin::MixColours(window, 0, 99));
  EXPECT_EQ(skin::MixColours(0, host::SystemColour(COLOR_WINDOW), 0), window);
}

TEST(ColourSaturation, DarkColoursGiveTwoHundred) {
  EXPECT_EQ(skin::ColourSaturation(0x808080), 200);
  EXPECT_EQ(skin::ColourSaturation(RGB(159, 0, 0)), 200);
  EXPECT_EQ(skin::ColourSaturation(0), 200);
}

TEST(ColourSaturation, BrightColoursScaleToByteRange) {
  EXPECT_EQ(skin::ColourSaturation(0x0000FF), 255);
  EXPECT_EQ(skin::ColourSaturation(0xFFFFFF), 0);
  EXPECT_EQ(skin::ColourSaturation(RGB(160, 80, 80)), 128);  // 127.5 rounds to even
  EXPECT_EQ(skin::ColourSaturation(RGB(170, 169, 169)), 2);  // 1.5 rounds to even
  EXPECT_EQ(skin::ColourSaturation(RGB(204, 202, 202)), 2);  // 2.5 rounds to even
  EXPECT_EQ(skin::ColourSaturation(RGB(170, 167, 167)), 4);  // 4.5 rounds to even
  EXPECT_EQ(skin::ColourSaturation(RGB(200, 100, 150)), 128);
}

TEST(Mirror, EachRowIsReversed) {
  for (auto format : {PixelFormat::Bits24, PixelFormat::Bits32}) {
    auto b = CodedPicture(5, 3, format);
    skin::MirrorBitmap(b);
    ASSERT_EQ(b.Width(), 5);
    ASSERT_EQ(b.Height(), 3);
    EXPECT_EQ(b.Format(), format);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) ASSERT_EQ(b.Pixel(x, y), RGB(4 - x, y, 7)) << x << ", " << y;
  }
}

TEST(Flip, RowsAreReversed) {
  auto b = CodedPicture(5, 3);
  skin::FlipBitmap(b);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) ASSERT_EQ(b.Pixel(x, y), RGB(x, 2 - y, 7));
}

TEST(Rotate, LeftTurnsCounterClockwise) {
  auto b = CodedPicture(5, 3);
  skin::RotateBitmapLeft(b);
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 5);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) ASSERT_EQ(b.Pixel(y, 4 - x), RGB(x, y, 7)) << x << ", " << y;
}

TEST(Rotate, RightTurnsClockwise) {
  auto b = CodedPicture(5, 3);
  skin::RotateBitmapRight(b);
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 5);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) ASSERT_EQ(b.Pixel(2 - y, x), RGB(x, y, 7)) << x << ", " << y;
}

TEST(Rotate, LeftThenRightRestoresThePicture) {
  for (auto format : {PixelFormat::Bits24, PixelFormat::Bits32}) {
    auto b = CodedPicture(7, 4, format);
    skin::RotateBitmapLeft(b);
    skin::RotateBitmapRight(b);
    ASSERT_EQ(b.Width(), 7);
    ASSERT_EQ(b.Height(), 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 7; ++x) ASSERT_EQ(b.Pixel(x, y), RGB(x, y, 7));
  }
}

TEST(Rotate, FourLeftTurnsRestoreThePicture) {
  auto b = CodedPicture(6, 2);
  for (int i = 0; i < 4; ++i) skin::RotateBitmapLeft(b);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(b.Pixel(x, y), RGB(x, y, 7));
}

TEST(Effects, EmptyBitmapsStayEmpty) {
  host::DibBitmap b;
  skin::MirrorBitmap(b);
  skin::FlipBitmap(b);
  skin::RotateBitmapLeft(b);
  skin::RotateBitmapRight(b);
  skin::GrayscaleBitmap(b);
  EXPECT_TRUE(b.Empty());
}

TEST(Grayscale, AveragesTheComponentsAtTwentyFourBits) {
  host::DibBitmap b(2, 1, PixelFormat::Bits32);
  b.SetPixel(0, 0, RGB(10, 20, 31));
  b.SetPixel(1, 0, RGB(255, 255, 254));
  skin::GrayscaleBitmap(b);
  EXPECT_EQ(b.Format(), PixelFormat::Bits24);
  EXPECT_EQ(b.Pixel(0, 0), RGB(20, 20, 20));
  EXPECT_EQ(b.Pixel(1, 0), RGB(254, 254, 254));
}

TEST(CopyBitmap, APartIsCutTo24BitsAndLeavesBlackOutsideTheSource) {
  const auto source = CodedPicture(9, 4, PixelFormat::Bits32);
  const host::DibBitmap part = skin::CopyPart(source, 6, -1, 5, 3);
  ASSERT_EQ(part.Width(), 5);
  ASSERT_EQ(part.Height(), 3);
  EXPECT_EQ(part.Format(), PixelFormat::Bits24);
  EXPECT_EQ(part.Pixel(0, 0), RGB(0, 0, 0));  // row -1 of the source
  EXPECT_EQ(part.Pixel(0, 1), RGB(6, 0, 7));
  EXPECT_EQ(part.Pixel(2, 2), RGB(8, 1, 7));
  EXPECT_EQ(part.Pixel(3, 2), RGB(0, 0, 0));  // column 9, past the source
  EXPECT_TRUE(skin::CopyPart(source, 0, 0, 0, 3).Empty());
}

// Parts copied and compared in memory: only inside both pictures and only
// between pictures of one format.
TEST(CopyBitmap, PartsAreCopiedAndComparedOnlyInsideBothPicturesOfOneFormat) {
  const auto source = CodedPicture(9, 4, PixelFormat::Bits32);
  host::DibBitmap target(5, 5, PixelFormat::Bits32);
  skin::CopyPartTo(source, 6, 1, 3, 2, target, 1, 2);
  EXPECT_EQ(target.Pixel(1, 2), RGB(6, 1, 7));
  EXPECT_EQ(target.Pixel(3, 3), RGB(8, 2, 7));
  EXPECT_EQ(target.Pixel(0, 2), RGB(0, 0, 0));
  EXPECT_FALSE(skin::SamePart(target, 1, 2, skin::CopyPart(source, 6, 1, 3, 2), 3, 2)) << "24 against 32 bits";
  host::DibBitmap back(3, 2, PixelFormat::Bits32);
  skin::CopyPartTo(target, 1, 2, 3, 2, back, 0, 0);
  EXPECT_TRUE(skin::SamePart(source, 6, 1, back, 3, 2));
  EXPECT_FALSE(skin::SamePart(source, 5, 1, back, 3, 2));
  EXPECT_FALSE(skin::SamePart(source, 7, 1, back, 3, 2)) << "past the right edge";
  EXPECT_FALSE(skin::SamePart(source, 6, 1, back, 4, 2)) << "larger than the kept part";
  const host::DibBitmap before = target.Clone();
  for (const POINT at : {POINT{-1, 0}, POINT{7, 0}, POINT{0, 3}})
    skin::CopyPartTo(source, at.x, at.y, 3, 2, target, 0, 0);
  skin::CopyPartTo(source, 0, 0, 3, 2, target, 3, 0);
  skin::CopyPartTo(skin::CopyPart(source, 0, 0, 3, 2), 0, 0, 3, 2, target, 0, 0);
  EXPECT_TRUE(skin::SamePart(target, 0, 0, before, 5, 5)) << "nothing copied from or to outside, or across formats";
}

TEST(CopyBitmap, TakesSizeFormatAndPixels) {
  const auto source = CodedPicture(9, 4, PixelFormat::Bits32);
  host::DibBitmap copy(2, 2);
  skin::CopyBitmap(source, copy);
  ASSERT_EQ(copy.Width(), 9);
  ASSERT_EQ(copy.Height(), 4);
  EXPECT_EQ(copy.Format(), PixelFormat::Bits32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 9; ++x) ASSERT_EQ(copy.Pixel(x, y), RGB(x, y, 7));
  skin::CopyBitmap(host::DibBitmap(), copy);
  EXPECT_TRUE(copy.Empty());
}
