// Caption buttons: where they lie, what they look like in each state, and
// when they are shown.
#include "button_test_support.h"
#include "skin/form/engine_messages.h"

namespace buttons_test {
namespace {

using form_test::MakeForm;
using form_test::PumpUntil;
using form_test::ScreenPixel;
using form_test::ShowSkinned;

constexpr int kClose = 0, kApplication = 2;

bool PixelBecomes(POINT p, COLORREF colour) {
  return PumpUntil([&] { return ScreenPixel(p.x, p.y) == colour; }, 2000);
}

TEST_F(ButtonsTest, RightAlignedButtonLiesItsXCoordFromTheRightEdge) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  const RECT r = form_test::WindowRect(window);
  const int width = r.right - r.left;
  const RECT bounds = skinner->FButtons[kClose]->Bounds;
  EXPECT_EQ(bounds.left, width - 20);
  EXPECT_EQ(bounds.right, width - 4);
  EXPECT_EQ(bounds.top, 4);
  EXPECT_EQ(bounds.bottom, 20);
  // Frame 1 on the screen, the caption around it.
  EXPECT_EQ(ScreenPixel(r.left + width - 20, r.top + 4), kCloseNormal);
  EXPECT_EQ(ScreenPixel(r.left + width - 5, r.top + 19), kCloseNormal);
  EXPECT_EQ(ScreenPixel(r.left + width - 21, r.top + 12), kCaption);
  EXPECT_EQ(ScreenPixel(r.left + width - 4, r.top + 12), kCaption);
}

TEST_F(ButtonsTest, HoverShowsFrameThreeAndPressFrameTwo) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  const POINT centre = ScreenCentre(window, skinner->FButtons[kClose]->Bounds);
  EXPECT_EQ(ScreenPixel(centre.x, centre.y), kCloseNormal);

  MoveMouse(centre);
  EXPECT_TRUE(PixelBecomes(centre, kCloseHot));
  EXPECT_EQ(skinner->FHotObject, skinner->FButtons[kClose].get());

  Press(centre);
  EXPECT_TRUE(PixelBecomes(centre, kClosePressed));

  // Leaving the button without releasing: the hover timer ends the look.
  const POINT away = OnScreen(window, 150, 80);
  MoveMouse(away);
  EXPECT_TRUE(PixelBecomes(centre, kCloseNormal));
  Release(away);
  EXPECT_TRUE(PumpUntil([&] { return skinner->FHotObject == nullptr; }));
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(ButtonsTest, MovingOffTheButtonOverTheCaptionEndsTheHoverAtOnce) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  const POINT centre = ScreenCentre(window, skinner->FButtons[kClose]->Bounds);
  MoveMouse(centre);
  ASSERT_TRUE(PixelBecomes(centre, kCloseHot));
  MoveMouse(OnScreen(window, 120, 12));
  EXPECT_TRUE(PixelBecomes(centre, kCloseNormal));
  EXPECT_EQ(skinner->FHotObject, nullptr);
}

TEST_F(ButtonsTest, InactiveWindowShowsTheInactiveFrameAndNoHover) {
  auto first = MakeForm(60, 100, 300, 150);
  auto second = MakeForm(500, 100, 300, 150);
  skin::TSkinForm* skinner = ShowSkinned(*first);
  ASSERT_TRUE(skinner);
  ASSERT_TRUE(ShowSkinned(*second));
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == second->WindowHandle(); }));
  const POINT centre = ScreenCentre(first->WindowHandle(), skinner->FButtons[kClose]->Bounds);
  EXPECT_TRUE(PixelBecomes(centre, kCloseInactive));

  MoveMouse(centre);
  form_test::Pump(300);
  EXPECT_EQ(ScreenPixel(centre.x, centre.y), kCloseInactive);
  EXPECT_EQ(skinner->FHotObject, nullptr);
}

TEST_F(ButtonsTest, SystemMenuButtonTakesTheWindowIconAsItsPicture) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  const auto& sysmenu = skinner->FButtons[1]->Descriptor;
  EXPECT_EQ(sysmenu.FrameCount, 1);
  const RECT bounds = skinner->FButtons[1]->Bounds;
  EXPECT_EQ(bounds.left, 4);
  EXPECT_EQ(bounds.top, 4);
  EXPECT_EQ(bounds.right - bounds.left, 16);
}

// The visibility rules, one button per code under the rule tested.
class VisibilityRules : public form_test::SkinnedTest {
protected:
  static constexpr int kCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 100, 200, 250, 999, -1, 5000};

  void SetUp() override {
    std::string ini = "[Personality]\nTop=top.bmp\nTopFrame=1\n";
    int section = 0;
    // First the codes as the first rule, then as the second.
    for (bool first : {true, false})
      for (int code : kCodes)
        ini += "[Button" + std::to_string(section++) + "]\nAction=20\nframe=1\nButtonImage=b.bmp\n" +
               (first ? "Visibility=" + std::to_string(code) + "\nVisibility1=0\n"
                      : "Visibility=0\nVisibility1=" + std::to_string(code) + "\n");
    // Actions that need a frame feature, under rules that always show.
    for (int action : {0, 1, 2, 3, 11, 12})
      ini += "[Button" + std::to_string(section++) + "]\nAction=" + std::to_string(action) +
             "\nframe=1\nButtonImage=b.bmp\nVisibility=0\nVisibility1=0\n";
    data_test::TestSkin skin{ini};
    skin.Picture("top.bmp", data_test::SolidBmp(10, 20, RGB(1, 2, 3)))
        .Picture("b.bmp", data_test::SolidBmp(16, 16, RGB(4, 5, 6)));
    data_ = form_test::MakeSkinData(skin.Package());
    ASSERT_FALSE(data_->SkinMissing()) << data_->RefusalReason();
    form_ = MakeForm(100, 100, 300, 150);
    skinner_ = ShowSkinned(*form_);
    ASSERT_TRUE(skinner_);
  }

  int IndexOf(int code, bool first) const {
    const int n = static_cast<int>(std::size(kCodes));
    for (int i = 0; i < n; ++i)
      if (kCodes[i] == code) return first ? i : n + i;
    return -1;
  }
  int ActionIndex(int action) const {
    const int base = 2 * static_cast<int>(std::size(kCodes));
    const int actions[] = {0, 1, 2, 3, 11, 12};
    for (int i = 0; i < 6; ++i)
      if (actions[i] == action) return base + i;
    return -1;
  }

  std::unique_ptr<form_test::TTestForm> form_;
  skin::TSkinForm* skinner_ = nullptr;
};

struct Situation {
  const char* name;
  skin::TWindowState state;
  bool active;
  std::uint8_t caps;
  skin::TBorderKind border;
  bool dialog_class;
};

constexpr std::uint8_t kAllCaps = skin::capMaximize | skin::capMinimize | skin::capSysMenu;

struct RuleCase {
  Situation situation;
  int code;
  bool first_rule;  // the code as Visibility (A) or as Visibility1 (B)
  bool shown;
};

const Situation kNormal{"normal", skin::TWindowState::Normal, true, kAllCaps, skin::TBorderKind::Sizeable, false};
const Situation kMaximized{"maximised", skin::TWindowState::Maximized, true, kAllCaps, skin::TBorderKind::Sizeable,
                           false};
const Situation kInactive{"inactive", skin::TWindowState::Normal, false, kAllCaps, skin::TBorderKind::Sizeable, false};
const Situation kNoSysMenu{"boxes without system menu", skin::TWindowState::Normal, true,
                           skin::capMaximize | skin::capMinimize, skin::TBorderKind::Sizeable, false};
const Situation kNoBoxes{"system menu only", skin::TWindowState::Normal, true, skin::capSysMenu,
                         skin::TBorderKind::Sizeable, false};
const Situation kDialogFrame{"dialog frame", skin::TWindowState::Normal, true, kAllCaps, skin::TBorderKind::Dialog,
                             false};
const Situation kDialogClass{"dialog class", skin::TWindowState::Normal, true, kAllCaps, skin::TBorderKind::Dialog,
                             true};

const RuleCase kRuleCases[] = {
    {kNormal, 0, true, true},          {kNormal, 0, false, true},
    {kMaximized, 1, true, true},       {kNormal, 1, false, false},
    {kNormal, 2, true, true},          {kMaximized, 2, false, false},
    {kNormal, 3, true, true},          {kInactive, 3, false, false},
    {kInactive, 4, true, true},        {kNormal, 4, false, false},
    {kNormal, 5, true, false},         {kNormal, 5, false, false},
    {kNormal, 6, true, true},          {kNoSysMenu, 6, true, false},
    {kNoSysMenu, 6, false, true},      {kNoBoxes, 6, false, false},
    {kNoBoxes, 7, true, true},         {kNormal, 7, false, false},
    {kNormal, 8, true, true},          {kNoSysMenu, 8, true, false},
    {kNoSysMenu, 8, false, true},      {kNoBoxes, 9, false, true},
    {kNormal, 9, true, false},         {kNormal, 10, true, false},
    {kNormal, 11, false, false},       {kNormal, 100, true, false},
    {kNormal, 100, false, false},      {kDialogFrame, 200, true, true},
    {kDialogFrame, 200, false, true},  {kDialogClass, 200, true, false},
    {kNormal, 200, false, false},      {kNormal, 250, true, true},
    {kNormal, 999, false, true},       {kNormal, -1, true, false},
    {kNormal, -1, false, false},       {kNormal, 5000, true, false},
    {kNormal, 5000, false, false},
};

void Put(skin::TSkinForm& skinner, const Situation& s) {
  skinner.FWindowState = s.state;
  skinner.FActive = s.active;
  skinner.FCaps = s.caps;
  skinner.FBorderKind = s.border;
  skinner.FIsDialog = s.dialog_class;
}

TEST_F(VisibilityRules, EachCodeShowsTheButtonInItsSituationOnly) {
  for (const RuleCase& c : kRuleCases) {
    SCOPED_TRACE(std::string(c.situation.name) + ", code " + std::to_string(c.code) +
                 (c.first_rule ? " as Visibility" : " as Visibility1"));
    Put(*skinner_, c.situation);
    const int index = IndexOf(c.code, c.first_rule);
    ASSERT_GE(index, 0);
    EXPECT_EQ(skinner_->ButtonVisible(index), c.shown);
    EXPECT_EQ(skinner_->FButtons[static_cast<size_t>(index)]->Visible, c.shown);
  }
}

TEST_F(VisibilityRules, ActionsNeedTheirFrameFeature) {
  struct ActionCase {
    Situation situation;
    int action;
    bool shown;
  };
  const ActionCase cases[] = {
      {kNormal, 0, true},       {kNoSysMenu, 0, false}, {kNormal, 1, true},   {kNoBoxes, 1, false},
      {kNormal, 2, true},       {kNoBoxes, 2, false},   {kNormal, 3, true},   {kDialogFrame, 3, false},
      {kDialogFrame, 11, false}, {kDialogFrame, 12, false}, {kNoBoxes, 12, true},
  };
  for (const ActionCase& c : cases) {
    SCOPED_TRACE(std::string(c.situation.name) + ", action " + std::to_string(c.action));
    Put(*skinner_, c.situation);
    EXPECT_EQ(skinner_->ButtonVisible(ActionIndex(c.action)), c.shown);
  }
}

TEST_F(VisibilityRules, HiddenButtonsCannotBeHit) {
  Put(*skinner_, kNormal);
  const int never = IndexOf(5, true);
  skinner_->ButtonVisible(never);
  skinner_->FButtons[static_cast<size_t>(never)]->Bounds = {500, 500, 520, 520};
  EXPECT_EQ(skinner_->ButtonAt({510, 510}), nullptr);
  const int always = IndexOf(0, true);
  skinner_->ButtonVisible(always);
  skinner_->FButtons[static_cast<size_t>(always)]->Bounds = {500, 500, 520, 520};
  EXPECT_EQ(skinner_->ButtonAt({510, 510}), skinner_->FButtons[static_cast<size_t>(always)].get());
}

// A form that answers the button-visible query for some codes.
class AnsweringForm : public form_test::TTestForm {
public:
  AnsweringForm() : form_test::TTestForm(nullptr) {}
  void WndProc(host::TMessage& m) override {
    if (m.Msg == skin::kButtonVisibleQuery) {
      asked.emplace_back(static_cast<int>(m.WParam), static_cast<int>(m.LParam));
      m.Result = static_cast<int>(m.WParam) == shown_code ? 1 : 0;
      return;
    }
    form_test::TTestForm::WndProc(m);
  }
  int shown_code = 0;
  std::vector<std::pair<int, int>> asked;
};

TEST_F(ButtonsTest, CodesFrom1000To2000AskTheWindow) {
  AnsweringForm form;
  form.SetBorderStyle(host::TFormBorderStyle::bsSizeable);
  form.SetLeft(100);
  form.SetTop(100);
  form.SetClientWidth(300);
  form.SetClientHeight(150);
  skin::TSkinForm* skinner = ShowSkinned(form);
  ASSERT_TRUE(skinner);
  form.asked.clear();
  EXPECT_FALSE(skinner->ButtonVisible(kApplication));
  ASSERT_FALSE(form.asked.empty());
  EXPECT_EQ(form.asked.back(), (std::pair<int, int>{1000, 20}));

  form.shown_code = 1000;
  EXPECT_TRUE(skinner->ButtonVisible(kApplication));
  // Shown on the next caption paint, at XCoord 40 from the right edge.
  RedrawWindow(form.WindowHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const HWND window = form.WindowHandle();
  const RECT r = form_test::WindowRect(window);
  const RECT bounds = skinner->FButtons[kApplication]->Bounds;
  EXPECT_EQ(bounds.left, (r.right - r.left) - 40);
  const POINT centre = ScreenCentre(window, bounds);
  EXPECT_TRUE(PixelBecomes(centre, kCloseNormal));
}

// The project's default skin: close, maximise and minimise on a sizeable
// form, the restore button in the maximise button's place once maximised.
using DefaultSkinButtons = form_test::SkinnedTest;

TEST_F(DefaultSkinButtons, MaximiseAndRestoreShareTheirPlace) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  // Button0 close, 1 maximise, 2 restore, 3 minimise, 4 system menu, 5 options.
  auto shown = [&] {
    std::vector<bool> v;
    for (int i = 0; i < 6; ++i) v.push_back(skinner->FButtons[static_cast<size_t>(i)]->Visible);
    return v;
  };
  EXPECT_EQ(shown(), (std::vector<bool>{true, true, false, true, true, false}));
  const RECT before = form_test::WindowRect(window);
  const int maximise_from_right = (before.right - before.left) - skinner->FButtons[1]->Bounds.left;
  ShowWindow(window, SW_MAXIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return skinner->FButtons[2]->Visible; }));
  EXPECT_EQ(shown(), (std::vector<bool>{true, false, true, true, true, false}));
  const RECT after = form_test::WindowRect(window);
  EXPECT_EQ((after.right - after.left) - skinner->FButtons[2]->Bounds.left, maximise_from_right);
}

}  // namespace
}  // namespace buttons_test
