// The form library's popup menu on its own: the Win32 menu it builds, owner
// drawing through the item events, OnClick after the menu has closed, and
// no handle left behind.
#include "button_test_support.h"
#include "host/gdi/handles.h"
#include "host/graphics/canvas.h"
#include "host/menus/popup_menu.h"

namespace buttons_test {
namespace {

using form_test::Pump;
using form_test::PumpUntil;

RECT ItemRect(const SeenMenu& menu, int index) {
  RECT r{};
  GetMenuItemRect(nullptr, menu.menu, static_cast<UINT>(index), &r);
  return r;
}

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class PopupMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    user_ = host::HandleCensus::user;
    gdi_ = host::HandleCensus::gdi;
  }
  // Every test ends with the menus it made freed.
  void TearDown() override {
    Pump(20);
    EXPECT_EQ(host::HandleCensus::user, user_);
    EXPECT_EQ(host::HandleCensus::gdi, gdi_);
  }
  long user_ = 0, gdi_ = 0;
};

TEST_F(PopupMenuTest, ItemsBecomeTheWin32MenuInOrder) {
  host::TPopupMenu popup(nullptr);
  popup.Add("&Open", 7);
  popup.Add("-");
  host::TMenuItem& off = popup.Add("Disabled");
  off.SetEnabled(false);
  host::TMenuItem& ticked = popup.Add("Ticked");
  ticked.SetChecked(true);
  popup.Add("Quit").SetShortCut("Alt+F4");
  UINT states[5] = {};
  UINT types[5] = {};
  MenuWatch watch([&](const SeenMenu& menu, int) {
    for (int i = 0; i < menu.count; ++i) {
      MENUITEMINFOW info{sizeof(info)};
      info.fMask = MIIM_STATE | MIIM_FTYPE;
      GetMenuItemInfoW(menu.menu, static_cast<UINT>(i), TRUE, &info);
      states[i] = info.fState;
      types[i] = info.fType;
    }
    return false;
  });
  popup.Popup(200, 150);
  ASSERT_EQ(watch.seen.size(), 1u);
  const SeenMenu& menu = watch.seen[0];
  EXPECT_EQ(menu.rect.left, 200);
  EXPECT_EQ(menu.rect.top, 150);
  ASSERT_EQ(menu.count, 5);
  EXPECT_EQ(menu.texts[0], L"&Open");
  EXPECT_EQ(menu.texts[4], L"Quit\tAlt+F4");
  EXPECT_FALSE(menu.all_owner_drawn);
  EXPECT_TRUE(types[1] & MFT_SEPARATOR);
  EXPECT_TRUE(states[2] & MFS_GRAYED);
  EXPECT_TRUE(states[3] & MFS_CHECKED);
  EXPECT_FALSE(states[0] & (MFS_GRAYED | MFS_CHECKED));
  ASSERT_EQ(popup.Count(), 5);
  for (int i = 0; i < popup.Count(); ++i)
    EXPECT_EQ(popup.FindItem(menu.ids[static_cast<size_t>(i)], host::TMenu::FindKind::Command), &popup.Items().Items(i));
}

TEST_F(PopupMenuTest, ChosenItemsOnClickRunsAfterTheMenuClosed) {
  host::TPopupMenu popup(nullptr);
  std::vector<int> clicked;
  bool popup_returned = false;
  bool menu_visible_at_click = true;
  for (int tag : {1, 2, 3}) {
    popup.Add("Item " + std::to_string(tag), tag).OnClick = [&](host::TComponent* sender) {
      clicked.push_back(sender->Tag());
      menu_visible_at_click = !popup_returned;
    };
  }
  MenuWatch watch([&](const SeenMenu& menu, int) {
    Click(Middle(ItemRect(menu, 1)));
    return true;
  });
  popup.Popup(200, 150);
  popup_returned = true;
  EXPECT_TRUE(clicked.empty());
  ASSERT_TRUE(PumpUntil([&] { return !clicked.empty(); }));
  EXPECT_EQ(clicked, std::vector<int>{2});
  EXPECT_FALSE(menu_visible_at_click);
}

TEST_F(PopupMenuTest, DisabledItemsAndDismissingChooseNothing) {
  host::TPopupMenu popup(nullptr);
  int clicks = 0;
  host::TMenuItem& off = popup.Add("Disabled");
  off.SetEnabled(false);
  off.OnClick = [&](host::TComponent*) { ++clicks; };
  popup.Add("Other").OnClick = [&](host::TComponent*) { ++clicks; };
  MenuWatch watch([&](const SeenMenu& menu, int tick) {
    if (tick == 0) Click(Middle(ItemRect(menu, 0)));
    return tick < 3;  // still open after a click on a disabled item; then dismissed
  });
  popup.Popup(200, 150);
  Pump(200);
  ASSERT_EQ(watch.seen.size(), 1u);
  EXPECT_EQ(clicks, 0);
}

TEST_F(PopupMenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirEvents) {
  host::TPopupMenu popup(nullptr);
  popup.SetOwnerDraw(true);
  std::vector<bool> selected_draws;
  for (const char* caption : {"First", "Second"}) {
    host::TMenuItem& item = popup.Add(caption);
    item.OnMeasureItem = [](host::TMenuItem&, host::Canvas&, int& width, int& height) {
      width = 120;
      height = 30;
    };
    item.OnDrawItem = [&](host::TMenuItem& drawn, host::Canvas& canvas, const RECT& rect, bool selected) {
      if (&drawn == &popup.Items().Items(1)) selected_draws.push_back(selected);
      EXPECT_EQ(drawn.MenuHandle(), popup.Handle());
      const host::Brush brush(CreateSolidBrush(selected ? RGB(0, 90, 0) : RGB(90, 0, 0)));
      FillRect(canvas.Handle(), &rect, brush);
    };
  }
  COLORREF plain = 0, hot = 0;
  int height = 0;
  MenuWatch watch([&](const SeenMenu& menu, int tick) {
    const RECT r = ItemRect(menu, 1);
    height = r.bottom - r.top;
    if (tick == 0) {
      plain = form_test::ScreenPixel(r.left + 5, r.top + 5);
      MoveMouse(Middle(r));
      return true;
    }
    hot = form_test::ScreenPixel(r.left + 5, r.top + 5);
    return tick < 3;
  });
  popup.Popup(200, 150);
  ASSERT_EQ(watch.seen.size(), 1u);
  EXPECT_TRUE(watch.seen[0].all_owner_drawn);
  EXPECT_EQ(height, 30);
  EXPECT_EQ(plain, RGB(90, 0, 0));
  EXPECT_EQ(hot, RGB(0, 90, 0));
  ASSERT_FALSE(selected_draws.empty());
  EXPECT_FALSE(selected_draws.front());
  EXPECT_TRUE(selected_draws.back());
}

TEST_F(PopupMenuTest, OwnerDrawnItemsWithoutEventsAreDrawnInSystemColours) {
  host::TPopupMenu popup(nullptr);
  popup.SetOwnerDraw(true);
  popup.Add("Plain item");
  popup.Add("-");
  popup.Add("Another").SetShortCut("Ctrl+A");
  COLORREF back = 0;
  int separator_height = 0;
  MenuWatch watch([&](const SeenMenu& menu, int) {
    const RECT first = ItemRect(menu, 0);
    back = form_test::ScreenPixel(first.right - 3, first.top + 2);
    const RECT line = ItemRect(menu, 1);
    separator_height = line.bottom - line.top;
    return false;
  });
  popup.Popup(200, 150);
  ASSERT_EQ(watch.seen.size(), 1u);
  EXPECT_EQ(back, GetSysColor(COLOR_MENU));
  EXPECT_EQ(separator_height, 8);
}

TEST_F(PopupMenuTest, ShowingAgainRebuildsFromTheCurrentItems) {
  host::TPopupMenu popup(nullptr);
  popup.Add("One");
  MenuWatch first;
  popup.Popup(200, 150);
  popup.Add("Two");
  popup.Items().Items(0).SetCaption("Uno");
  MenuWatch second;
  popup.Popup(200, 150);
  ASSERT_EQ(second.seen.size(), 1u);
  EXPECT_EQ(second.seen[0].count, 2);
  EXPECT_EQ(second.seen[0].texts[0], L"Uno");
}

}  // namespace
}  // namespace buttons_test
