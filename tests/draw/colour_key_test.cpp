// The magenta colour key: key pixels leave the destination as it was, every
// other pixel is copied exactly, on both ways of copying through a mask.
#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "pictures.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/transparent.h"

using drawtest::Background;
using drawtest::BackgroundPixel;
using drawtest::CodedPicture;
using drawtest::kMagenta;
using host::KeyBlit;

namespace {

// A coded picture with magenta dots, a magenta block and a nearly-magenta pixel.
host::DibBitmap SpottedPicture(int w, int h) {
  auto picture = CodedPicture(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((x * 7 + y * 3) % 5 == 0) picture.SetPixel(x, y, kMagenta);
  for (int y = 2; y < 6 && y < h; ++y)
    for (int x = 3; x < 9 && x < w; ++x) picture.SetPixel(x, y, kMagenta);
  picture.SetPixel(1, 1, RGB(255, 0, 254));
  return picture;
}

// Every pixel of target inside rect is the picture's (offset) or, where the
// picture has the key, the background; outside rect the background.
void ExpectKeyed(const host::DibBitmap& target, const RECT& rect, const host::DibBitmap& picture, COLORREF key) {
  for (int y = 0; y < target.Height(); ++y) {
    for (int x = 0; x < target.Width(); ++x) {
      COLORREF want = BackgroundPixel(x, y);
      if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) {
        const COLORREF p = picture.Pixel(x - rect.left, y - rect.top);
        if (p != key) want = p;
      }
      ASSERT_EQ(target.Pixel(x, y), want) << "at " << x << ", " << y;
    }
  }
}

class ColourKey : public testing::TestWithParam<KeyBlit> {};

}  // namespace

TEST_P(ColourKey, KeyPixelsKeepTheDestinationAndOthersAreExact) {
  const auto picture = SpottedPicture(40, 30);
  auto target = Background(60, 50);
  const RECT r{7, 9, 47, 39};
  skin::DrawTransparentBitmap(target.Dc(), r, picture, kMagenta, GetParam());
  ExpectKeyed(target, r, picture, kMagenta);
}

TEST_P(ColourKey, ThirtyTwoBitPicturesAreKeyedTheSame) {
  auto picture = SpottedPicture(20, 20);
  picture.SetFormat(host::PixelFormat::Bits32);
  auto target = Background(30, 30);
  skin::DrawTransparentBitmap(target.Dc(), {5, 5, 25, 25}, picture, kMagenta, GetParam());
  ExpectKeyed(target, {5, 5, 25, 25}, picture, kMagenta);
}

TEST_P(ColourKey, OtherKeyColoursWork) {
  auto picture = SpottedPicture(20, 20);
  const COLORREF green = RGB(0, 255, 0);
  picture.SetPixel(4, 4, green);
  picture.SetPixel(15, 10, green);
  auto target = Background(30, 30);
  skin::DrawTransparentBitmap(target.Dc(), {0, 0, 20, 20}, picture, green, GetParam());
  ExpectKeyed(target, {0, 0, 20, 20}, picture, green);
}

TEST_P(ColourKey, ARectangleLargerThanThePictureCopiesOnlyThePicture) {
  const auto picture = SpottedPicture(10, 10);
  auto target = Background(40, 40);
  skin::DrawTransparentBitmap(target.Dc(), {5, 5, 40, 40}, picture, kMagenta, GetParam());
  ExpectKeyed(target, {5, 5, 15, 15}, picture, kMagenta);
}

TEST_P(ColourKey, ReversedRectanglesAndEmptyPicturesDrawNothing) {
  const auto picture = SpottedPicture(10, 10);
  auto target = Background(20, 20);
  skin::DrawTransparentBitmap(target.Dc(), {15, 5, 5, 15}, picture, kMagenta, GetParam());
  skin::DrawTransparentBitmap(target.Dc(), {5, 15, 15, 5}, picture, kMagenta, GetParam());
  skin::DrawTransparentBitmap(target.Dc(), {0, 0, 20, 20}, host::DibBitmap(), kMagenta, GetParam());
  ExpectKeyed(target, {}, picture, kMagenta);
}

TEST_P(ColourKey, TheDestinationsColoursAreRestored) {
  const auto picture = SpottedPicture(10, 10);
  auto target = Background(20, 20);
  SetBkColor(target.Dc(), RGB(1, 2, 3));
  SetTextColor(target.Dc(), RGB(4, 5, 6));
  skin::DrawTransparentBitmap(target.Dc(), {0, 0, 10, 10}, picture, kMagenta, GetParam());
  EXPECT_EQ(GetBkColor(target.Dc()), RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(target.Dc()), RGB(4, 5, 6));
}

INSTANTIATE_TEST_SUITE_P(BothPaths, ColourKey, testing::Values(KeyBlit::MaskBlt, KeyBlit::ThreeBitBlt),
                         [](const auto& info) { return info.param == KeyBlit::MaskBlt ? "MaskBlt" : "ThreeBitBlt"; });

TEST(KeyedElement, MagentaMadeByStretchingStaysTransparent) {
  // A frame whose centre is a magenta block: stretched, it covers most of
  // the destination, and none of it may reach the destination.
  auto image = CodedPicture(24, 12);
  for (int y = 3; y < 9; ++y)
    for (int x = 3; x < 21; ++x) image.SetPixel(x, y, kMagenta);
  const RECT r{4, 4, 204, 64};
  const RECT margins{3, 3, 3, 3};
  auto target = Background(210, 70);
  skin::DrawSkinElement(target.Dc(), r, image, margins, 1, 1, true, false, skin::Strip::Horizontal);
  const auto composed = skin::ComposeSkinElement(r, image, margins, 1, 1, false, skin::Strip::Horizontal);
  int keyed = 0;
  for (int y = 0; y < composed.Height(); ++y)
    for (int x = 0; x < composed.Width(); ++x) keyed += composed.Pixel(x, y) == kMagenta;
  EXPECT_GE(keyed, 194 * 54);
  ExpectKeyed(target, r, composed, kMagenta);
}

TEST(KeyedElement, TiledMagentaStaysTransparent) {
  auto image = CodedPicture(16, 16);
  for (int y = 4; y < 12; ++y) image.SetPixel(8, y, kMagenta);
  const RECT r{0, 0, 100, 90};
  const RECT margins{4, 4, 4, 4};
  auto target = Background(100, 90);
  skin::DrawSkinElement(target.Dc(), r, image, margins, 1, 1, true, true, skin::Strip::Horizontal);
  const auto composed = skin::ComposeSkinElement(r, image, margins, 1, 1, true, skin::Strip::Horizontal);
  ExpectKeyed(target, r, composed, kMagenta);
}

TEST(HostTransparentDraw, CanvasDrawHonoursTheBitmapsTransparentColour) {
  auto picture = SpottedPicture(20, 20);
  const COLORREF key = RGB(0, 0, 255);
  picture.SetPixel(10, 10, key);
  picture.SetTransparent(true);
  picture.SetTransparentColour(key);
  auto target = Background(30, 30);
  target.GetCanvas().Draw(3, 4, picture);
  ExpectKeyed(target, {3, 4, 23, 24}, picture, key);
}

TEST(HostTransparentDraw, AnOpaqueBitmapIsCopiedWhole) {
  const auto picture = SpottedPicture(20, 20);
  auto target = Background(30, 30);
  target.GetCanvas().Draw(3, 4, picture);
  ExpectKeyed(target, {3, 4, 23, 24}, picture, CLR_INVALID);
}

TEST(KeyedElement, OntoAWindowOnScreen) {
  HWND window = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 20, 20, 120, 80, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  UpdateWindow(window);
  const auto picture = SpottedPicture(40, 30);
  {
    host::WindowDc dc(window);
    ASSERT_TRUE(dc);
    auto paint = Background(120, 80);
    BitBlt(dc, 0, 0, 120, 80, paint.Dc(), 0, 0, SRCCOPY);
    skin::DrawTransparentBitmap(dc, {10, 20, 50, 50}, picture, kMagenta);
    GdiFlush();
    auto shot = host::DibBitmap(120, 80);
    BitBlt(shot.Dc(), 0, 0, 120, 80, dc, 0, 0, SRCCOPY);
    ExpectKeyed(shot, {10, 20, 50, 50}, picture, kMagenta);
  }
  DestroyWindow(window);
}

// The in-memory keyed copy must give exactly what the keyed blit gives.
TEST(KeyedFrameCopy, MatchesTheKeyedBlitForEveryFrameAndFormat) {
  const auto strip = SpottedPicture(36, 12);  // three frames of 12 x 12
  for (const auto format : {host::PixelFormat::Bits24, host::PixelFormat::Bits32}) {
    for (int k = 1; k <= 3; ++k) {
      auto target = Background(30, 20);
      target.SetFormat(format);
      skin::CopyKeyedFrame(target, 5, 4, strip, k, 3, kMagenta);
      host::DibBitmap frame(12, 12);
      BitBlt(frame.Dc(), 0, 0, 12, 12, strip.Dc(), (k - 1) * 12, 0, SRCCOPY);
      ExpectKeyed(target, RECT{5, 4, 17, 16}, frame, kMagenta);
    }
  }
}

TEST(KeyedFrameCopy, LeavesOutWhatFallsOutsideTheTarget) {
  const auto strip = SpottedPicture(24, 12);
  host::DibBitmap frame(12, 12);
  BitBlt(frame.Dc(), 0, 0, 12, 12, strip.Dc(), 12, 0, SRCCOPY);
  for (const POINT at : {POINT{-5, -3}, POINT{25, 15}, POINT{-20, 0}, POINT{0, 40}}) {
    auto target = Background(30, 20);
    skin::CopyKeyedFrame(target, at.x, at.y, strip, 2, 2, kMagenta);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 30; ++x) {
        const int fx = x - at.x, fy = y - at.y;
        COLORREF want = BackgroundPixel(x, y);
        if (fx >= 0 && fx < 12 && fy >= 0 && fy < 12 && frame.Pixel(fx, fy) != kMagenta) want = frame.Pixel(fx, fy);
        ASSERT_EQ(target.Pixel(x, y), want) << at.x << "," << at.y << " at " << x << ", " << y;
      }
  }
}

TEST(KeyedFrameCopy, AFrameOutsideThePictureCopiesNothing) {
  const auto strip = SpottedPicture(24, 12);
  auto target = Background(30, 20);
  skin::CopyKeyedFrame(target, 0, 0, strip, 3, 2, kMagenta);
  skin::CopyKeyedFrame(target, 0, 0, strip, 1, 0, kMagenta);
  ExpectKeyed(target, RECT{0, 0, 0, 0}, strip, kMagenta);
}
