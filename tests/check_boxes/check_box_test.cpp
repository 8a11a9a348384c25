// Check boxes and radio buttons under the default skin (12 and 8 frames) and
// a test skin of 4 frames each: the glyph each state shows, read back from
// the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "form_test_support.h"
#include "host/controls/check_box.h"
#include "host/controls/group_box.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/skin_control.h"
#include "skin/draw/transparent.h"
#include "skin/form/engine_messages.h"
#include "test_skins.h"

namespace {

using form_test::PumpUntil;

// One glyph picture: `frames` frames side by side.
struct Picture {
  const host::DibBitmap& image;
  int frames;
};

// The glyph, vertically centred at the left (or `inset` pixels off the right),
// shows frame k of the picture in every pixel that is not keyed.
bool ShowsFrame(HWND window, const Picture& p, int k, bool right = false, int inset = 0) {
  const int w = p.image.Width() / p.frames, h = p.image.Height();
  return PumpUntil([&] {
    const host::DibBitmap shot = form_test::ClientShot(window);
    const int left = right ? shot.Width() - w - inset : 0, top = (shot.Height() - h) / 2;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const COLORREF c = p.image.Pixel(w * (k - 1) + x, y);
        if (c != skin::kSkinColourKey && shot.Pixel(left + x, top + y) != c) return false;
      }
    return true;
  });
}

// A check box that is bound to data: the state set last by BM_SETCHECK counts.
class TDataCheckBox : public host::TCheckBox {
public:
  using TCheckBox::TCheckBox;
  const host::ClassInfo& Class() const override {
    static const host::ClassInfo info{"TDBCheckBox", &TCheckBox::Info(), {
        host::props::Text<&TDataCheckBox::Field, &TDataCheckBox::SetField>("DataField"),
    }};
    return info;
  }
  std::string Field() const { return "Active"; }
  void SetField(std::string) {}
};

class CheckBoxTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    // Our host classes reach their skinners through the application's kind list.
    host::StringList kinds = data_->Skin3rd();
    kinds.insert(kinds.end(), {"TCheckBox=checkbox", "TDBCheckBox=checkbox", "TRadioButton=radiobutton"});
    data_->SetSkin3rd(kinds);
    form_ = form_test::MakeForm(100, 100, 420, 200);
  }
  template <class T = host::TCheckBox>
  T* Add(int row, int column = 0) {
    auto* c = new T(form_.get());
    c->SetParent(form_.get());
    c->SetBounds(10 + 200 * column, 10 + 30 * row, 180, 24);
    c->SetCaption("Choice");
    return c;
  }
  void Show() { ASSERT_TRUE(skinner_ = form_test::ShowSkinned(*form_)); }
  Picture Check() const { return {data_->Elements().Buttons->CheckImage, data_->Elements().Buttons->CheckFrames}; }
  Picture Radio() const { return {data_->Elements().Buttons->RadioImage, data_->Elements().Buttons->RadioFrames}; }

  std::unique_ptr<form_test::TTestForm> form_;
  skin::TSkinForm* skinner_ = nullptr;
};

TEST_F(CheckBoxTest, EachStateShowsItsFrameOfTheTwelveAndEightFramePictures) {
  ASSERT_EQ(Check().frames, 12);
  ASSERT_EQ(Radio().frames, 8);
  host::TCheckBox* boxes[6];
  for (int i = 0; i < 6; ++i) {
    boxes[i] = Add(i % 3, i / 3);
    boxes[i]->SetAllowGrayed(true);
    boxes[i]->SetState(static_cast<host::TCheckBoxState>(i % 3));
    boxes[i]->SetEnabled(i < 3);
  }
  Show();
  // Unchecked, checked, indeterminate; then the same disabled.
  const int frames[] = {1, 5, 9, 4, 8, 12};
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(ShowsFrame(boxes[i]->Handle(), Check(), frames[i])) << "box " << i;

  // A click goes through to the control, which ticks it.
  boxes[0]->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  boxes[0]->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(boxes[0]->State(), host::cbGrayed);
  EXPECT_TRUE(ShowsFrame(boxes[0]->Handle(), Check(), 9));
}

TEST_F(CheckBoxTest, RadioButtonsShowTheirFramesAndTheGlyphMovesRightWithLeftText) {
  auto* off = Add<host::TRadioButton>(0);
  auto* on = Add<host::TRadioButton>(1);
  auto* disabled = Add<host::TRadioButton>(0, 1);
  auto* left_text = Add<host::TCheckBox>(2);
  on->SetChecked(true);
  disabled->SetEnabled(false);
  left_text->SetAlignment(host::taLeftJustify);
  Show();
  EXPECT_TRUE(ShowsFrame(off->Handle(), Radio(), 1));
  EXPECT_TRUE(ShowsFrame(on->Handle(), Radio(), 5));
  EXPECT_TRUE(ShowsFrame(disabled->Handle(), Radio(), 4));
  EXPECT_TRUE(ShowsFrame(left_text->Handle(), Check(), 1, true));
  disabled->SetChecked(true);
  EXPECT_TRUE(ShowsFrame(disabled->Handle(), Radio(), 8));
  EXPECT_FALSE(on->Checked()) << "checking one radio button clears the others beside it";
  EXPECT_TRUE(ShowsFrame(on->Handle(), Radio(), 1));
  disabled->SetAlignment(host::taLeftJustify);
  EXPECT_TRUE(ShowsFrame(disabled->Handle(), Radio(), 8, true, 1));
}

// Four frames each, one plain colour per frame, a keyed corner.
data_test::TestSkin FourFrameSkin() {
  const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0)};
  const auto strip = [colours](int x, int y) { return x % 14 == 0 && y == 0 ? skin::kSkinColourKey : colours[x / 14]; };
  data_test::TestSkin skin{
      "[Buttons]\nCheckButton=check.bmp\nCheckButtonFrame=4\nRadioButton=radio.bmp\nRadioButtonFrame=4\n"};
  skin.Picture("check.bmp", data_test::Bmp(56, 14, strip)).Picture("radio.bmp", data_test::Bmp(56, 14, strip));
  return skin;
}

TEST_F(CheckBoxTest, AFourFramePictureAndADataBoundCheckBox) {
  data_test::Load(*data_, FourFrameSkin());
  auto* checked = Add(0);
  auto* grey = Add(1);
  auto* disabled = Add(2);
  auto* data_bound = Add<TDataCheckBox>(3);
  auto* radio = Add<host::TRadioButton>(0, 1);
  checked->SetChecked(true);
  grey->SetAllowGrayed(true);
  grey->SetState(host::cbGrayed);
  disabled->SetChecked(true);
  disabled->SetEnabled(false);
  radio->SetEnabled(false);
  Show();
  EXPECT_TRUE(ShowsFrame(checked->Handle(), Check(), 2));
  EXPECT_TRUE(ShowsFrame(grey->Handle(), Check(), 4));
  EXPECT_TRUE(ShowsFrame(disabled->Handle(), Check(), 4));
  EXPECT_TRUE(ShowsFrame(radio->Handle(), Radio(), 3));
  // Set on the window behind the control's back: its "State" still says unchecked, yet a
  // data-bound box shows what was set last.
  SendMessageW(data_bound->Handle(), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(checked->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_TRUE(ShowsFrame(data_bound->Handle(), Check(), 2));
  EXPECT_TRUE(ShowsFrame(checked->Handle(), Check(), 2)) << "its State says checked";
}

TEST_F(CheckBoxTest, ADialogCheckBoxKeepsTheSystemsPaintingUnderTheSkinsGlyph) {
  Show();
  HWND bare = CreateWindowExW(0, L"Button", L"Bare", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 150, 180, 24,
                              form_->WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND group = CreateWindowExW(0, L"Button", L"Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 210, 100, 180, 90,
                               form_->WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  skinner_->DiscoverWindows(form_->WindowHandle());
  EXPECT_EQ(SendMessageW(bare, skin::kSkinnedQuery, 0, 0), 1);
  EXPECT_EQ(SendMessageW(group, skin::kSkinnedQuery, 0, 0), 0) << "a dialog's group box keeps the system's look";
  EXPECT_TRUE(ShowsFrame(bare, Check(), 1));
  SendMessageW(bare, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(bare, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(ShowsFrame(bare, Check(), 5));
}

// A check group whose frame gets no skinner is reached again through the tab
// order; its buttons keep the one skinner each they got the first time.
TEST_F(CheckBoxTest, AGroupReachedTwiceGivesItsButtonsOneSkinnerEach) {
  data_->SetSkinControls(data_->SkinControls() & ~skin::Bit(skin::xcGroupBox));
  host::StringList kinds = data_->Skin3rd();
  kinds.insert(kinds.begin(), "TRadioGroup=checkgroup");
  data_->SetSkin3rd(kinds);
  auto* group = new host::TRadioGroup(form_.get());
  group->SetParent(form_.get());
  group->SetBounds(10, 10, 180, 100);
  group->SetItems({"One", "Two"});
  Show();
  for (host::TRadioButton* button : group->Buttons())
    EXPECT_EQ(std::count_if(skinner_->FControls.begin(), skinner_->FControls.end(),
                            [&](const skin::TSkinControl* s) { return s->HostControl() == button; }),
              1);
}

host::TCheckBox* g_doomed = nullptr;

// The click that ticks a box frees it: the skinner, busy with that click, goes after it.
TEST_F(CheckBoxTest, ACheckBoxFreedByItsOwnClickTakesItsSkinnerAlong) {
  g_doomed = Add(0);
  g_doomed->SetOnClick([](host::TComponent*) { delete std::exchange(g_doomed, nullptr); });
  Show();
  const std::size_t skinners = skinner_->FControls.size();
  RECT r;
  GetWindowRect(g_doomed->Handle(), &r);
  form_test::SendMouse(MOUSEEVENTF_LEFTDOWN, {r.left + 5, r.top + 5});
  form_test::SendMouse(MOUSEEVENTF_LEFTUP, {r.left + 5, r.top + 5});
  ASSERT_TRUE(PumpUntil([] { return !g_doomed; }));
  EXPECT_EQ(skinner_->FControls.size(), skinners - 1);
}

}  // namespace
