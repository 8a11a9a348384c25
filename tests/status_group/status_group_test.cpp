// Status bars, group boxes and panels under the default skin: real windows
// on the virtual desktop, pixels read back from the screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "form_test_support.h"
#include "host/controls/group_box.h"
#include "host/controls/panel.h"
#include "host/controls/status_bar.h"
#include "host/gdi/handles.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/group_box.h"
#include "skin/controls/skinner_factory.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/transparent.h"
#include "skin/form/engine_messages.h"

namespace {

using form_test::PumpUntil;

bool Skinned(HWND window) { return SendMessageW(window, skin::kSkinnedQuery, 0, 0) == 1; }

// The margin bands of `rect` in the shot (where no text reaches) show frame
// k of the status-bar edges as nine-slice drawing renders it there.
bool ShowsEdges(const host::DibBitmap& shot, const RECT& rect, const skin::TDataSkinObject& e, int k) {
  const host::DibBitmap want = skin::ComposeSkinElement(rect, e.Image, e.Margins(), k, 3, e.Tile == 1,
                                                        skin::Strip::Horizontal);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool band = x < e.LeftWidth || y < e.TopHeight || x >= w - e.RightWidth || y >= h - e.BottomHeight;
      if (band && shot.Pixel(rect.left + x, rect.top + y) != want.Pixel(x, y)) return false;
    }
  return true;
}

class StatusGroupTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    form_ = form_test::MakeForm(100, 100, 420, 260);
    bar_ = new host::TStatusBar(form_.get());
    bar_->SetParent(form_.get());
    bar_->SetSizeGrip(false);
    const host::TStatusPanelBevel bevels[] = {host::pbRaised, host::pbLowered, host::pbNone};
    for (int i = 0; i < 3; ++i) {
      host::TStatusPanel& panel = bar_->Panels()->AddItem();
      panel.SetBevel(bevels[i]);
      panel.SetWidth(100);
      panel.SetText("Panel " + std::to_string(i + 1));
    }
    skinner_ = form_test::ShowSkinned(*form_);
    ASSERT_TRUE(skinner_);
  }
  const skin::SkinElements& Elements() const { return data_->Elements(); }
  COLORREF Rgb(std::int32_t colour) const { return host::ColourToRgb(colour); }
  RECT PanelRect(int i) const {
    RECT r{};
    SendMessageW(bar_->WindowHandle(), SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  bool BarShows(const std::function<bool(const host::DibBitmap&)>& check) {
    RedrawWindow(bar_->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return PumpUntil([&] { return check(form_test::WindowShot(bar_->WindowHandle())); });
  }

  std::unique_ptr<form_test::TTestForm> form_;
  host::TStatusBar* bar_ = nullptr;
  skin::TSkinForm* skinner_ = nullptr;
};

TEST_F(StatusGroupTest, StatusBarPanelsSimpleTextGripAndOwnerDrawing) {
  HWND bar = bar_->WindowHandle();
  ASSERT_TRUE(Skinned(bar)) << "a host status bar is found by its class";
  const skin::TDataSkinObject& edges = *Elements().StatusBarEdges;
  const RECT client = [&] { RECT r; GetClientRect(bar, &r); return r; }();

  // Raised, lowered and no bevel: frames 2, 1 and 3; the last one reaches the right edge.
  const auto panel = [&](int i) {
    RECT p = PanelRect(i);
    p.right = i == 2 ? client.right : p.right + 2;
    return p;
  };
  EXPECT_TRUE(BarShows([&](const host::DibBitmap& s) {
    return ShowsEdges(s, panel(0), edges, 2) && ShowsEdges(s, panel(1), edges, 1) && ShowsEdges(s, panel(2), edges, 3);
  }));

  // A right-to-left panel aligned left shows its text on the right.
  const COLORREF text = edges.NormalColour2 != skin::kColourNotGiven ? Rgb(edges.NormalColour2) : RGB(0, 0, 0);
  const auto ink_in = [&](const host::DibBitmap& s, int from, int to) {
    for (int y = 4; y < client.bottom - 4; ++y)
      for (int x = from; x < to; ++x)
        if (s.Pixel(x, y) == text) return true;
    return false;
  };
  const RECT first = panel(0);
  const int middle = (first.left + first.right) / 2;
  EXPECT_TRUE(ink_in(form_test::WindowShot(bar), first.left, middle) && !ink_in(form_test::WindowShot(bar), middle, first.right));
  bar_->Panels()->Item(0).SetBiDiMode(host::TBiDiMode::bdRightToLeft);
  EXPECT_TRUE(BarShows([&](const host::DibBitmap& s) {
    return !ink_in(s, first.left, middle) && ink_in(s, middle, first.right);
  }));

  // No grip without the size-grip style; frame 5 of the extra images with it.
  const skin::TDataSkinObject& extra = *Elements().ExtraImages;
  const int gw = extra.Image.Width() / extra.FrameCount, gh = extra.Image.Height();
  const auto grip_shown = [&](const host::DibBitmap& s) {
    for (int y = 0; y < gh; ++y)
      for (int x = 0; x < gw; ++x) {
        const COLORREF c = extra.Image.Pixel(4 * gw + x, y);
        if (c != skin::kSkinColourKey && s.Pixel(client.right - 1 - gw + x, client.bottom - 1 - gh + y) != c)
          return false;
      }
    return true;
  };
  EXPECT_FALSE(grip_shown(form_test::WindowShot(bar)));
  bar_->SetSizeGrip(true);
  EXPECT_TRUE(BarShows(grip_shown));
  bar_->SetSizeGrip(false);

  // An owner-drawn panel: the event paints with the bar's canvas, inside the edges.
  RECT drawn{};
  bar_->OnDrawPanel = [&](host::TStatusBar* sender, host::TStatusPanel* p, const RECT& r) {
    if (p->Index() != 2) return;
    drawn = r;
    sender->GetCanvas().SetBrushColour(RGB(0, 200, 0));
    sender->GetCanvas().FillRect(r);
  };
  bar_->Panels()->Item(2).SetStyle(host::psOwnerDraw);
  EXPECT_TRUE(BarShows([&](const host::DibBitmap& s) {
    return s.Pixel((drawn.left + drawn.right) / 2, (drawn.top + drawn.bottom) / 2) == RGB(0, 200, 0);
  }));
  RECT expected = PanelRect(2);
  InflateRect(&expected, -2, -2);
  EXPECT_TRUE(EqualRect(&drawn, &expected));
  bar_->OnDrawPanel = nullptr;

  // Simple mode with no text: frame 1 across the whole bar.
  bar_->SetSimplePanel(true);
  EXPECT_EQ(SendMessageW(bar, SB_ISSIMPLE, 0, 0), TRUE);
  EXPECT_TRUE(BarShows([&](const host::DibBitmap& s) { return ShowsEdges(s, client, edges, 1); }));

  // The panels are hidden then: an owner-drawn one is not drawn over the simple text.
  int drawings = 0;
  bar_->OnDrawPanel = [&](host::TStatusBar*, host::TStatusPanel*, const RECT&) { ++drawings; };
  EXPECT_TRUE(BarShows([&](const host::DibBitmap& s) { return ShowsEdges(s, client, edges, 1); }));
  EXPECT_EQ(drawings, 0);
  bar_->SetSimplePanel(false);
  EXPECT_TRUE(PumpUntil([&] { return drawings > 0; }));
}

TEST_F(StatusGroupTest, StatusBarKeepsToTheBottomOfItsParent) {
  HWND form = form_->WindowHandle();
  const auto gap = [&] {
    RECT client;
    GetClientRect(form, &client);
    return client.bottom - bar_->BoundsRect().bottom;
  };
  EXPECT_EQ(gap(), 0);
  SetWindowPos(form, nullptr, 0, 0, 500, 360, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(PumpUntil([&] { return gap() == 0; }));
}

TEST_F(StatusGroupTest, GroupBoxFrameAndCaptionOnAHostControlAndABareWindow) {
  auto* group = new host::TGroupBox(form_.get());
  group->SetParent(form_.get());
  group->SetBounds(10, 10, 180, 100);
  group->SetCaption("Options");
  ASSERT_TRUE(skin::MakeSkinner({skin::TSkinnerClass::GroupBox, group, nullptr, true}, *skinner_));
  HWND window = group->WindowHandle();
  ASSERT_TRUE(Skinned(window));

  const COLORREF shadow = Rgb(Elements().Colours.ButtonShadow), face = Rgb(Elements().Colours.ButtonFace);
  SIZE zero{};
  {
    const host::WindowDc dc(window, false);
    const host::Selection with(dc, group->Font()->Handle());
    GetTextExtentPoint32A(dc, "0", 1, &zero);
  }
  const int y = zero.cy / 2 - 1;
  const auto frame_and_caption = [&](HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return PumpUntil([&] {
      const host::DibBitmap s = form_test::WindowShot(w);
      // The line runs along y up to x = 7; from x = 8 the caption hides it, and
      // its first letter's ink is in column 8 (no ink left of it). A bare
      // window keeps the system's own caption background under ours.
      bool ink_at_8 = false, ink_before = false;
      for (int row = 0; row <= 2 * (y + 1); ++row) {
        const auto ink = [&](int x) {
          const COLORREF c = s.Pixel(x, row);
          return c != shadow && GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
        };
        ink_at_8 = ink_at_8 || ink(8);
        ink_before = ink_before || ink(7) || ink(6);
      }
      return s.Pixel(7, y) == shadow && s.Pixel(8, y) != shadow && s.Pixel(9, y) != shadow && ink_at_8 &&
             !ink_before && s.Pixel(s.Width() - 10, y) == shadow && s.Pixel(s.Width() - 10, y - 1) != shadow &&
             s.Pixel(1, y + 20) == shadow;
    });
  };
  EXPECT_TRUE(frame_and_caption(window));

  // A bare group-box window, as a dialog holds it: the caption is its window text.
  HWND bare = CreateWindowExW(0, L"Button", L"Bare caption", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 200, 10, 180, 100,
                              form_->WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(bare, WM_SETFONT, reinterpret_cast<WPARAM>(group->Font()->Handle()), FALSE);
  skin::TSkinControl* bare_skinner = skin::MakeSkinner({skin::TSkinnerClass::GroupBox, nullptr, bare}, *skinner_);
  ASSERT_TRUE(bare_skinner);
  EXPECT_TRUE(frame_and_caption(bare));
  EXPECT_EQ(bare_skinner->Text, L"Bare caption");
  EXPECT_EQ(bare_skinner->VariantFlag, 0);
  DestroyWindow(bare);
}

TEST_F(StatusGroupTest, BoxRecoloursAPanelAndGivesItsColourBack) {
  auto* panel = new host::TPanel(form_.get());
  panel->SetParent(form_.get());
  panel->SetBounds(10, 10, 150, 80);
  panel->SetColor(static_cast<int>(RGB(200, 0, 0)));
  panel->SetParentBackground(false);
  panel->Handle();
  skin::TSkinControl* box = skin::MakeSkinner({skin::TSkinnerClass::Box, panel, nullptr, true}, *skinner_);
  ASSERT_TRUE(box);
  const COLORREF face = Rgb(Elements().Colours.ButtonFace);
  EXPECT_EQ(panel->Color(), Elements().Colours.ButtonFace);
  EXPECT_TRUE(PumpUntil([&] { return form_test::WindowShot(panel->WindowHandle()).Pixel(10, 10) == face; }));

  panel->SetColor(static_cast<int>(RGB(0, 0, 200)));
  box->SkinChanged();
  EXPECT_EQ(panel->Color(), Elements().Colours.ButtonFace);

  box->Restore();
  EXPECT_EQ(panel->Color(), static_cast<int>(RGB(200, 0, 0)));
  EXPECT_TRUE(PumpUntil([&] { return form_test::WindowShot(panel->WindowHandle()).Pixel(10, 10) == RGB(200, 0, 0); }));
}

}  // namespace
