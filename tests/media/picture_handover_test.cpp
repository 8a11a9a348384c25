// Skinners that hand the skin's pictures to controls through published
// properties, and the scroll-bar control's overlay: what the controls hold
// while skinned, what they get back, and skinning switched off and on again.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "form_test_support.h"
#include "handover_components.h"
#include "host/controls/media_player.h"
#include "host/controls/scrollbar.h"
#include "host/controls/updown.h"
#include "host/gdi/handles.h"
#include "skin/controls/adv_page.h"
#include "skin/controls/obj_image.h"
#include "skin/controls/scroll_control.h"
#include "skin/controls/skinner_factory.h"
#include "skin/draw/transparent.h"
#include "skin/form/engine_messages.h"

namespace {

using form_test::PumpUntil;
using media_test::TGlyphCheck;
using media_test::TGlyphPropsCheck;
using media_test::TPictureTabs;
using skin::TSkinnerClass;

bool SameRect(RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; }

COLORREF FrameColour(int k) { return RGB(40 * k, 100, 7); }

// Frames of 3 x 4 pixels side by side, each of its own colour.
host::DibBitmap Frames(int n) {
  host::DibBitmap picture(3 * n, 4);
  for (int x = 0; x < picture.Width(); ++x)
    for (int y = 0; y < 4; ++y) picture.SetPixel(x, y, FrameColour(x / 3 + 1));
  return picture;
}

// The frame each 3-pixel slot of a strip shows; 0 for an empty (keyed) slot.
std::vector<int> Slots(const host::DibBitmap& strip) {
  std::vector<int> slots;
  for (int x = 0; x + 3 <= strip.Width(); x += 3) {
    int frame = strip.Pixel(x, 0) == skin::kSkinColourKey ? 0 : -1;
    for (int k = 1; k <= 5; ++k) frame = strip.Pixel(x, 0) == FrameColour(k) ? k : frame;
    slots.push_back(frame);
  }
  return slots;
}

TEST(GlyphStrips, EachModeTakesItsFramesAndAFourFrameCheckLeavesTheThirdSlotsEmpty) {
  skin::TDataSkinButton buttons;
  buttons.CheckImage = Frames(5);
  buttons.CheckFrames = 5;
  buttons.RadioImage = Frames(4);
  buttons.RadioFrames = 4;
  EXPECT_EQ(Slots(skin::GlyphStrip(&buttons, skin::gmCheckBox)), (std::vector<int>{1, 2, 5, 1, 2, 5, 3, 4, 5}));
  EXPECT_EQ(Slots(skin::GlyphStrip(&buttons, skin::gmGlyphProp)), (std::vector<int>{1, 2, 5, 1, 2, 5}));
  EXPECT_EQ(Slots(skin::GlyphStrip(&buttons, skin::gmRadio)), (std::vector<int>{1, 2, 1, 2, 3, 4}));

  buttons.CheckImage = Frames(4);
  buttons.CheckFrames = 4;
  EXPECT_EQ(Slots(skin::GlyphStrip(&buttons, skin::gmCheckBox)), (std::vector<int>{1, 2, 0, 1, 2, 0, 3, 4, 0}));

  // Frames the picture does not have are never read.
  buttons.CheckImage = Frames(2);
  buttons.CheckFrames = 2;
  EXPECT_EQ(Slots(skin::GlyphStrip(&buttons, skin::gmCheckBox)), (std::vector<int>{1, 2, 0, 1, 2, 0, 0, 0, 0}));

  buttons.CheckImage = host::DibBitmap();
  EXPECT_TRUE(skin::GlyphStrip(&buttons, skin::gmCheckBox).Empty());
  EXPECT_TRUE(skin::GlyphStrip(nullptr, skin::gmRadio).Empty());
}

class PictureHandoverTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    form_ = form_test::MakeForm(100, 100, 460, 260);
    check_ = Add<TGlyphCheck>({10, 10, 100, 20});
    radio_ = Add<TGlyphCheck>({10, 40, 100, 20});
    glyph_ = Add<TGlyphPropsCheck>({10, 70, 100, 20});
    tabs_ = Add<TPictureTabs>({150, 10, 200, 120});
    spin_ = new host::TUpDown(form_.get());
    spin_->SetParent(tabs_);
    spin_->SetBounds(160, 4, 30, 20);
    bar_ = Add<host::TScrollBar>({10, 200, 300, 18});
    bar_->SetShowHint(true);
    bar_->SetHint("Position");
    // The form skinner leaves these alone: the tests attach their skinners.
    for (host::TControl* c : std::initializer_list<host::TControl*>{check_, radio_, glyph_, tabs_, bar_})
      c->SetTag(data_->DisableTag());
    player_ = Add<host::TMediaPlayer>({10, 140, 253, 30});
    skinner_ = form_test::ShowSkinned(*form_);
    ASSERT_TRUE(skinner_);
    AttachAll();
    form_test::Pump(100);
  }
  template <class T>
  T* Add(RECT b) {
    auto* control = new T(form_.get());
    control->SetParent(form_.get());
    control->SetBounds(b.left, b.top, b.right, b.bottom);
    return control;
  }
  void AttachAll() {
    skin::MakeSkinner({TSkinnerClass::ObjImageCheck, check_}, *skinner_);
    skin::MakeSkinner({TSkinnerClass::ObjImageRadio, radio_}, *skinner_);
    skin::MakeSkinner({TSkinnerClass::ObjImageCx, glyph_}, *skinner_);
    skin::MakeSkinner({TSkinnerClass::AdvPage, tabs_}, *skinner_);
    scroll_ = new skin::TSkinScControl(bar_);  // no discovery rule names it
    scroll_->Attach(skinner_, data_.get(), false, skinner_->FControlCanvas);
    // The page control's spin buttons are found when it paints.
    tabs_->Invalidate();
    UpdateWindow(tabs_->WindowHandle());
  }
  void ExpectGivenBack() const {
    EXPECT_FALSE(check_->UseCustomGlyphs());
    EXPECT_FALSE(radio_->UseCustomGlyphs());
    EXPECT_TRUE(glyph_->Properties()->Glyph()->Empty());
    EXPECT_TRUE(tabs_->TabBackGround()->Empty());
    EXPECT_TRUE(tabs_->TabBackGroundActive()->Empty());
    EXPECT_FALSE(skin::IsSkinned(spin_->WindowHandle()));
    EXPECT_FALSE(FindWindowExW(form_->WindowHandle(), nullptr, L"TWMediaPlayer", nullptr));
  }
  const skin::TDataSkinButton& Buttons() const { return *data_->Elements().Buttons; }

  std::unique_ptr<form_test::TTestForm> form_;
  TGlyphCheck *check_ = nullptr, *radio_ = nullptr;
  TGlyphPropsCheck* glyph_ = nullptr;
  TPictureTabs* tabs_ = nullptr;
  host::TUpDown* spin_ = nullptr;
  host::TScrollBar* bar_ = nullptr;
  host::TMediaPlayer* player_ = nullptr;
  skin::TSkinScControl* scroll_ = nullptr;
  skin::TSkinForm* skinner_ = nullptr;
};

TEST_F(PictureHandoverTest, CheckAndTabPicturesAreHandedOverAndGivenBack) {
  const int w = Buttons().CheckImage.Width() / Buttons().CheckFrames;
  const host::DibBitmap& strip = check_->CustomGlyphs()->Dib();
  ASSERT_EQ(strip.Width(), 9 * w);
  // Slot 7 shows frame 3 of the skin's check picture.
  EXPECT_EQ(strip.Pixel(6 * w + w / 2, strip.Height() / 2), Buttons().CheckImage.Pixel(2 * w + w / 2, strip.Height() / 2));
  EXPECT_EQ(check_->TransparentColor(), 0xFF00FF);
  EXPECT_TRUE(check_->UseCustomGlyphs());
  EXPECT_EQ(check_->Reloads, 1) << "switched off and on, so that the control takes the pictures up";
  EXPECT_EQ(radio_->CustomGlyphs()->Width(), 6 * (Buttons().RadioImage.Width() / Buttons().RadioFrames));
  const host::TBitmap& glyph = *glyph_->Properties()->Glyph();
  EXPECT_EQ(glyph.Width(), 6 * w);
  EXPECT_EQ(glyph.TransparentColor(), skin::kSkinColourKey);
  EXPECT_FALSE(glyph.Transparent());

  const host::DibBitmap inactive = skin::TabPicture(*data_, 1), active = skin::TabPicture(*data_, 2);
  ASSERT_FALSE(inactive.Empty());
  const host::DibBitmap& tab = tabs_->TabBackGround()->Dib();
  const host::DibBitmap& lit = tabs_->TabBackGroundActive()->Dib();
  ASSERT_EQ(tab.Width(), 100);
  ASSERT_EQ(tab.Height(), 21);
  for (POINT p : {POINT{1, 1}, POINT{50, 10}, POINT{98, 19}}) {
    EXPECT_EQ(tab.Pixel(p.x, p.y), inactive.Pixel(p.x, p.y));
    EXPECT_EQ(lit.Pixel(p.x, p.y), active.Pixel(p.x, p.y));
  }
  EXPECT_TRUE(PumpUntil([&] { return skin::IsSkinned(spin_->WindowHandle()); }));

  skinner_->FreeControls();
  ExpectGivenBack();
}

TEST_F(PictureHandoverTest, TheScrollBarControlsOverlayHidesAndReturnsWithIt) {
  skin::TWScrollbar* overlay = scroll_->Overlay();
  ASSERT_TRUE(overlay);
  EXPECT_TRUE(overlay->ShowHint());
  EXPECT_EQ(overlay->Hint(), "Position");
  const RECT bar = form_test::WindowRect(bar_->WindowHandle());
  const POINT centre{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
  const COLORREF empty = form_test::ScreenPixel(bar.left + 5, bar.bottom + 10);  // the form's bare face
  ASSERT_TRUE(PumpUntil([&] { return overlay->Shown; }));
  EXPECT_TRUE(SameRect(form_test::WindowRect(overlay->WindowHandle()), bar));

  bar_->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(overlay->WindowHandle()));
  EXPECT_TRUE(PumpUntil([&] { return form_test::ScreenPixel(centre.x, centre.y) == empty; }));

  bar_->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(overlay->WindowHandle()));
  EXPECT_TRUE(SameRect(form_test::WindowRect(overlay->WindowHandle()), bar));
  EXPECT_TRUE(PumpUntil([&] { return form_test::ScreenPixel(centre.x, centre.y) != empty; }));
}

TEST_F(PictureHandoverTest, SkinningOffAndOnAHundredTimesGivesEverythingBack) {
  // Skinning of the form's controls off and on: once first, as pictures
  // drawn once keep their DCs for good.
  const auto reskin = [&] {
    skinner_->FreeControls();
    ExpectGivenBack();
    skinner_->DiscoverForm(*form_);
    AttachAll();
    form_test::Pump(0);
  };
  reskin();
  const long gdi = host::HandleCensus::gdi, user = host::HandleCensus::user;
  for (int round = 0; round < 100 && !HasFailure(); ++round) reskin();
  EXPECT_EQ(host::HandleCensus::gdi, gdi);
  EXPECT_EQ(host::HandleCensus::user, user);
  EXPECT_TRUE(check_->UseCustomGlyphs());
  EXPECT_FALSE(tabs_->TabBackGround()->Empty());
  EXPECT_TRUE(FindWindowExW(form_->WindowHandle(), nullptr, L"TWMediaPlayer", nullptr));
}

}  // namespace
