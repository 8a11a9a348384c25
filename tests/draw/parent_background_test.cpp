// Painting a control's parent into the control's DC.
#include <gtest/gtest.h>

#include "host/gdi/handles.h"
#include "pictures.h"
#include "skin/draw/parent_background.h"

namespace {

constexpr COLORREF kErased = RGB(0, 0, 200);
constexpr COLORREF kPainted = RGB(200, 0, 0);
int erase_calls = 0;
int paint_calls = 0;

// Erases blue and paints a red square at (40, 40)-(60, 60), into the DC
// handed over in wParam.
LRESULT CALLBACK ParentProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ERASEBKGND) {
    ++erase_calls;
    host::Brush brush(CreateSolidBrush(kErased));
    RECT r{};
    GetClientRect(w, &r);
    FillRect(reinterpret_cast<HDC>(wp), &r, brush);
    return 1;
  }
  if (msg == WM_PAINT && wp) {
    ++paint_calls;
    host::Brush brush(CreateSolidBrush(kPainted));
    RECT r{40, 40, 60, 60};
    FillRect(reinterpret_cast<HDC>(wp), &r, brush);
    return 0;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

class ParentBackground : public testing::Test {
protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BrindleDrawParent";
    RegisterClassW(&wc);
    parent_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, wc.hInstance,
                              nullptr);
    child_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 30, 30, 50, 50, parent_, nullptr, nullptr,
                             nullptr);
    erase_calls = paint_calls = 0;
  }
  void TearDown() override { DestroyWindow(parent_); }

  HWND parent_ = nullptr;
  HWND child_ = nullptr;
};

}  // namespace

TEST_F(ParentBackground, TheParentsPixelsLineUpWithTheControl) {
  ASSERT_NE(child_, nullptr);
  auto target = drawtest::Filled(80, 80, RGB(0, 255, 0));
  skin::DrawParentBackground(child_, target.Dc());
  EXPECT_EQ(erase_calls, 1);
  EXPECT_EQ(paint_calls, 1);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 80; ++x) {
      COLORREF want = RGB(0, 255, 0);  // outside the control's client area: clipped
      if (x < 50 && y < 50) want = (x >= 10 && x < 30 && y >= 10 && y < 30) ? kPainted : kErased;
      ASSERT_EQ(target.Pixel(x, y), want) << x << ", " << y;
    }
}

TEST_F(ParentBackground, TheDcComesBackAsItWas) {
  auto target = drawtest::Filled(80, 80, RGB(0, 255, 0));
  HDC dc = target.Dc();
  SetViewportOrgEx(dc, 3, 4, nullptr);
  skin::DrawParentBackground(child_, dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 3);
  EXPECT_EQ(origin.y, 4);
  RECT clip{};
  GetClipBox(dc, &clip);
  EXPECT_EQ(clip.right - clip.left, 80);
  // The shift adds to an origin already set.
  EXPECT_EQ(target.Pixel(3 + 15, 4 + 15), kPainted);
  EXPECT_EQ(target.Pixel(3 + 5, 4 + 5), kErased);
}

TEST_F(ParentBackground, AWindowWithoutParentDrawsNothing) {
  auto target = drawtest::Filled(10, 10, RGB(0, 255, 0));
  skin::DrawParentBackground(parent_, target.Dc());
  skin::DrawParentBackground(nullptr, target.Dc());
  EXPECT_EQ(erase_calls + paint_calls, 0);
  EXPECT_EQ(target.Pixel(5, 5), RGB(0, 255, 0));
}
