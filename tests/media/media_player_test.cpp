// The skinned media player: a covering window draws the transport buttons
// from the skin and hands clicks to the player. Pictures are read back from
// the screen; presses are real mouse input.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_test_support.h"
#include "host/controls/media_player.h"
#include "host/graphics/bitmap.h"
#include "host/stream/form_reader.h"
#include "host/stream/form_text.h"
#include "skin/controls/media_player.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/transparent.h"

namespace {

using form_test::PumpUntil;
using form_test::SendMouse;
using host::TMPBtnType;

constexpr COLORREF kGlyphFace = RGB(0x80, 0x80, 0x00);

bool SameRect(RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; }

class MediaPlayerTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    form_ = form_test::MakeForm(100, 100, 460, 200);
    player_ = new host::TMediaPlayer(form_.get());
    player_->SetParent(form_.get());
    player_->SetBounds(10, 10, 253, 30);
    player_->OnClick = [this](host::TComponent*) { clicks_.push_back(player_->ClickedButton()); };
  }
  void Show() {
    skinner_ = form_test::ShowSkinned(*form_);
    ASSERT_TRUE(skinner_);
    ASSERT_TRUE(Overlay());
  }
  skin::TSkinMP* Skinner() const {
    for (skin::TSkinControl* s : skinner_->FControls)
      if (auto* mp = dynamic_cast<skin::TSkinMP*>(s)) return mp;
    return nullptr;
  }
  skin::TWMediaPlayer* Overlay() const { return Skinner() ? Skinner()->Overlay() : nullptr; }
  POINT At(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(Overlay()->WindowHandle(), &p);
    return p;
  }
  COLORREF Face() const { return host::ColourToRgb(data_->Elements().Colours.ButtonFace); }
  COLORREF Shown(COLORREF c) const { return c == skin::kSkinColourKey ? Face() : c; }

  // The button at `left` of the given width shows frame k of the skin's
  // "Buttons" and the named glyph, moved by d.
  bool ShowsButton(int left, int width, int k, const wchar_t* glyph_name, int d) const {
    const skin::TDataSkinButton& e = *data_->Elements().Buttons;
    const int h = Overlay()->Height();
    const host::DibBitmap frame = skin::ComposeSkinElement({0, 0, width, h}, e.Image, e.Margins(), k, e.FrameCount,
                                                           e.Tile != 0, skin::Strip::Horizontal);
    host::TBitmap glyph;
    if (!glyph.LoadFromResource(GetModuleHandleW(nullptr), glyph_name)) return false;
    const host::DibBitmap& g = glyph.Dib();
    POINT first{-1, -1};
    for (int y = 0; y < g.Height() && first.x < 0; ++y)
      for (int x = 0; x < g.Width() && first.x < 0; ++x)
        if (g.Pixel(x, y) != kGlyphFace) first = {x, y};
    const int gx = left + (width - g.Width()) / 2 + d + first.x, gy = (h - g.Height()) / 2 + d + first.y;
    return PumpUntil([&] {
      const host::DibBitmap shot = form_test::WindowShot(Overlay()->WindowHandle());
      return shot.Pixel(left + 1, h / 2) == Shown(frame.Pixel(1, h / 2)) &&
             shot.Pixel(left + 2, 2) == Shown(frame.Pixel(2, 2)) && shot.Pixel(gx, gy) == g.Pixel(first.x, first.y) &&
             shot.Pixel(gx - 1, gy) == Face();
    });
  }
  void Press(POINT p) {
    SendMouse(0, p);
    SendMouse(MOUSEEVENTF_LEFTDOWN, p);
  }
  void Release(POINT p) { SendMouse(MOUSEEVENTF_LEFTUP, p); }

  std::unique_ptr<form_test::TTestForm> form_;
  host::TMediaPlayer* player_ = nullptr;
  skin::TSkinForm* skinner_ = nullptr;
  std::vector<TMPBtnType> clicks_;
};

TEST_F(MediaPlayerTest, AHeldButtonShowsItsPressedFrameAndADisabledOneStaysStill) {
  player_->SetEnabledButtons(host::kAllMPButtons & ~(1u << host::btStop));
  player_->SetColoredButtons(1u << host::btPause);
  Show();
  const int w = 253 / 9;
  EXPECT_TRUE(ShowsButton(0, w, 1, L"EN_MPPLAY", 0));
  EXPECT_TRUE(ShowsButton(w, w, 1, L"CL_MPPAUSE", 0));
  EXPECT_TRUE(ShowsButton(2 * w, w, 3, L"DI_MPSTOP", 0));

  Press(At(w / 2, 15));
  EXPECT_TRUE(ShowsButton(0, w, 2, L"EN_MPPLAY", 1)) << "held: frame 2, the glyph one pixel down and right";
  Release(At(w / 2, 15));
  EXPECT_TRUE(ShowsButton(0, w, 1, L"EN_MPPLAY", 0));

  Press(At(2 * w + w / 2, 15));
  form_test::Pump(150);
  EXPECT_TRUE(ShowsButton(2 * w, w, 3, L"DI_MPSTOP", 0)) << "a disabled button does not move";
  Release(At(2 * w + w / 2, 15));
  form_test::Pump(150);
  EXPECT_EQ(clicks_, std::vector<TMPBtnType>{host::btPlay});
}

TEST_F(MediaPlayerTest, AClickRunsOnceAndAReleaseOnAnotherButtonRunsNone) {
  Show();
  const int w = 253 / 9;
  Press(At(w + w / 2, 15));
  Release(At(w + w / 2, 15));
  ASSERT_TRUE(PumpUntil([&] { return !clicks_.empty(); }));
  form_test::Pump(150);
  EXPECT_EQ(clicks_, std::vector<TMPBtnType>{host::btPause});

  Press(At(w / 2, 15));
  ASSERT_TRUE(PumpUntil([&] { return Overlay()->MouseDown; }));
  SendMouse(0, At(2 * w + w / 2, 15));
  Release(At(2 * w + w / 2, 15));
  ASSERT_TRUE(PumpUntil([&] { return !Overlay()->MouseDown; }));
  form_test::Pump(150);
  EXPECT_EQ(clicks_.size(), 1u);
  EXPECT_TRUE(ShowsButton(0, w, 1, L"CL_MPPLAY", 0)) << "the button left behind comes up";

  // Released off the player: no click, and the button does not stay down.
  Press(At(w / 2, 15));
  ASSERT_TRUE(PumpUntil([&] { return Overlay()->MouseDown; }));
  SendMouse(0, At(w / 2, 60));
  Release(At(w / 2, 60));
  ASSERT_TRUE(PumpUntil([&] { return !Overlay()->MouseDown; }));
  EXPECT_EQ(clicks_.size(), 1u);
  EXPECT_TRUE(ShowsButton(0, w, 1, L"CL_MPPLAY", 0));
}

TEST_F(MediaPlayerTest, FiveButtonsShareTheWidthTheRestKeepsTheFaceAndNoneShowNothing) {
  player_->SetVisibleButtons(0x1F);  // play, pause, stop, next, prev
  Show();
  ASSERT_TRUE(PumpUntil([&] { return Overlay()->ButtonWidth == 50; }));
  EXPECT_TRUE(ShowsButton(200, 50, 1, L"CL_MPPREV", 0));
  const host::DibBitmap shot = form_test::WindowShot(Overlay()->WindowHandle());
  for (int x = 250; x < 253; ++x)
    for (int y = 0; y < 30; ++y) ASSERT_EQ(shot.Pixel(x, y), Face()) << x << "," << y;
  EXPECT_EQ(Overlay()->ButtonAt(50), host::btPlay) << "a shared edge belongs to the left button";
  EXPECT_EQ(Overlay()->ButtonAt(51), host::btPause);
  EXPECT_EQ(Overlay()->ButtonAt(252), skin::kNoButton);

  player_->SetVisibleButtons(0);
  Overlay()->Invalidate();
  ASSERT_TRUE(PumpUntil([&] { return Overlay()->ButtonWidth == 0; }));
  form_test::Pump(100);
  const host::DibBitmap none = form_test::WindowShot(Overlay()->WindowHandle());
  for (int y = 0; y < none.Height(); ++y)
    for (int x = 0; x < none.Width(); ++x) ASSERT_EQ(none.Pixel(x, y), GetSysColor(COLOR_BTNFACE)) << x << "," << y;
}

TEST_F(MediaPlayerTest, TheOverlayFollowsThePlayersPlaceAndVisibility) {
  Show();
  HWND overlay = Overlay()->WindowHandle();
  player_->SetBounds(40, 80, 180, 24);
  EXPECT_TRUE(SameRect(form_test::WindowRect(overlay), form_test::WindowRect(player_->WindowHandle())));
  EXPECT_TRUE(ShowsButton(0, 180 / 9, 1, L"CL_MPPLAY", 0));
  player_->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(overlay));
  player_->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(overlay));
  EXPECT_TRUE(ShowsButton(0, 180 / 9, 1, L"CL_MPPLAY", 0));
}

TEST_F(MediaPlayerTest, FreeingThePlayerInItsClickHandlerTakesTheOverlayAlong) {
  player_->OnClick = [this](host::TComponent*) { delete std::exchange(player_, nullptr); };
  Show();
  Press(At(10, 15));
  Release(At(10, 15));
  ASSERT_TRUE(PumpUntil([&] { return !player_; }));
  form_test::Pump(100);
  EXPECT_FALSE(Skinner());
  EXPECT_FALSE(FindWindowExW(form_->WindowHandle(), nullptr, L"TWMediaPlayer", nullptr));
}

TEST(MediaPlayerForm, AStoredFormDeclaresThePlayersButtonSetsAndItsClick) {
  host::RegisterComponentClass(host::TMediaPlayer::Info());
  form_test::TTestForm root(nullptr);
  host::ReadComponent(root, host::ParseStoredForm("object Main: TTestForm\n"
                                                  "  object Player: TMediaPlayer\n"
                                                  "    VisibleButtons = [btPlay, btStop, btEject]\n"
                                                  "    EnabledButtons = [btPlay]\n"
                                                  "    ColoredButtons = []\n"
                                                  "  end\n"
                                                  "end\n"));
  auto* player = dynamic_cast<host::TMediaPlayer*>(root.FindComponent("Player"));
  ASSERT_TRUE(player);
  EXPECT_EQ(player->VisibleButtons(), (1u << host::btPlay) | (1u << host::btStop) | (1u << host::btEject));
  EXPECT_EQ(player->EnabledButtons(), 1u << host::btPlay);
  EXPECT_EQ(player->ColoredButtons(), 0u);
  EXPECT_TRUE(host::TMediaPlayer::Info().FindProp("OnClick"));
}

}  // namespace
