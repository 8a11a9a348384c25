// The skinned system menu: where and how it opens, what it holds, how its
// items look and what choosing one does.
#include "button_test_support.h"
#include "host/gdi/handles.h"
#include "host/menus/popup_menu.h"

namespace buttons_test {
namespace {

using form_test::MakeForm;
using form_test::Pump;
using form_test::PumpUntil;
using form_test::ScreenPixel;
using form_test::ShowSkinned;

LPARAM Packed(POINT p) { return MAKELPARAM(p.x, p.y); }

// The system command of an item of the skinned menu is its item's tag.
UINT CommandOf(const SeenMenu& menu, int index) {
  const auto* item = reinterpret_cast<const host::TMenuItem*>(menu.data[static_cast<size_t>(index)]);
  return item ? static_cast<UINT>(item->Tag()) : 0;
}

int IndexOfCommand(const SeenMenu& menu, UINT command) {
  for (int i = 0; i < menu.count; ++i)
    if (CommandOf(menu, i) == command) return i;
  return -1;
}

RECT ItemRect(const SeenMenu& menu, int index) {
  RECT r{};
  GetMenuItemRect(nullptr, menu.menu, static_cast<UINT>(index), &r);
  return r;
}

// A watch's action that clicks the item of a system command, which ends the menu.
MenuWatch::Action ClickItem(UINT command) {
  return [command](const SeenMenu& menu, int) {
    const RECT r = ItemRect(menu, IndexOfCommand(menu, command));
    Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    return true;
  };
}

TEST_F(ButtonsTest, RightClickOnTheCaptionOpensTheSkinnedSystemMenu) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  MenuWatch watch;
  const POINT at = OnScreen(window, 120, 12);
  Click(at, true);
  ASSERT_TRUE(PumpUntil([&] { return !watch.seen.empty(); }));
  Pump(600);
  ASSERT_EQ(watch.seen.size(), 1u) << "one menu, and not the system's own after it";
  const SeenMenu& menu = watch.seen[0];
  EXPECT_EQ(menu.rect.left, at.x);
  EXPECT_EQ(menu.rect.top, at.y);
  EXPECT_TRUE(menu.all_owner_drawn);
  // The window's own system menu, item for item.
  HMENU system = GetSystemMenu(window, FALSE);
  ASSERT_EQ(menu.count, GetMenuItemCount(system));
  for (int i = 0; i < menu.count; ++i) {
    wchar_t text[100] = {};
    GetMenuStringW(system, static_cast<UINT>(i), text, 100, MF_BYPOSITION);
    EXPECT_EQ(menu.texts[static_cast<size_t>(i)], text) << i;
    const UINT id = GetMenuItemID(system, i);
    EXPECT_EQ(CommandOf(menu, i), id == static_cast<UINT>(-1) ? 0 : id) << i;
  }
  EXPECT_NE(menu.menu, system);
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(ButtonsTest, AltSpaceOpensTheSkinnedSystemMenuAtTheClientAreasTopLeft) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  SetForegroundWindow(window);
  SetFocus(window);
  Pump(50);
  MenuWatch watch;
  Keys({VK_MENU, VK_SPACE});
  ASSERT_TRUE(PumpUntil([&] { return !watch.seen.empty(); }));
  Pump(600);
  ASSERT_EQ(watch.seen.size(), 1u) << "the system's own menu must not follow the skinned one";
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(watch.seen[0].rect.left, origin.x);
  EXPECT_EQ(watch.seen[0].rect.top, origin.y);
  EXPECT_TRUE(watch.seen[0].all_owner_drawn);
}

TEST_F(ButtonsTest, AltAloneOpensNothingWithoutAMenuBar) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  MenuWatch watch;
  SetForegroundWindow(window);
  Keys({VK_MENU});
  Pump(400);
  EXPECT_TRUE(watch.seen.empty());
}

TEST_F(ButtonsTest, SystemMenuButtonOpensTheMenuBesideTheClick) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  MenuWatch watch;
  const POINT at = ScreenCentre(form->WindowHandle(), skinner->FButtons[1]->Bounds);
  Click(at);
  ASSERT_TRUE(PumpUntil([&] { return !watch.seen.empty(); }));
  EXPECT_EQ(watch.seen[0].rect.left, at.x + 1);
  EXPECT_EQ(watch.seen[0].rect.top, at.y + 1);
}

TEST_F(ButtonsTest, SecondRightClickWithinTheDoubleClickTimeOpensNothing) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  ASSERT_EQ(skinner->FHotObject, nullptr);
  MenuWatch watch(nullptr, 1);
  const LPARAM at = Packed(OnScreen(window, 120, 12));
  SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, at);  // returns when the watch has ended the menu
  ASSERT_EQ(watch.seen.size(), 1u);
  SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, at);
  Pump(300);
  EXPECT_EQ(watch.seen.size(), 1u);
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(ButtonsTest, ItemsFollowTheWindowState) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  // The default item Close, greyed by the application, stays greyed.
  EnableMenuItem(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  ShowWindow(window, SW_MAXIMIZE);
  Pump(100);
  MenuWatch watch;
  SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, Packed(OnScreen(window, 120, 12)));
  ASSERT_EQ(watch.seen.size(), 1u);
  const SeenMenu& menu = watch.seen[0];
  auto disabled = [&](UINT command) {
    const int i = IndexOfCommand(menu, command);
    EXPECT_GE(i, 0) << std::hex << command;
    return i >= 0 && menu.disabled[static_cast<size_t>(i)];
  };
  EXPECT_FALSE(disabled(SC_RESTORE));
  EXPECT_TRUE(disabled(SC_MAXIMIZE));
  EXPECT_TRUE(disabled(SC_MOVE));
  EXPECT_TRUE(disabled(SC_SIZE));
  EXPECT_FALSE(disabled(SC_MINIMIZE));
  EXPECT_TRUE(disabled(SC_CLOSE));
}

TEST_F(ButtonsTest, ItemsAreDrawnInTheSkinsMenuColours) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  COLORREF plain = 0, hot = 0;
  MenuWatch watch([&](const SeenMenu& menu, int tick) {
    const int move = IndexOfCommand(menu, SC_MOVE);
    const RECT r = ItemRect(menu, move);
    const POINT inside{r.right - 4, r.top + 2};
    if (tick == 0) {
      plain = ScreenPixel(inside.x, inside.y);
      MoveMouse({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
      return true;
    }
    hot = ScreenPixel(inside.x, inside.y);
    return tick < 4;
  });
  SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, Packed(OnScreen(window, 120, 12)));
  ASSERT_EQ(watch.seen.size(), 1u);
  EXPECT_EQ(plain, kMenu);
  EXPECT_EQ(hot, kHilight);
}

TEST_F(ButtonsTest, ChoosingAnItemPostsItsSystemCommand) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  MenuWatch watch(ClickItem(SC_MAXIMIZE));
  SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, Packed(OnScreen(window, 120, 12)));
  ASSERT_EQ(watch.seen.size(), 1u);
  EXPECT_TRUE(PumpUntil([&] { return IsZoomed(window) != FALSE; }));
}

TEST_F(ButtonsTest, OpeningAndClosingTheMenuLeavesNoMenuBehind) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  const auto open = [&, window = window] {
    MenuWatch watch(nullptr, 1);
    SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, Packed(OnScreen(window, 120, 12)));
    ASSERT_EQ(watch.seen.size(), 1u);
    Pump(600);  // past the double-click time
  };
  open();  // the menu's measuring DC and font are made once and kept with it
  const long user = host::HandleCensus::user;
  const long gdi = host::HandleCensus::gdi;
  for (int i = 0; i < 3; ++i) open();
  form_test::Pump(50);
  EXPECT_EQ(host::HandleCensus::user, user);
  EXPECT_EQ(host::HandleCensus::gdi, gdi);
}

// A skin whose close button names a picture its package lacks, stored as a
// form stores it: the caption shows no close button, yet the window closes.
class WithoutClosePicture : public ButtonsTest {
protected:
  void SetUp() override {
    data_test::TestSkin skin = ButtonSkin();
    std::erase_if(skin.pictures, [](const auto& picture) { return picture.name == "close.bmp"; });
    data_ = form_test::MakeSkinData(skin.Package());
    ASSERT_FALSE(data_->SkinMissing()) << data_->RefusalReason();
    ASSERT_TRUE(data_->Elements().CaptionButtons[0]->Image.Empty());
    MoveMouse({1010, 750});
    Pump(20);
  }
};

TEST_F(WithoutClosePicture, TheSystemMenuAndAltF4StillCloseTheWindow) {
  {
    auto [form, skinner, window] = ShowTestWindow();
    ASSERT_TRUE(skinner);
    MenuWatch watch(ClickItem(SC_CLOSE));
    SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, Packed(OnScreen(window, 120, 12)));
    ASSERT_EQ(watch.seen.size(), 1u);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
  }
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  SetForegroundWindow(window);
  SetFocus(window);
  Pump(50);
  Keys({VK_MENU, VK_F4});
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
}

}  // namespace
}  // namespace buttons_test
