#include "frame_fixture.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "skin/draw/scratch_bitmap.h"
#include "skin/draw/skin_element.h"

namespace frame_test {
namespace {

using data_test::Bmp;
using data_test::Bytes;

constexpr int kSide = 5;        // left and right border width
constexpr int kSideHeight = 60;
constexpr int kTopWidth = 40;
constexpr int kCaption = 22;    // caption height
constexpr int kBottom = 6;

// Frames side by side; `cut` says which pixels of a frame are transparent.
template <class Colour, class Cut>
Bytes SideBySide(int frames, int width, int height, Colour colour, Cut cut) {
  return Bmp(frames * width, height, [&](int x, int y) {
    const int f = x / width, fx = x % width;
    return cut(fx, y) ? kMagenta : colour(f, fx, y);
  });
}

template <class Colour, class Cut>
Bytes Stacked(int frames, int width, int height, Colour colour, Cut cut) {
  return Bmp(width, frames * height, [&](int x, int y) {
    const int f = y / height, fy = y % height;
    return cut(x, fy) ? kMagenta : colour(f, x, fy);
  });
}

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

data_test::TestSkin FrameSkin(const SkinShape& s) {
  std::ostringstream ini;
  const int n = s.top_frames;
  const int trans = s.side_trans ? 1 : 0;
  const bool holes = s.middle_holes;
  ini << "[Personality]\n"
      << "Left=left.bmp\nLeftFrame=" << n << "\nLeftStretch=1\nLeftTrans=" << trans << "\nLeftTopHeight=10\nLeftBotHeight=10\n"
      << "Right=right.bmp\nRightFrame=" << n << "\nRightStretch=1\nRightTrans=" << trans << "\nRightTopHeight=10\nRightBotHeight=10\n"
      << "Top=top.bmp\nTopFrame=" << n << "\nTopStretch=0\nTopTrans=" << trans << "\nTopTopHeight=8\nTopBotHeight=8\n"
      << "Bottom=bottom.bmp\nBottomFrame=" << n << "\nBottomStretch=1\nBottomTrans=1\nBottomTopHeight=8\n"
      << "BottomBotHeight=8\n"
      << "TextBack=" << (s.with_text_back ? "textback.bmp" : "") << "\nTXTBackleft=" << (s.with_text_back ? 4 : 0)
      << "\nTXTBackRight=" << (s.with_text_back ? 6 : 0) << "\n"
      << "TextShift=" << s.text_shift << "\nTextShiftVert=" << s.text_shift_vert
      << "\nTextRightClip=" << s.text_right_clip << "\nTextAlignment=" << s.text_alignment << "\n"
      << "[Colours]\nButtonFace=200 190 180\nTitleTextActive=255 255 255\nTitleTextNoActive=0 0 0\n";
  data_test::TestSkin skin{ini.str()};
  // Active frames bluish, inactive ones reddish; every pixel of a frame differs.
  const auto shade = [](int f, int a, int b) { return RGB(f ? 150 + a : 20 + a, (b * 4) & 0xFF, f ? 30 : 140); };
  skin.Picture("left.bmp", SideBySide(n, kSide, kSideHeight, [&](int f, int x, int y) { return shade(f, x * 9, y); },
                                      [&](int x, int y) {
                                        return (x == 0 && y < 2) || (x == 1 && y == 0) || (holes && x == 2 && y >= 10 && y < 50);
                                      }));
  skin.Picture("right.bmp", SideBySide(n, kSide, kSideHeight, [&](int f, int x, int y) { return shade(f, x * 7, y + 1); },
                                       [&](int x, int y) {
                                         return (x == kSide - 1 && y < 2) || (x == kSide - 2 && y == 0) || (holes && x == 1 && y == 30);
                                       }));
  skin.Picture("top.bmp", Stacked(n, kTopWidth, kCaption, [&](int f, int x, int y) { return shade(f, x, y + 2); },
                                  [&](int x, int y) {
                                    return (y == 0 && (x == 0 || x == kTopWidth - 1)) || (holes && y == 5 && x >= 8 && x < kTopWidth - 8);
                                  }));
  skin.Picture("bottom.bmp", Stacked(n, kTopWidth, kBottom, [&](int f, int x, int y) { return shade(f, x * 2, y + 3); },
                                     [&](int x, int y) {
                                       return (y == kBottom - 1 && (x == 0 || x == kTopWidth - 1)) || (holes && x == 20 && y == 2);
                                     }));
  skin.Picture("textback.bmp", Stacked(2, 30, kCaption, [](int f, int x, int) { return RGB(f ? 90 : 10, 200, x * 3); },
                                       [](int, int) { return false; }));
  return skin;
}

host::DibBitmap Grab(const RECT& r) {
  host::DibBitmap shot(r.right - r.left, r.bottom - r.top, host::PixelFormat::Bits32);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return shot;
}

host::DibBitmap Expected(const skin::TSkinData& data, int index, int k, int width, int height) {
  const skin::SkinElements& e = data.Elements();
  const skin::TDataSkinBorder& b = index == 1 ? *e.FrameLeft : index == 2 ? *e.FrameRight : index == 3 ? *e.FrameTop : *e.FrameBottom;
  return skin::ComposeSkinElement({0, 0, width, height}, b.Image, b.Margins(), k, b.FrameCount, b.Tile != 1,
                                  index >= 3 ? skin::Strip::Vertical : skin::Strip::Horizontal);
}

Mismatch Compare(const host::DibBitmap& shown, int dx, int dy, const host::DibBitmap& expected,
                 const std::vector<RECT>& skip) {
  Mismatch m;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      const COLORREF want = expected.Pixel(x, y);
      if (want == kMagenta) continue;
      const POINT p{x, y};
      bool skipped = false;
      for (const RECT& r : skip) skipped = skipped || PtInRect(&r, p);
      if (skipped) continue;
      const COLORREF got = shown.Pixel(x + dx, y + dy);
      if (got == want) continue;
      if (m.count++ < 3) {
        char text[96];
        std::snprintf(text, sizeof text, "(%d,%d) shows %06lX, expected %06lX; ", x, y, got, want);
        m.first += text;
      }
    }
  return m;
}

::testing::AssertionResult Same(const Mismatch& m) {
  if (m.count == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << m.count << " pixels differ: " << m.first;
}

RECT Ink(const host::DibBitmap& shown, int dx, int dy, const host::DibBitmap& expected) {
  RECT ink{expected.Width(), expected.Height(), 0, 0};
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (expected.Pixel(x, y) != kMagenta && shown.Pixel(x + dx, y + dy) != expected.Pixel(x, y)) {
        ink.left = std::min<LONG>(ink.left, x);
        ink.top = std::min<LONG>(ink.top, y);
        ink.right = std::max<LONG>(ink.right, x + 1);
        ink.bottom = std::max<LONG>(ink.bottom, y + 1);
      }
  return ink.left < ink.right ? ink : RECT{};
}

HWND MakeDialog(HWND owner, int x, int y, bool wide) {
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title;
  } templ{};
  templ.t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  templ.t.x = static_cast<short>(x);
  templ.t.y = static_cast<short>(y);
  templ.t.cx = 200;
  templ.t.cy = 60;
  return wide ? CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &templ.t, owner, QuietDialog, 0)
              : CreateDialogIndirectParamA(GetModuleHandleW(nullptr), &templ.t, owner, QuietDialog, 0);
}

skin::TSkinForm* WaitSkinned(HWND window) {
  skin::TSkinForm* f = nullptr;
  form_test::PumpUntil([&] {
    f = skin::TSkinManage::Instance()->FindSkinForm(window);
    return f && f->FState == skin::flRunning;
  });
  form_test::Pump(30);
  return f && f->FState == skin::flRunning ? f : nullptr;
}

void FrameTest::SetUp() { skin::CreateScratchBitmap(); }

void FrameTest::TearDown() {
  skin::TSkinManage::Destroy();
  data_.reset();
  form_test::Pump(10);
}

void FrameTest::UseSkin(const std::vector<std::uint8_t>& package) {
  data_ = form_test::MakeSkinData(package);
  ASSERT_FALSE(data_->SkinMissing()) << data_->RefusalReason();
}

skin::TSkinForm* FrameTest::Show(form_test::TTestForm& form) {
  if (!data_) UseSkin(form_test::DefaultSkinPackage());
  skin::TSkinForm* skinner = form_test::ShowSkinned(form);
  form_test::Pump(30);
  return skinner;
}

}  // namespace frame_test
