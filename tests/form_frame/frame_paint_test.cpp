// The skinned frame on the screen: borders and caption bar from the skin's
// frame elements, active and inactive, minimised, and after the window's
// text changes.
#include <windows.h>

#include <algorithm>

#include "frame_fixture.h"
#include "host/gdi/handles.h"
#include "skin/draw/bitmap_copy.h"
#include "skin/draw/scratch_bitmap.h"

using namespace frame_test;
using form_test::MakeForm;
using form_test::Pump;
using form_test::PumpUntil;

namespace {

// What the screen shows of a skinned window's borders and caption bar
// against frame k of the skin's elements; `skip` are caption areas (window
// coordinates) covered by text, icon or buttons.
void ExpectFrame(const skin::TSkinForm& f, const skin::TSkinData& data, int k, std::vector<RECT> skip = {}) {
  const RECT r = form_test::WindowRect(f.FHandle);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int l = f.FBorderLeft, t = f.FBorderTop, rt = f.FBorderRight, b = f.FBorderBottom;
  const host::DibBitmap shot = Grab(r);
  EXPECT_TRUE(Same(Compare(shot, 0, 0, Expected(data, 1, k, l, h)))) << "left border";
  EXPECT_TRUE(Same(Compare(shot, w - rt, 0, Expected(data, 2, k, rt, h)))) << "right border";
  EXPECT_TRUE(Same(Compare(shot, l, h - b, Expected(data, 4, k, w - l - rt, b)))) << "bottom border";
  for (RECT& s : skip) OffsetRect(&s, -l, 0);
  EXPECT_TRUE(Same(Compare(shot, l, 0, Expected(data, 3, k, w - l - rt, t), skip))) << "caption bar";
}

std::vector<RECT> CaptionCover(const skin::TSkinForm& f) {
  std::vector<RECT> cover{f.FCaptionTextRect};
  for (const auto& button : f.FButtons)
    if (button->Visible) cover.push_back(button->Bounds);
  return cover;
}

class FramePaint : public FrameTest {
protected:
  void ExpectInactiveFrame(int frame);
};

TEST_F(FramePaint, AnActiveWindowShowsTheFirstFrameOfEachElement) {
  UseSkin(FrameSkin().Package());
  auto form = MakeForm(40, 40, 300, 160);
  form->SetCaption("");
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->FBorderLeft, 5);
  EXPECT_EQ(f->FBorderTop, 22);
  EXPECT_EQ(f->FBorderRight, 5);
  EXPECT_EQ(f->FBorderBottom, 6);
  ASSERT_TRUE(f->FActive);
  ExpectFrame(*f, Data(), 1);
}

// A plain window of one colour, made before skinning starts so that the
// engine leaves it as it is.
HWND SolidWindow(const RECT& r, COLORREF colour) {
  static const host::Brush brush(CreateSolidBrush(colour));
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = brush.get();
  wc.lpszClassName = L"BrindleSolidBehind";
  RegisterClassW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
}

// Screen pixels of the window's rectangle that its region cuts away and
// that show anything but `behind`.
int StaleCutAwayPixels(HWND window, COLORREF behind) {
  const RECT r = form_test::WindowRect(window);
  const host::Region region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region) == ERROR) return -1;
  const host::DibBitmap shot = Grab(r);
  int stale = 0;
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x)
      if (!PtInRegion(region, x, y) && shot.Pixel(x, y) != behind) ++stale;
  return stale;
}

// A resize paints the frame at the new size once, and the pixels the new
// region cuts away, which the old frame covered, show what lies behind. The
// steps grow the window past the room its frame pictures had, and shrink it
// far inside the room they have then.
TEST_F(FramePaint, AResizedWindowShowsItsWholeFrameAndWhatLiesBehindItsCutAwayPixels) {
  constexpr COLORREF kBehind = RGB(0, 160, 0);
  const HWND behind = SolidWindow({20, 20, 900, 700}, kBehind);
  UseSkin(FrameSkin().Package());
  auto form = MakeForm(40, 40, 300, 160);
  form->SetCaption("");
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f && f->FHasRegion);
  const RECT start = form_test::WindowRect(f->FHandle);
  for (const SIZE step : {SIZE{57, 23}, SIZE{300, 200}, SIZE{-390, -261}, SIZE{11, 0}}) {
    const RECT r = form_test::WindowRect(f->FHandle);
    SetWindowPos(f->FHandle, nullptr, 0, 0, r.right - r.left + step.cx, r.bottom - r.top + step.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(f->FHandle);
    PumpUntil([&] { return StaleCutAwayPixels(f->FHandle, kBehind) == 0; }, 1000);
    EXPECT_EQ(StaleCutAwayPixels(f->FHandle, kBehind), 0) << step.cx << " x " << step.cy;
    EXPECT_EQ(f->FRgnWidth, form_test::WindowRect(f->FHandle).right - r.left);
    ExpectFrame(*f, Data(), 1);
  }
  EXPECT_LT(form_test::WindowRect(f->FHandle).bottom, start.bottom);
  DestroyWindow(behind);
}

// A window made inactive by a second one shown over it shows this frame.
void FramePaint::ExpectInactiveFrame(int frame) {
  auto first = MakeForm(40, 40, 300, 160);
  first->SetCaption("");
  skin::TSkinForm* f = Show(*first);
  ASSERT_TRUE(f);
  auto second = MakeForm(500, 300, 200, 100);
  Show(*second);
  ASSERT_TRUE(PumpUntil([&] { return !f->FActive; }));
  Pump(30);
  ExpectFrame(*f, Data(), frame);
}

TEST_F(FramePaint, AnInactiveWindowShowsTheSecondFrame) {
  UseSkin(FrameSkin().Package());
  ExpectInactiveFrame(2);
}

TEST_F(FramePaint, WithOneFrameAnInactiveWindowLooksLikeAnActiveOne) {
  SkinShape shape;
  shape.top_frames = 1;
  UseSkin(FrameSkin(shape).Package());
  ExpectInactiveFrame(1);
}

TEST_F(FramePaint, TheDefaultSkinFramesAWindowOutsideItsCaptionTextAndButtons) {
  auto form = MakeForm(60, 50, 420, 240);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f);
  ExpectFrame(*f, Data(), 1, CaptionCover(*f));
  auto other = MakeForm(560, 400, 200, 100);
  Show(*other);
  ASSERT_TRUE(PumpUntil([&] { return !f->FActive; }));
  Pump(30);
  ExpectFrame(*f, Data(), 2, CaptionCover(*f));
}

// The screen under the caption icon against frame k of the caption element
// with the window's icon drawn over it by the system.
void ExpectIcon(const skin::TSkinForm& f, const skin::TSkinData& data, int k) {
  const auto button = std::find_if(f.FButtons.begin(), f.FButtons.end(), [](const auto& b) {
    return b->Visible && (b->Descriptor.Action == 3 || b->Descriptor.Action == 11);
  });
  ASSERT_NE(button, f.FButtons.end()) << "the skin shows the icon";
  const RECT r = form_test::WindowRect(f.FHandle);
  const int l = f.FBorderLeft;
  host::DibBitmap expected = Expected(data, 3, k, r.right - r.left - l - f.FBorderRight, f.FBorderTop);
  expected.SetFormat(host::PixelFormat::Bits32);
  const RECT& at = (*button)->Bounds;
  DrawIconEx(expected.Dc(), at.left - l, at.top, f.FIconCopy.get(), f.FIconSize, f.FIconSize, 0, nullptr, DI_NORMAL);
  GdiFlush();
  host::DibBitmap icon(f.FIconSize, f.FIconSize, host::PixelFormat::Bits32);
  skin::CopyPartTo(expected, at.left - l, at.top, f.FIconSize, f.FIconSize, icon, 0, 0);
  EXPECT_TRUE(Same(Compare(Grab(r), at.left, at.top, icon))) << "frame " << k;
}

// The icon is drawn over what the caption shows under it now: after the
// window went inactive and active again, and after its icon changed.
TEST_F(FramePaint, TheCaptionIconShowsOverTheCaptionUnderIt) {
  auto form = MakeForm(60, 50, 420, 240);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f);
  SendMessageW(f->FHandle, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
  Pump(30);
  ExpectIcon(*f, Data(), 1);
  auto other = MakeForm(560, 400, 200, 100);
  Show(*other);
  ASSERT_TRUE(PumpUntil([&] { return !f->FActive; }));
  Pump(30);
  ExpectIcon(*f, Data(), 2);
  SetForegroundWindow(f->FHandle);
  ASSERT_TRUE(PumpUntil([&] { return f->FActive; }));
  RedrawWindow(f->FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(30);
  ExpectIcon(*f, Data(), 1);
  const HICON warning = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WARNING));
  SendMessageW(f->FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(warning));
  Pump(30);
  EXPECT_EQ(f->FIcon, warning);
  ExpectIcon(*f, Data(), 1);
}

TEST_F(FramePaint, AMinimisedWindowIsAButtonFaceBlockUnderTheCaptionElement) {
  UseSkin(FrameSkin().Package());
  auto form = MakeForm(40, 40, 300, 160);
  form->SetCaption("");
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f);
  HRGN region = f->FRegion;
  ShowWindow(f->FHandle, SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(f->FHandle) != FALSE; }));
  Pump(50);
  RedrawWindow(f->FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(30);
  EXPECT_EQ(f->FRegion, region) << "minimising keeps the region";

  const RECT r = form_test::WindowRect(f->FHandle);
  const int w = r.right - r.left, h = r.bottom - r.top;
  ASSERT_GT(w, 0);
  ASSERT_GT(h, 0);
  const host::DibBitmap shot = Grab(r);
  const host::Region shape(CreateRectRgn(0, 0, 0, 0));
  const bool has_region = GetWindowRgn(f->FHandle, shape) != ERROR;
  const int k = f->FActive ? 1 : 2;
  const host::DibBitmap caption = Expected(Data(), 3, k, w, f->FBorderTop);
  int wrong = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (has_region && !PtInRegion(shape, x, y)) continue;
      const COLORREF want = y < f->FBorderTop ? caption.Pixel(x, y) : kButtonFace;
      if (want != kMagenta && shot.Pixel(x, y) != want) ++wrong;
    }
  EXPECT_EQ(wrong, 0) << "of " << w << "x" << h << " pixels";
}

// The frame painted into a memory DC of the window's size, as a print would.
host::DibBitmap PaintedFrame(skin::TSkinForm& f) {
  const RECT r = form_test::WindowRect(f.FHandle);
  host::DibBitmap picture(r.right - r.left, r.bottom - r.top, host::PixelFormat::Bits32);
  const RECT all{0, 0, picture.Width(), picture.Height()};
  const host::Brush fill(CreateSolidBrush(RGB(1, 2, 3)));
  FillRect(picture.Dc(), &all, fill);
  f.PaintFrame(picture.Dc());
  return picture;
}

TEST_F(FramePaint, AMenuBarHeightWithoutAMenuBarIsFilledWithButtonFace) {
  UseSkin(FrameSkin().Package());
  auto form = MakeForm(40, 40, 300, 160);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f);
  f->FMenuBarHeight = 19;
  const host::DibBitmap picture = PaintedFrame(*f);
  f->FMenuBarHeight = 0;
  const int w = picture.Width();
  EXPECT_EQ(picture.Pixel(f->FBorderLeft, f->FBorderTop), kButtonFace);
  EXPECT_EQ(picture.Pixel(w - f->FBorderRight - 1, f->FBorderTop + 18), kButtonFace);
  EXPECT_EQ(picture.Pixel(f->FBorderLeft, f->FBorderTop + 19), RGB(1, 2, 3)) << "the client area is left alone";
}

TEST_F(FramePaint, WithoutTheSharedBitmapNothingIsPaintedAndARepaintEndsEveryHover) {
  UseSkin(FrameSkin().Package());
  auto form = MakeForm(40, 40, 300, 160);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f);
  skin::TNCObject hovered(*f);
  f->FHotObject = &hovered;
  skin::FreeScratchBitmap();
  const host::DibBitmap untouched = PaintedFrame(*f);
  skin::CreateScratchBitmap();
  EXPECT_EQ(untouched.Pixel(2, 30), RGB(1, 2, 3));
  EXPECT_EQ(f->FHotObject, &hovered);
  const host::DibBitmap painted = PaintedFrame(*f);
  EXPECT_NE(painted.Pixel(2, 30), RGB(1, 2, 3));
  EXPECT_EQ(f->FHotObject, nullptr);
}

TEST_F(FramePaint, ABareDialogKeepsItsSkinnedCaptionWhenItsTextChanges) {
  UseSkin(FrameSkin().Package());
  auto owner = MakeForm(500, 400, 200, 100);
  Show(*owner);
  HWND dialog = MakeDialog(owner->WindowHandle(), 60, 60, true);
  ASSERT_TRUE(dialog);
  skin::TSkinForm* f = WaitSkinned(dialog);
  ASSERT_TRUE(f);
  ASSERT_EQ(f->FHostForm, nullptr);
  ASSERT_EQ(GetWindowLongW(dialog, GWL_STYLE) & WS_CAPTION, WS_CAPTION) << "a dialog keeps its caption style";
  ExpectFrame(*f, Data(), 1, CaptionCover(*f));
  SetWindowTextW(dialog, L"Open map files");
  Pump(30);
  ExpectFrame(*f, Data(), 1, CaptionCover(*f));
  EXPECT_GT(f->FCaptionTextRect.right, f->FCaptionTextRect.left);
  DestroyWindow(dialog);
  Pump(10);
}

TEST_F(FramePaint, ABareDialogKeepsItsSkinnedFrameWhenItsIconChanges) {
  UseSkin(FrameSkin().Package());
  auto owner = MakeForm(500, 400, 200, 100);
  Show(*owner);
  HWND dialog = MakeDialog(owner->WindowHandle(), 60, 60, true);
  skin::TSkinForm* f = WaitSkinned(dialog);
  ASSERT_TRUE(f);
  const HICON icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  Pump(30);
  EXPECT_EQ(f->FIcon, icon);
  ExpectFrame(*f, Data(), 1, CaptionCover(*f));
  DestroyWindow(dialog);
  Pump(10);
}

// Frame pictures are kept from paint to paint: a repaint at the same size
// after a skin change shows the new skin, not the kept pictures, and so does
// the frame of a window made inactive and active again.
TEST_F(FramePaint, RepaintsAfterASkinChangeShowTheNewSkin) {
  auto form = MakeForm(40, 40, 300, 160);
  skin::TSkinForm* f = Show(*form);
  ASSERT_TRUE(f);
  ExpectFrame(*f, Data(), 1, CaptionCover(*f));
  int changes = 0;
  data_->SetOnSkinChanged([&](host::TComponent*) { ++changes; });
  data_->SetSkinFile("Z:" BRINDLE_SKINS_DIR "/dark.skn");
  ASSERT_FALSE(Data().SkinMissing());
  ASSERT_TRUE(PumpUntil([&] { return changes == 1 && f->FState == skin::flRunning; }));
  RedrawWindow(f->FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(30);
  {
    SCOPED_TRACE("repainted");
    ExpectFrame(*f, Data(), f->FActive ? 1 : 2, CaptionCover(*f));
  }
  SendMessageW(f->FHandle, WM_NCACTIVATE, FALSE, 0);
  Pump(30);
  {
    SCOPED_TRACE("inactive");
    ExpectFrame(*f, Data(), 2, CaptionCover(*f));
  }
  SendMessageW(f->FHandle, WM_NCACTIVATE, TRUE, 0);
  Pump(30);
  {
    SCOPED_TRACE("active again");
    ExpectFrame(*f, Data(), 1, CaptionCover(*f));
  }
}

}  // namespace
