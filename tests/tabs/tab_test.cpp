// Tab controls skinned on every side: the frame each tab shows, the pane
// picture turned to the tabs' side, the scroll arrows and long captions,
// read back from the screen; and skinning switched off and on over them
// without a GDI object left behind.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "gdi_census.h"
#include "host/controls/page_control.h"
#include "host/controls/tab_set.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/form/engine_messages.h"
#include "tab_skin.h"

namespace {

using form_test::PumpUntil;
using tabs_test::kFrame;
using tabs_test::kQuarter;

bool Has(const host::DibBitmap& shot, const RECT& r, COLORREF colour) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (shot.Pixel(x, y) == colour) return true;
  return false;
}

class TabTest : public form_test::SkinnedTest {
protected:
  // Counted from the start: an object made before the census would leave it uneven.
  static void SetUpTestSuite() { ASSERT_TRUE(drawtest::InstallGdiCensus()); }
  void SetUp() override {
    SkinnedTest::SetUp();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    data_test::Load(*data_, tabs_test::PlainTabsSkin());
    form_ = form_test::MakeForm(100, 100, 560, 420);
    ASSERT_TRUE(skinner_ = form_test::ShowSkinned(*form_));
  }

  // A tab control as a dialog has it: a bare window found by its class.
  HWND AddTabs(DWORD style, const RECT& r, const std::vector<std::wstring>& captions) {
    HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, form_->WindowHandle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    for (std::size_t i = 0; i < captions.size(); ++i) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(captions[i].c_str());
      SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    skinner_->DiscoverWindows(form_->WindowHandle());
    return tab;
  }
  static RECT ItemRect(HWND tab, int i) {
    RECT r{};
    SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static host::DibBitmap Repainted(HWND window, UINT flags = RDW_ERASE | RDW_ALLCHILDREN) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | flags);
    form_test::Pump(20);
    return form_test::WindowShot(window);
  }

  std::unique_ptr<form_test::TTestForm> form_;
  skin::TSkinForm* skinner_ = nullptr;
};

struct Side {
  const char* name;
  DWORD style;
  int quarter[4];  // which quarter of the pane picture shows at each quarter of the pane
};
const Side kSides[] = {
    {"top", 0, {0, 1, 2, 3}},
    {"bottom", TCS_BOTTOM, {2, 3, 0, 1}},
    {"left", TCS_VERTICAL | TCS_MULTILINE, {1, 3, 0, 2}},
    {"right", TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE, {2, 0, 3, 1}},
};

TEST_F(TabTest, EverySideShowsTheFocusedTabsFrameAndThePaneTurnedToIt) {
  for (const Side& side : kSides) {
    SCOPED_TRACE(side.name);
    HWND tab = AddTabs(side.style, {20, 20, 320, 260}, {L"First", L"Second", L"Third"});
    ASSERT_TRUE(skin::IsSkinned(tab));
    SendMessageW(tab, TCM_SETCURSEL, 1, 0);
    ASSERT_EQ(SendMessageW(tab, TCM_GETCURFOCUS, 0, 0), 1);
    const host::DibBitmap shot = Repainted(tab);

    for (int i = 0; i < 3; ++i) {
      const RECT r = ItemRect(tab, i);
      const bool focused = i == 1;
      // Near the tab's corner, clear of its centred caption.
      EXPECT_EQ(shot.Pixel(r.left + 3, r.top + 3), kFrame[focused ? 1 : 0]) << "tab " << i;
      EXPECT_TRUE(Has(shot, r, focused ? tabs_test::kFocusText : tabs_test::kNormalText)) << "tab " << i;
      EXPECT_FALSE(Has(shot, r, focused ? tabs_test::kNormalText : tabs_test::kFocusText)) << "tab " << i;
    }

    RECT pane{};
    GetClientRect(tab, &pane);
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pane));
    const int w = pane.right - pane.left, h = pane.bottom - pane.top;
    for (int q = 0; q < 4; ++q)
      EXPECT_EQ(shot.Pixel(pane.left + w / 4 + q % 2 * w / 2, pane.top + h / 4 + q / 2 * h / 2), kQuarter[side.quarter[q]])
          << "quarter " << q;
    DestroyWindow(tab);
  }
}

TEST_F(TabTest, APageControlShowsItsTabsFramesAndItsPagesTheSkinsFace) {
  host::StringList kinds = data_->Skin3rd();
  kinds.push_back("TPageControl=tab");
  data_->SetSkin3rd(kinds);
  auto* pages = new host::TPageControl(form_.get());
  pages->SetParent(form_.get());
  pages->SetBounds(20, 20, 300, 200);
  pages->SetTabPosition(host::tpBottom);
  host::TTabSheet* sheets[2];
  for (host::TTabSheet*& sheet : sheets) {
    sheet = new host::TTabSheet(form_.get());
    sheet->SetCaption("Page");
    sheet->SetParent(pages);
    sheet->SetColor(host::clWhite);
  }
  pages->SetActivePage(sheets[1]);
  skinner_->DiscoverForm(*form_);
  ASSERT_TRUE(skin::IsSkinned(pages->Handle()) && skin::IsSkinned(sheets[1]->Handle()));
  const host::DibBitmap shot = Repainted(pages->Handle());
  for (int i = 0; i < 2; ++i) {
    const RECT r = ItemRect(pages->Handle(), i);
    EXPECT_EQ(shot.Pixel(r.left + 3, r.top + 3), kFrame[i]) << "frame 2 for the active page's tab";
  }
  const host::DibBitmap page = form_test::WindowShot(sheets[1]->Handle());
  EXPECT_EQ(page.Pixel(page.Width() / 2, page.Height() / 2), host::ColourToRgb(data_->Elements().Colours.ButtonFace));
}

TEST_F(TabTest, TheScrollArrowsAreSkinnedAndTheStripLeavesThemAlone) {
  HWND tab = AddTabs(0, {20, 20, 180, 200}, {L"Alpha", L"Bravo", L"Charlie", L"Delta", L"Echo", L"Foxtrot"});
  HWND arrows = FindWindowExW(tab, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_TRUE(arrows && IsWindowVisible(arrows)) << "the tabs do not fit, so the control shows its arrows";
  Repainted(tab);
  EXPECT_TRUE(skin::IsSkinned(arrows));
  // The tabs run on under the arrows: unclipped, the strip would paint them there.
  RECT under = ItemRect(tab, 3);
  ASSERT_GT(under.right, form_test::WindowRect(arrows).left - form_test::WindowRect(tab).left);

  const host::DibBitmap before = form_test::WindowShot(arrows);
  EXPECT_FALSE(Has(before, {0, 0, before.Width(), before.Height()}, kFrame[0]));
  // Only the tab control paints, over its whole window: what the arrows showed must still be there.
  Repainted(tab, RDW_NOCHILDREN);
  const host::DibBitmap after = form_test::WindowShot(arrows);
  for (int y = 0; y < before.Height(); ++y)
    for (int x = 0; x < before.Width(); ++x) ASSERT_EQ(after.Pixel(x, y), before.Pixel(x, y)) << x << "," << y;
}

// The text in a tab as runs of adjacent inked columns, each with the height
// its ink spans: the rows of the tab whose left edge shows its frame.
struct InkRun {
  int last, top, bottom;
  int Height() const { return bottom - top + 1; }
};
std::vector<InkRun> InkRuns(const host::DibBitmap& shot, const RECT& r, COLORREF background) {
  std::vector<InkRun> runs;
  for (int x = r.left; x < r.right; ++x)
    for (int y = r.top; y <= r.bottom; ++y) {
      if (shot.Pixel(r.left, y) != background || shot.Pixel(x, y) == background) continue;
      if (runs.empty() || runs.back().last < x - 1) runs.push_back({x, y, y});
      InkRun& run = runs.back();
      run.last = x;
      run.top = std::min(run.top, y);
      run.bottom = std::max(run.bottom, y);
    }
  return runs;
}

TEST_F(TabTest, ACaptionWiderThanItsTabEndsWithAnEllipsis) {
  HWND tab = AddTabs(TCS_FIXEDWIDTH, {20, 20, 320, 200}, {L"WWWWWWWWWWWWWWWWWWWW", L"B"});
  SendMessageW(tab, TCM_SETITEMSIZE, 0, MAKELPARAM(70, 22));
  SendMessageW(tab, TCM_SETCURSEL, 1, 0);
  const host::DibBitmap shot = Repainted(tab);
  const RECT r = ItemRect(tab, 0);
  ASSERT_EQ(shot.Pixel(r.left, r.top + 3), kFrame[0]);
  const std::vector<InkRun> runs = InkRuns(shot, r, kFrame[0]);
  ASSERT_GE(runs.size(), 4u);
  // Three dots close the caption: short marks after tall letters.
  for (std::size_t i = runs.size() - 3; i < runs.size(); ++i) EXPECT_LE(runs[i].Height(), 2) << "mark " << i;
  EXPECT_GT(runs.front().Height(), 5);
  EXPECT_LT(runs.back().last, r.right) << "the text stays inside its tab";
}

TEST_F(TabTest, SkinningOffAndOnLeavesNoGdiObjectBehind) {
  auto* tab_set = new host::TTabSet(form_.get());
  tab_set->SetParent(form_.get());
  tab_set->SetBounds(10, 380, 300, 21);
  tab_set->SetTabs({"One", "Two"});
  skinner_->DiscoverForm(*form_);
  for (int i = 0; i < 4; ++i) AddTabs(kSides[i].style, {10 + 130 * i, 10, 130 * i + 130, 130}, {L"A", L"B", L"C", L"D"});
  const auto paint = [&] {
    RedrawWindow(form_->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    form_test::Pump(20);
  };
  paint();
  const long before = drawtest::LiveGdiObjects(), strays = drawtest::StrayGdiDeletions();
  for (int round = 0; round < 3; ++round) {
    data_->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return Manager().SkinForms.empty(); }));
    data_->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] {
      skinner_ = Manager().FindSkinForm(form_->WindowHandle());
      return skinner_ && skinner_->FState == skin::flRunning;
    }));
    skinner_->DiscoverWindows(form_->WindowHandle());  // bare windows of a form are left to the application
    paint();
  }
  EXPECT_EQ(drawtest::LiveGdiObjects(), before);
  EXPECT_EQ(drawtest::StrayGdiDeletions(), strays);
}

}  // namespace
