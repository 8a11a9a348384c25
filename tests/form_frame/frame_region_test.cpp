// The window region of a skinned window: the frame elements' magenta pixels
// are cut away, everything else belongs to the window, and the region is
// only rebuilt when the window's size changes.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "frame_fixture.h"

using namespace frame_test;
using form_test::MakeForm;
using form_test::Pump;
using form_test::PumpUntil;

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

int Across(const skin::TSkinForm& f, int index) {
  const int sizes[] = {f.FBorderLeft, f.FBorderRight, f.FBorderTop, f.FBorderBottom};
  return sizes[index - 1];
}

std::vector<RECT> Rectangles(HRGN region) {
  std::vector<std::byte> buffer(GetRegionData(region, 0, nullptr));
  if (buffer.empty()) return {};
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  GetRegionData(region, static_cast<DWORD>(buffer.size()), data);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return {rects, rects + data->rdh.nCount};
}

// The window's region at several sizes, active and inactive, against the
// region scanned whole: the same pixels and the same rectangles.
void ExpectScannedRegionAtSizes(skin::TSkinForm& f) {
  const SIZE sizes[] = {{1024, 768}, {640, 480}, {333, 217}, {121, 64}, {70, 41}, {503, 389}};
  for (const bool active : {true, false}) {
    SendMessageW(f.FHandle, WM_NCACTIVATE, active, 0);
    for (const SIZE s : sizes) {
      SetWindowPos(f.FHandle, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      Pump(10);
      // A size the window cannot take is measured as it came out.
      const RECT r = form_test::WindowRect(f.FHandle);
      const int w = r.right - r.left, h = r.bottom - r.top;
      f.FRgnWidth = 0;
      f.UpdateRegion();
      const host::Region shown(CreateRectRgn(0, 0, 0, 0));
      ASSERT_NE(GetWindowRgn(f.FHandle, shown), ERROR);
      const host::Region scanned = f.ScannedRegion(w, h);
      EXPECT_TRUE(EqualRgn(shown, scanned)) << w << "x" << h << (active ? " active" : " inactive");
      const std::vector<RECT> a = Rectangles(shown), b = Rectangles(scanned);
      ASSERT_EQ(a.size(), b.size()) << w << "x" << h;
      for (std::size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(EqualRect(&a[i], &b[i])) << w << "x" << h << " #" << i;
    }
  }
}

std::vector<std::uint8_t> DarkSkinPackage() {
  std::ifstream file("Z:" BRINDLE_SKINS_DIR "/dark.skn", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class FrameRegion : public FrameTest {};

TEST_F(FrameRegion, BordersReadOnceGiveTheRegionOfBordersScannedWhole) {
  SkinShape holes;
  holes.middle_holes = true;
  const std::vector<std::uint8_t> skins[] = {form_test::DefaultSkinPackage(), DarkSkinPackage(),
                                             FrameSkin().Package(), FrameSkin(holes).Package()};
  for (const auto& package : skins) {
    ASSERT_FALSE(package.empty());
    UseSkin(package);
    auto form = MakeForm(0, 0, 300, 160);
    skin::TSkinForm* f = Show(*form);
    ASSERT_TRUE(f && f->FHasRegion);
    // The two skins and the plain test skin have borders that are read once;
    // the test skin with dots is scanned in part.
    if (&package != &skins[3])
      for (int index = 1; index <= 4; ++index) EXPECT_TRUE(f->Profile(index, Across(*f, index))) << index;
    ExpectScannedRegionAtSizes(*f);
    if (::testing::Test::HasFailure()) return;
    form.reset();
    skin::TSkinManage::Destroy();
    data_.reset();
    Pump(10);
  }
}

TEST_F(FrameRegion, ASkinChangeCutsTheRegionFromTheNewSkinsBorders) {
  UseSkin(FrameSkin().Package());
  auto form = MakeForm(40, 40, 300, 160);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f && f->FHasRegion);
  int changes = 0;
  data_->SetOnSkinChanged([&](host::TComponent*) { ++changes; });
  data_->SetSkinFile("Z:" BRINDLE_SKINS_DIR "/dark.skn");
  ASSERT_TRUE(PumpUntil([&] { return changes == 1 && f->FState == skin::flRunning; }));
  Pump(30);
  EXPECT_EQ(WrongPixels(*f, Data(), 1), 0);
  const RECT r = form_test::WindowRect(f->FHandle);
  const host::Region shown(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(f->FHandle, shown), ERROR);
  EXPECT_TRUE(EqualRgn(shown, f->ScannedRegion(r.right - r.left, r.bottom - r.top)));
}

TEST_F(FrameRegion, HolesInTheMiddleOfTheBordersAreCutAway) {
  SkinShape holes;
  holes.middle_holes = true;
  UseSkin(FrameSkin(holes).Package());
  auto form = MakeForm(40, 40, 300, 160);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f && f->FHasRegion);
  const RECT r = form_test::WindowRect(f->FHandle);
  EXPECT_FALSE(PtInRegion(f->FRegion, 2, (r.bottom - r.top) / 2)) << "the stripe along the left border";
  EXPECT_FALSE(PtInRegion(f->FRegion, (r.right - r.left) / 2, 5)) << "the stripe across the caption";
  EXPECT_EQ(WrongPixels(*f, Data(), 1), 0);
  // The stripes run all along: read once. The dots do not: scanned whole.
  EXPECT_TRUE(f->Profile(1, Across(*f, 1)));
  EXPECT_FALSE(f->Profile(2, Across(*f, 2)));
  EXPECT_TRUE(f->Profile(3, Across(*f, 3)));
  EXPECT_FALSE(f->Profile(4, Across(*f, 4)));
}

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
