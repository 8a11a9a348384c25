// The mouse in the skinned non-client area: hit testing, clicks and double
// clicks on the caption buttons and the caption.
#include "button_test_support.h"
#include "skin/form/engine_messages.h"

namespace buttons_test {
namespace {

using form_test::MakeForm;
using form_test::Pump;
using form_test::PumpUntil;
using form_test::ShowSkinned;

constexpr int kClose = 0, kSysMenu = 1;

LPARAM Packed(POINT p) { return MAKELPARAM(p.x, p.y); }

TEST_F(ButtonsTest, FrameIsCaptionToTheSystemAndButtonsArePartOfIt) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  auto hit = [&](int x, int y) { return SendMessageW(window, WM_NCHITTEST, 0, Packed(OnScreen(window, x, y))); };
  EXPECT_EQ(hit(120, 12), HTCAPTION);
  EXPECT_EQ(hit(ScreenCentre(window, skinner->FButtons[kClose]->Bounds).x - form_test::WindowRect(window).left, 12),
            HTCAPTION);
  EXPECT_EQ(hit(120, 80), HTCLIENT);
}

TEST_F(ButtonsTest, ClickingCloseClosesTheWindow) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  Click(ScreenCentre(window, skinner->FButtons[kClose]->Bounds));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
}

TEST_F(ButtonsTest, CloseDoesNothingWithoutAnUsableCloseItem) {
  for (bool remove : {true, false}) {
    SCOPED_TRACE(remove ? "Close item removed" : "Close item greyed");
    auto [form, skinner, window] = ShowTestWindow();
    ASSERT_TRUE(skinner);
    HMENU system = GetSystemMenu(window, FALSE);
    if (remove)
      DeleteMenu(system, SC_CLOSE, MF_BYCOMMAND);
    else
      EnableMenuItem(system, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    Click(ScreenCentre(window, skinner->FButtons[kClose]->Bounds));
    Pump(400);
    EXPECT_TRUE(IsWindow(window));
  }
}

TEST_F(ButtonsTest, DoubleClickOnTheSystemMenuButtonClosesTheWindow) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  // The first click may open the menu; the second ends it and closes.
  MenuWatch watch(nullptr, 40);
  DoubleClick(ScreenCentre(window, skinner->FButtons[kSysMenu]->Bounds));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
}

TEST_F(ButtonsTest, DoubleClickMessageOnTheSystemMenuButtonClosesTheWindow) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  const POINT p = ScreenCentre(window, skinner->FButtons[kSysMenu]->Bounds);
  PostMessageW(window, WM_NCLBUTTONDBLCLK, HTCAPTION, Packed(p));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
}

TEST_F(ButtonsTest, DoubleClickOnTheCaptionMaximisesAndRestores) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  DoubleClick(OnScreen(window, 120, 12));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(window) != FALSE; }));
  EXPECT_EQ(skinner->FWindowState, skin::TWindowState::Maximized);
  Pump(100);
  DoubleClick(OnScreen(window, 120, 12));
  EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(window); }));
  EXPECT_EQ(skinner->FWindowState, skin::TWindowState::Normal);
  EXPECT_EQ(form_test::WindowRect(window).left, 100);
}

TEST_F(ButtonsTest, DoubleClickOnTheCaptionOfAWindowWithoutMaximiseBoxLeavesItsSize) {
  auto form = MakeForm(100, 100, 300, 150, host::TFormBorderStyle::bsSingle);
  form->SetBorderIcons(host::biSystemMenu);
  skin::TSkinForm* skinner = ShowSkinned(*form);
  ASSERT_TRUE(skinner);
  const HWND window = form->WindowHandle();
  const RECT before = form_test::WindowRect(window);
  DoubleClick(OnScreen(window, 120, 12));
  Pump(400);
  EXPECT_FALSE(IsZoomed(window));
  const RECT after = form_test::WindowRect(window);
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(ButtonsTest, ClickOnAButtonOfAnInactiveWindowBringsItToTheFront) {
  auto first = MakeForm(60, 100, 300, 150);
  auto second = MakeForm(500, 100, 300, 150);
  skin::TSkinForm* skinner = ShowSkinned(*first);
  ASSERT_TRUE(skinner);
  ASSERT_TRUE(ShowSkinned(*second));
  const HWND window = first->WindowHandle();
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == second->WindowHandle(); }));
  // Posted, so that no mouse activation comes first.
  const POINT p = ScreenCentre(window, skinner->FButtons[kClose]->Bounds);
  PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, Packed(p));
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }));
  EXPECT_TRUE(PumpUntil([&] { return form_test::ScreenPixel(p.x, p.y) == kClosePressed; }));
  EXPECT_TRUE(IsWindow(window));
}

// A form that counts the button-action messages it receives.
class ActionForm : public form_test::TTestForm {
public:
  ActionForm() : form_test::TTestForm(nullptr) {}
  void WndProc(host::TMessage& m) override {
    if (m.Msg == skin::kButtonVisibleQuery) {
      m.Result = 1;
      return;
    }
    if (m.Msg == skin::kButtonAction) actions.push_back(static_cast<int>(m.WParam));
    form_test::TTestForm::WndProc(m);
  }
  std::vector<int> actions;
};

TEST_F(ButtonsTest, ApplicationButtonPostsItsAction) {
  ActionForm form;
  skin::TSkinForm* skinner = ShowAsTestWindow(form);
  ASSERT_TRUE(skinner);
  const HWND window = form.WindowHandle();
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_TRUE(skinner->FButtons[2]->Visible);
  Click(ScreenCentre(window, skinner->FButtons[2]->Bounds));
  EXPECT_TRUE(PumpUntil([&] { return !form.actions.empty(); }));
  EXPECT_EQ(form.actions, std::vector<int>{20});
}

TEST_F(ButtonsTest, ReleaseOverAnotherButtonDoesNothing) {
  ActionForm form;
  skin::TSkinForm* skinner = ShowAsTestWindow(form);
  ASSERT_TRUE(skinner);
  const HWND window = form.WindowHandle();
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_TRUE(skinner->FButtons[2]->Visible);
  const LPARAM application = Packed(ScreenCentre(window, skinner->FButtons[2]->Bounds));
  const LPARAM close = Packed(ScreenCentre(window, skinner->FButtons[kClose]->Bounds));
  PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, application);
  PostMessageW(window, WM_NCLBUTTONUP, HTCAPTION, close);
  PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, close);
  PostMessageW(window, WM_NCLBUTTONUP, HTCAPTION, application);
  Pump(300);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(form.actions.empty());
}

TEST_F(ButtonsTest, StateChangesAreKnownBeforeTheSystemActs) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  skinner->ToggleMaximize();
  EXPECT_EQ(skinner->FWindowState, skin::TWindowState::Maximized);
  EXPECT_FALSE(IsZoomed(window));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(window) != FALSE; }));
  skinner->ToggleMaximize();
  EXPECT_EQ(skinner->FWindowState, skin::TWindowState::Normal);
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(window); }));
  skinner->ToggleMinimize();
  EXPECT_EQ(skinner->FWindowState, skin::TWindowState::Minimized);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(window) != FALSE; }));
  skinner->ToggleMinimize();
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(window); }));
  EXPECT_EQ(skinner->FWindowState, skin::TWindowState::Normal);
}

}  // namespace
}  // namespace buttons_test
