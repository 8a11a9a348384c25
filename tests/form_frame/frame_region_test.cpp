// The window region of a skinned window: the frame elements' magenta pixels
// are cut away, everything else belongs to the window, and the region is
// only rebuilt when the window's size changes.
#include <windows.h>

#include "frame_fixture.h"

using namespace frame_test;
using form_test::MakeForm;
using form_test::Pump;

namespace {

// Pixels whose place in the region disagrees with the frame elements: a
// magenta element pixel must be outside, every other pixel inside.
int WrongPixels(const skin::TSkinForm& f, const skin::TSkinData& data, int k) {
  const RECT r = form_test::WindowRect(f.FHandle);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int l = f.FBorderLeft, t = f.FBorderTop, rt = f.FBorderRight, b = f.FBorderBottom;
  const host::Region region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(f.FHandle, region) == ERROR) return -1;
  struct Part {
    host::DibBitmap picture;
    int x, y;
  };
  const Part parts[] = {{Expected(data, 1, k, l, h), 0, 0},
                        {Expected(data, 2, k, rt, h), w - rt, 0},
                        {Expected(data, 3, k, w - l - rt, t), l, 0},
                        {Expected(data, 4, k, w - l - rt, b), l, h - b}};
  int wrong = 0;
  for (const Part& p : parts)
    for (int y = 0; y < p.picture.Height(); ++y)
      for (int x = 0; x < p.picture.Width(); ++x)
        if ((p.picture.Pixel(x, y) != kMagenta) != (PtInRegion(region, p.x + x, p.y + y) != FALSE)) ++wrong;
  for (int y = t; y < h - b; y += 7)
    for (int x = l; x < w - rt; x += 7)
      if (!PtInRegion(region, x, y)) ++wrong;
  return wrong;
}

class FrameRegion : public FrameTest {};

TEST_F(FrameRegion, TheTransparentPixelsOfTheTestSkinAreCutAway) {
  UseSkin(FrameSkin().Package());
  auto form = MakeForm(40, 40, 300, 160);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f && f->FHasRegion);
  EXPECT_FALSE(PtInRegion(f->FRegion, 0, 0));
  EXPECT_EQ(WrongPixels(*f, Data(), 1), 0);
}

TEST_F(FrameRegion, TheTransparentPixelsOfTheDefaultSkinAreCutAway) {
  auto form = MakeForm(40, 40, 300, 160);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f && f->FHasRegion);
  EXPECT_EQ(WrongPixels(*f, Data(), 1), 0);
}

TEST_F(FrameRegion, OpaqueSidesAndCaptionGiveTheWholeRectangleWhateverTheBottomSays) {
  SkinShape shape;
  shape.side_trans = false;
  UseSkin(FrameSkin(shape).Package());
  auto form = MakeForm(40, 40, 300, 160);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f && f->FHasRegion);
  const RECT r = form_test::WindowRect(f->FHandle);
  const host::Region region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(f->FHandle, region), SIMPLEREGION);
  RECT box;
  GetRgnBox(region, &box);
  EXPECT_EQ(box.right, r.right - r.left);
  EXPECT_EQ(box.bottom, r.bottom - r.top);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
}

TEST_F(FrameRegion, ASizeChangeRebuildsTheRegionAndTheSameSizeKeepsIt) {
  UseSkin(FrameSkin().Package());
  auto form = MakeForm(40, 40, 300, 160);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f && f->FHasRegion);
  HWND wnd = f->FHandle;
  const HRGN first = f->FRegion;
  RECT r = form_test::WindowRect(wnd);
  SetWindowPos(wnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  RECT client;
  GetClientRect(wnd, &client);
  SendMessageW(wnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  Pump(20);
  EXPECT_EQ(f->FRegion, first) << "the same size keeps the region";

  SetWindowPos(wnd, nullptr, 0, 0, r.right - r.left + 57, r.bottom - r.top + 23, SWP_NOMOVE | SWP_NOZORDER);
  Pump(20);
  EXPECT_NE(f->FRegion, first);
  r = form_test::WindowRect(wnd);
  EXPECT_EQ(f->FRgnWidth, r.right - r.left);
  EXPECT_EQ(f->FRgnHeight, r.bottom - r.top);
  EXPECT_EQ(WrongPixels(*f, Data(), 1), 0);
}

}  // namespace
