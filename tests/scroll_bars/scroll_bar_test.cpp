#include <windows.h>

#include <gtest/gtest.h>

#include "form_test_support.h"
#include "host/controls/listbox.h"
#include "host/controls/subclass.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skinner_factory.h"
#include "skin/data/skin_data.h"
#include "skin/form/control_kinds.h"

namespace {

using form_test::PumpUntil;
using form_test::ScreenPixel;
using form_test::SendMouse;

void Click(POINT p) {
  SendMouse(0, p);
  SendMouse(MOUSEEVENTF_LEFTDOWN, p);
  SendMouse(MOUSEEVENTF_LEFTUP, p);
}

RECT RealBar(HWND window) {
  SCROLLBARINFO info{sizeof(info)};
  GetScrollBarInfo(window, OBJID_VSCROLL, &info);
  return info.rcScrollBar;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

// The first pixel of frame k (of n, from 1) that is not the colour key, and its offset in the frame.
COLORREF FramePixel(const host::DibBitmap& image, int k, int n, POINT& at) {
  const int w = image.Width() / n;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = w / 4; x < w; ++x)
      if (const COLORREF c = image.Pixel((k - 1) * w + x, y); c != RGB(255, 0, 255)) {
        at = {x, y};
        return c;
      }
  return CLR_INVALID;
}

class ScrollBarTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    form_ = form_test::MakeForm(100, 100, 320, 260);
    list_ = new host::TListBox(form_.get());
    list_->SetParent(form_.get());
    list_->SetBounds(10, 10, 150, 200);
    for (int i = 0; i < 200; ++i) list_->Add("Item " + std::to_string(i));
    skinner_ = form_test::ShowSkinned(*form_);
    ASSERT_TRUE(skinner_);
    for (skin::TSkinControl* c : skinner_->FControls)
      if (c->Window() == list_->Handle()) bars_ = dynamic_cast<skin::TSkinScrollbar*>(c);
    ASSERT_TRUE(bars_);
    ASSERT_TRUE(PumpUntil([&] { return bars_->VertBar()->Shown; }));
    form_test::Pump(100);
  }
  void TearDown() override {
    form_.reset();
    SkinnedTest::TearDown();
  }
  HWND List() const { return list_->WindowHandle(); }
  RECT Overlay() const { return form_test::WindowRect(bars_->VertBar()->WindowHandle()); }
  int Top() const { return static_cast<int>(SendMessageW(List(), LB_GETTOPINDEX, 0, 0)); }
  bool OverlayVisible() const { return IsWindowVisible(bars_->VertBar()->WindowHandle()) != FALSE; }

  std::unique_ptr<form_test::TTestForm> form_;
  host::TListBox* list_ = nullptr;
  skin::TSkinForm* skinner_ = nullptr;
  skin::TSkinScrollbar* bars_ = nullptr;
};

TEST_F(ScrollBarTest, CoversTheRealBarWithTheSkinsPicturesAndFollowsIt) {
  EXPECT_TRUE(SameRect(Overlay(), RealBar(List())));
  EXPECT_FALSE(bars_->HorzBar()->Shown);

  const auto& e = data_->Elements();
  const RECT bar = Overlay();
  POINT at{};
  const COLORREF arrow = FramePixel(e.ScrollArrows->Image, 13, 23, at);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  EXPECT_EQ(ScreenPixel(bar.left + at.x, bar.bottom - a + at.y), arrow) << "down arrow, normal";
  EXPECT_EQ(ScreenPixel(bar.left + at.x, bar.top + at.y), FramePixel(e.ScrollArrows->Image, 9, 23, at));
  // The track below the thumb (the list starts at the top): frame 1 of four, stretched along the bar only.
  const host::DibBitmap& track = e.VertScroll->Image;
  const int column = (bar.right - bar.left) / 2;
  EXPECT_EQ(ScreenPixel(bar.left + column, bar.bottom - a - 3), track.Pixel(column, track.Height() / 2));

  list_->SetVisible(false);
  EXPECT_TRUE(PumpUntil([&] { return !OverlayVisible(); }));
  list_->SetVisible(true);
  EXPECT_TRUE(PumpUntil([&] { return OverlayVisible(); }));
  list_->SetBounds(20, 20, 200, 220);
  EXPECT_TRUE(PumpUntil([&] { return SameRect(Overlay(), RealBar(List())); }));

  SendMessageW(List(), skin::kSkinActive, 0, 0);
  EXPECT_FALSE(OverlayVisible()) << "the real bar shows again";
  SendMessageW(List(), skin::kSkinActive, 1, 0);
  EXPECT_TRUE(OverlayVisible());
  EXPECT_TRUE(SameRect(Overlay(), RealBar(List())));
}

TEST_F(ScrollBarTest, ADisabledBarShowsItsArrowsAsNormal) {
  const host::DibBitmap& arrows = data_->Elements().ScrollArrows->Image;
  // A pixel where the skin draws the disabled down arrow (frame 15) unlike the normal one (frame 13).
  const int w = arrows.Width() / 23;
  POINT at{-1, -1};
  for (int y = 0; y < arrows.Height() && at.x < 0; ++y)
    for (int x = 0; x < w && at.x < 0; ++x)
      if (arrows.Pixel(12 * w + x, y) != arrows.Pixel(14 * w + x, y) && arrows.Pixel(12 * w + x, y) != RGB(255, 0, 255))
        at = {x, y};
  ASSERT_GE(at.x, 0) << "the skin draws a disabled arrow apart";
  const COLORREF normal = arrows.Pixel(12 * w + at.x, at.y);
  EnableScrollBar(List(), SB_VERT, ESB_DISABLE_BOTH);
  bars_->VertBar()->Repaint();
  const RECT bar = Overlay();
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(bar.left + at.x, bar.bottom - a + at.y) == normal; }));
}

// Both overlays of a window sit directly above it and keep their order
// however often they are placed again.
TEST_F(ScrollBarTest, TheTwoOverlaysOfAWindowKeepTheirPlaceAboveIt) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE,
                              180, 10, 120, 120, form_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  std::wstring text;
  for (int i = 0; i < 30; ++i) text += L"A line long enough to scroll sideways in this edit\r\n";
  SetWindowTextW(edit, text.c_str());
  auto* skinner = dynamic_cast<skin::TSkinScrollbarH*>(
      skin::MakeSkinner({skin::TSkinnerClass::Scrollbar, nullptr, edit}, *skinner_));
  ASSERT_TRUE(skinner && skinner->HorzBar() && skinner->VertBar());
  const auto above = [&] {
    HWND first = GetWindow(edit, GW_HWNDPREV);
    return std::make_pair(first, GetWindow(first, GW_HWNDPREV));
  };
  const auto order = above();
  const std::pair<HWND, HWND> either[] = {{skinner->HorzBar()->WindowHandle(), skinner->VertBar()->WindowHandle()},
                                          {skinner->VertBar()->WindowHandle(), skinner->HorzBar()->WindowHandle()}};
  EXPECT_TRUE(order == either[0] || order == either[1]);
  for (int i = 0; i < 3; ++i) {
    skinner->HorzBar()->Place();
    skinner->VertBar()->Place();
    EXPECT_EQ(above(), order) << i;
  }
  DestroyWindow(edit);
  form_test::Pump(20);
}

TEST_F(ScrollBarTest, RealPressesReachTheRealBar) {
  const RECT bar = Overlay();
  const int a = GetSystemMetrics(SM_CXHSCROLL), x = (bar.left + bar.right) / 2;
  Click({x, bar.bottom - a / 2});
  EXPECT_TRUE(PumpUntil([&] { return Top() == 1; })) << "one line down";

  RECT client;
  GetClientRect(List(), &client);
  const int page = client.bottom / list_->ItemHeight();
  Click({x, bar.bottom - a - 4});
  EXPECT_TRUE(PumpUntil([&] { return Top() == 1 + page; })) << "one page down";

  SCROLLBARINFO info{sizeof(info)};
  GetScrollBarInfo(List(), OBJID_VSCROLL, &info);
  const int before = Top();
  const POINT thumb{x, bar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
  SendMouse(0, thumb);
  SendMouse(MOUSEEVENTF_LEFTDOWN, thumb);
  SendMouse(0, {thumb.x, thumb.y + 40});
  SendMouse(MOUSEEVENTF_LEFTUP, {thumb.x, thumb.y + 40});
  EXPECT_TRUE(PumpUntil([&] { return Top() > before + page; })) << "the thumb drag tracks";
  EXPECT_FALSE(bars_->VertBar()->Pressed);
}

TEST_F(ScrollBarTest, AScrollBarControlIsCoveredWhole) {
  HWND form = form_->Handle();
  HWND bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 200, 10, 17, 150,
                             form, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetScrollRange(bar, SB_CTL, 0, 10, TRUE);
  // The form moves the bar as a program does on WM_VSCROLL.
  host::WindowSubclass parent;
  parent.Install(form, [&](UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_VSCROLL && reinterpret_cast<HWND>(lparam) == bar && LOWORD(wparam) == SB_LINEDOWN)
      SetScrollPos(bar, SB_CTL, GetScrollPos(bar, SB_CTL) + 1, TRUE);
    return parent.CallPrevious(msg, wparam, lparam);
  }, true);
  auto* skinner = dynamic_cast<skin::TSkinScrollbarH*>(
      skin::MakeSkinner({skin::TSkinnerClass::Scrollbar, nullptr, bar}, *skinner_));
  ASSERT_TRUE(skinner);
  ASSERT_TRUE(skinner->VertBar() && !skinner->HorzBar());
  EXPECT_EQ(skinner->VertBar()->Mode, skin::bmControl);
  EXPECT_TRUE(SameRect(form_test::WindowRect(skinner->VertBar()->WindowHandle()), form_test::WindowRect(bar)));

  const RECT r = form_test::WindowRect(bar);
  Click({(r.left + r.right) / 2, r.bottom - 5});
  EXPECT_TRUE(PumpUntil([&] { return GetScrollPos(bar, SB_CTL) == 1; }));
  DestroyWindow(bar);
  form_test::Pump(20);
  parent.Remove();
}

}  // namespace
