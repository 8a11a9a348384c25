// Every routine frees every GDI object it creates, on every path. Counted
// through the census, since the system's own counters answer 0 under Wine.
#include <gtest/gtest.h>

#include <functional>

#include "gdi_census.h"
#include "host/graphics/canvas.h"
#include "pictures.h"
#include "skin/data/descriptors.h"
#include "skin/draw/bitmap_copy.h"
#include "skin/draw/bitmap_effects.h"
#include "skin/draw/gradient.h"
#include "skin/draw/parent_background.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/draw/single_frame.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/strip.h"
#include "skin/draw/text.h"
#include "skin/draw/transparent.h"

using drawtest::LiveGdiObjects;
using skin::Strip;

namespace {

class GdiLeaks : public testing::Test {
protected:
  static void SetUpTestSuite() { ASSERT_TRUE(drawtest::InstallGdiCensus()); }

  void SetUp() override {
    image_ = drawtest::CodedPicture(90, 30);
    image_.SetPixel(40, 10, drawtest::kMagenta);
    target_ = drawtest::Background(120, 80);
    image_.Dc();
    target_.Dc();
  }
  void TearDown() override { EXPECT_EQ(drawtest::StrayGdiDeletions(), 0); }

  // Runs the step three times: the live count must not change.
  void ExpectNoLeak(const std::function<void()>& step) {
    step();  // first use may create lasting objects, such as a bitmap's DC
    const long before = LiveGdiObjects();
    for (int i = 0; i < 3; ++i) step();
    EXPECT_EQ(LiveGdiObjects(), before);
  }

  host::DibBitmap image_;
  host::DibBitmap target_;
};

}  // namespace

TEST_F(GdiLeaks, TheCensusSeesObjectsComeAndGo) {
  const long before = LiveGdiObjects();
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(LiveGdiObjects(), before + 1);
  {
    host::DibBitmap b(4, 4);
    b.Dc();
    EXPECT_EQ(LiveGdiObjects(), before + 3);
  }
  DeleteObject(brush);
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(GdiLeaks, BitmapsAndCanvasesFreeEverything) {
  const long before = LiveGdiObjects();
  {
    host::DibBitmap b(10, 10);
    auto& c = b.GetCanvas();
    c.SetBrushColour(RGB(1, 1, 1));
    c.SetBrushColour(RGB(2, 2, 2));
    c.SetPen(RGB(3, 3, 3));
    c.SetPen(RGB(4, 4, 4), 3);
    LOGFONTW lf{};
    lf.lfHeight = 12;
    c.SetFont(lf);
    c.SetFont(lf);
    c.FillRect({0, 0, 5, 5});
    b.SetSize(20, 20);
    b.SetFormat(host::PixelFormat::Bits32);
    host::DibBitmap moved(std::move(b));
    host::DibBitmap copy = moved.Clone();
    copy.Dc();
    copy = std::move(moved);
    host::Bitmap mask = copy.Mask(RGB(0, 0, 0));
    copy.SetTransparent(true);
    target_.GetCanvas().Draw(0, 0, copy);
  }
  target_.GetCanvas();
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(GdiLeaks, LoadingAndAssigning) {
  const std::uint8_t not_a_bitmap[60] = {'B', 'M'};
  ExpectNoLeak([&] {
    host::DibBitmap b(3, 3);
    b.Dc();
    b.LoadFromBmp(not_a_bitmap);
    b.Assign(image_.Handle());
    b.Assign(nullptr);
    host::Canvas canvas;
    canvas.SetBrushColour(RGB(1, 1, 1));
    canvas.SetHandle(target_.Dc());
    canvas.SetHandle(image_.Dc());
  });
}

TEST_F(GdiLeaks, NineSliceDrawing) {
  ExpectNoLeak([&] {
    skin::DrawSkinElement(target_.Dc(), {0, 0, 100, 70}, image_, {4, 4, 4, 4}, 2, 3, false, false, Strip::Horizontal);
    skin::DrawSkinElement(target_.Dc(), {0, 0, 100, 70}, image_, {4, 4, 4, 4}, 2, 3, true, true, Strip::Horizontal);
    skin::DrawSkinElement(target_.Dc(), {0, 0, 100, 70}, image_, {4, 4, 4, 4}, 1, 2, true, true, Strip::Vertical);
    auto composed = skin::ComposeSkinElement({0, 0, 33, 21}, image_, {}, 1, 1, true, Strip::Horizontal);
    skin::TileBitmap(target_.GetCanvas(), {0, 0, 50, 50}, image_, {0, 0, 7, 7});
  });
}

TEST_F(GdiLeaks, NineSliceDrawingThatDrawsNothing) {
  ExpectNoLeak([&] {
    skin::DrawSkinElement(target_.Dc(), {0, 0, 100, 70}, image_, {}, 1, 0, true, true, Strip::Horizontal);
    skin::DrawSkinElement(target_.Dc(), {0, 0, 100, 70}, image_, {}, 5, 3, true, false, Strip::Horizontal);
    skin::DrawSkinElement(target_.Dc(), {0, 0, 100, 70}, image_, {20, 0, 20, 0}, 1, 3, true, false,
                          Strip::Horizontal);
    skin::DrawSkinElement(target_.Dc(), {50, 0, 0, 70}, image_, {}, 1, 1, true, false, Strip::Horizontal);
    skin::DrawSkinElement(target_.Dc(), {0, 0, 0, 0}, image_, {}, 1, 1, true, false, Strip::Horizontal);
    skin::TileBitmap(target_.GetCanvas(), {0, 0, 50, 50}, image_, {5, 5, 5, 9});
  });
}

TEST_F(GdiLeaks, DescriptorDrawing) {
  skin::TDataSkinObject element;
  element.Image = image_.Clone();
  element.Trans = 1;
  element.LeftWidth = 3;
  ExpectNoLeak([&] { skin::DrawSkinObject(target_.Dc(), {0, 0, 60, 40}, 3, 1, element); });
}

TEST_F(GdiLeaks, KeyedCopiesOnBothPaths) {
  for (auto how : {host::KeyBlit::MaskBlt, host::KeyBlit::ThreeBitBlt}) {
    ExpectNoLeak([&] {
      skin::DrawTransparentBitmap(target_.Dc(), {0, 0, 90, 30}, image_, drawtest::kMagenta, how);
      skin::DrawTransparentBitmap(target_.Dc(), {9, 0, 0, 30}, image_, drawtest::kMagenta, how);
      skin::DrawTransparentBitmap(target_.Dc(), {0, 0, 90, 30}, host::DibBitmap(), drawtest::kMagenta, how);
    });
  }
}

TEST_F(GdiLeaks, StripsAndSingleFrames) {
  ExpectNoLeak([&] {
    auto& canvas = target_.GetCanvas();
    skin::DrawSkinStrip(canvas, {0, 0, 110, 20}, image_, {5, 0, 7, 0}, 2, 3, true, Strip::Horizontal);
    skin::DrawSkinStrip(canvas, {0, 0, 110, 20}, image_, {5, 0, 7, 0}, 2, 3, false, Strip::Horizontal);
    skin::DrawSkinStrip(canvas, {0, 0, 110, 20}, image_, {25, 0, 25, 0}, 2, 3, false, Strip::Horizontal);
    skin::DrawSkinStripDirect(target_.Dc(), {0, 0, 110, 20}, image_, {5, 0, 7, 0}, 1, 3, Strip::Horizontal);
    skin::StretchSkinFrame(target_.Dc(), {0, 0, 50, 50}, image_, 2, 3, true);
    skin::StretchSkinFrame(target_.Dc(), {0, 0, 50, 50}, image_, 2, 3, false);
    skin::StretchSkinFrame(canvas, {0, 0, 50, 50}, image_, 2, 3, true);
    skin::StretchSkinFrame(canvas, {0, 0, 50, 50}, image_, 4, 3, true);
    skin::CenterSkinFrame(target_.Dc(), {0, 0, 10, 10}, image_, 3, 3, true);
    skin::CenterSkinFrame(target_.Dc(), {0, 0, 10, 10}, image_, 3, 3, false);
    skin::CenterSkinFrame(target_.Dc(), {0, 0, 10, 10}, image_, 3, 0, false);
  });
}

TEST_F(GdiLeaks, EffectsAndCopies) {
  ExpectNoLeak([&] {
    auto b = image_.Clone();
    b.Dc();
    skin::MirrorBitmap(b);
    skin::FlipBitmap(b);
    skin::RotateBitmapLeft(b);
    skin::RotateBitmapRight(b);
    skin::GrayscaleBitmap(b);
    host::DibBitmap copy;
    skin::CopyBitmap(b, copy);
  });
}

TEST_F(GdiLeaks, GradientsOneBrushPerLineAllFreed) {
  ExpectNoLeak([&] {
    skin::GradientFill(target_.Dc(), {0, 0, 120, 80}, RGB(0, 0, 0), 1, RGB(255, 255, 255));
    skin::GradientFill(target_.Dc(), {0, 0, 120, 80}, RGB(9, 0, 0), 0, RGB(0, 255, 255));
  });
}

TEST_F(GdiLeaks, TextAndParentBackground) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 5, 5, 40, 40, parent, nullptr, nullptr,
                               nullptr);
  ExpectNoLeak([&] {
    RECT r{0, 0, 100, 20};
    skin::DrawTextAW(target_.Dc(), L"Delete", r, DT_SINGLELINE);
    skin::DrawParentBackground(child, target_.Dc());
  });
  DestroyWindow(parent);
}

TEST_F(GdiLeaks, TheScratchBitmapIsFreedAtShutdown) {
  const long before = LiveGdiObjects();
  skin::CreateScratchBitmap();
  skin::ScratchBitmap()->SetSize(200, 30);
  skin::ScratchBitmap()->GetCanvas().SetBrushColour(RGB(1, 2, 3));
  skin::FreeScratchBitmap();
  EXPECT_EQ(LiveGdiObjects(), before);
}
