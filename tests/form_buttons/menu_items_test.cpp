// Menu items drawn in the skin: the form library's popup menus and the
// skinned system menu take their items from the skin's menu-item picture,
// one plain colour per frame here, read back from the screen.
#include "button_test_support.h"
#include "host/menus/popup_menu.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"

namespace buttons_test {
namespace {

using form_test::ScreenPixel;

// Frames of the menu-item picture: 1 normal, 2 separator, 4 selected.
constexpr COLORREF kItemFrames[] = {RGB(240, 240, 200), RGB(90, 10, 10), RGB(1, 2, 3), RGB(10, 10, 160), RGB(4, 5, 6)};
constexpr COLORREF kShadow = RGB(128, 0, 128);

data_test::TestSkin ItemSkin() {
  data_test::TestSkin skin = ButtonSkin();
  const std::string colours = "MenuText=0 0 0\n";
  skin.ini.replace(skin.ini.find(colours), colours.size(), colours + "ButtonShadow=128 0 128\n");
  skin.ini += "[MenuItem]\nImage=item.bmp\nLeftWidth=2\nRightWidth=2\nFrame=5\nTrans=0\n";
  skin.Picture("item.bmp", data_test::Bmp(100, 20, [](int x, int) { return kItemFrames[x / 20]; }));
  return skin;
}

class MenuItemsTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    data_ = form_test::MakeSkinData(ItemSkin().Package());
    ASSERT_FALSE(data_->SkinMissing()) << data_->RefusalReason();
    MoveMouse({1010, 750});
    form_test::Pump(20);
  }
};

RECT ItemRect(const SeenMenu& menu, int index) {
  RECT r{};
  GetMenuItemRect(nullptr, menu.menu, static_cast<UINT>(index), &r);
  return r;
}

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A pixel of the item beside its text, where only the picture shows.
COLORREF Beside(const RECT& r) { return ScreenPixel(r.right - 4, r.top + 2); }

bool HasPixel(const RECT& r, COLORREF colour) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (ScreenPixel(x, y) == colour) return true;
  return false;
}

TEST_F(MenuItemsTest, PopupItemsShowTheirFramesAndDisabledTextTheShadowColour) {
  form_test::TTestForm form(nullptr);
  auto* popup = new host::TPopupMenu(&form);
  popup->Add("Hovered");
  popup->Add("-");
  popup->Add("Disabled").SetEnabled(false);
  popup->Add("Plain");
  ASSERT_TRUE(ShowAsTestWindow(form));
  COLORREF hovered = 0, plain = 0, line = 0;
  bool shadow_text = false;
  MenuWatch watch([&](const SeenMenu& menu, int tick) {
    if (tick == 0) {
      MoveMouse(Middle(ItemRect(menu, 0)));
      return true;
    }
    hovered = Beside(ItemRect(menu, 0));
    line = ScreenPixel(Middle(ItemRect(menu, 1)).x, Middle(ItemRect(menu, 1)).y);
    shadow_text = HasPixel(ItemRect(menu, 2), kShadow);
    plain = Beside(ItemRect(menu, 3));
    return false;
  });
  popup->Popup(150, 150);
  ASSERT_EQ(watch.seen.size(), 1u);
  EXPECT_TRUE(watch.seen[0].all_owner_drawn);
  EXPECT_EQ(hovered, kItemFrames[3]);
  EXPECT_EQ(line, kItemFrames[1]);
  EXPECT_EQ(plain, kItemFrames[0]);
  EXPECT_TRUE(shadow_text);
}

// Wine never asks for an owner-drawn item of a right-to-left menu (it takes
// the item's right-order flag for its own system-menu flag): the item is drawn
// here as the form library draws it on WM_DRAWITEM.
TEST_F(MenuItemsTest, ARightToLeftItemShowsItsShortcutOnTheLeft) {
  form_test::TTestForm form(nullptr);
  auto* popup = new host::TPopupMenu(&form);
  popup->SetBiDiMode(host::TBiDiMode::bdRightToLeft);
  host::TMenuItem& open = popup->Add("Open");
  open.SetShortCut("Ctrl+O");
  ASSERT_TRUE(ShowAsTestWindow(form));
  host::DibBitmap picture(160, 18);
  DRAWITEMSTRUCT d{ODT_MENU};
  d.itemID = open.Command();
  d.hDC = picture.Dc();
  d.rcItem = {0, 0, picture.Width(), picture.Height()};
  ASSERT_TRUE(popup->DrawItem(d));
  const auto text_between = [&](int from, int to) {
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = from; x < to; ++x)
        if (picture.Pixel(x, y) == RGB(0, 0, 0)) return true;
    return false;
  };
  EXPECT_TRUE(text_between(80, 160)) << "the caption";
  EXPECT_TRUE(text_between(0, 80)) << "the shortcut";
}

TEST_F(MenuItemsTest, TheSystemMenuIsDrawnByTheSamePainter) {
  auto [form, skinner, window] = ShowTestWindow();
  ASSERT_TRUE(skinner);
  COLORREF hovered = 0, other = 0;
  MenuWatch watch([&](const SeenMenu& menu, int tick) {
    const int move = static_cast<int>(std::find(menu.texts.begin(), menu.texts.end(), L"&Move") - menu.texts.begin());
    if (move >= menu.count) return false;
    if (tick == 0) {
      MoveMouse(Middle(ItemRect(menu, move)));
      return true;
    }
    hovered = Beside(ItemRect(menu, move));
    other = Beside(ItemRect(menu, move == 0 ? 1 : 0));
    return false;
  });
  Click(OnScreen(window, 120, 12), true);
  ASSERT_TRUE(form_test::PumpUntil([&] { return !watch.seen.empty(); }));
  form_test::Pump(600);
  EXPECT_EQ(hovered, kItemFrames[3]);
  EXPECT_EQ(other, kItemFrames[0]);
}

// A window of a plain class with a Win32 menu: its submenu's items have no
// form-library item and are drawn from temporary ones.
TEST_F(MenuItemsTest, ABareWindowsSubmenuIsDrawnByThePainterToo) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TBareMenuWindow";
  RegisterClassW(&wc);
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 0x5001, L"&Open");
  AppendMenuW(file, MF_STRING | MF_GRAYED, 0x5002, L"Greyed");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                nullptr, bar, wc.hInstance, nullptr);
  SetForegroundWindow(window);
  form_test::Pump(400);
  skin::TSkinForm* skinner = skin::TSkinManage::Instance()->FindSkinForm(window);
  ASSERT_TRUE(skinner);
  EXPECT_EQ(GetMenu(window), nullptr) << "the bar took the menu";
  COLORREF opened = 0, greyed = 0;
  bool shadow_text = false;
  MenuWatch watch([&](const SeenMenu& menu, int) {
    opened = Beside(ItemRect(menu, 0));  // the first item is selected as the submenu opens
    greyed = Beside(ItemRect(menu, 1));
    shadow_text = HasPixel(ItemRect(menu, 1), kShadow);
    return false;
  });
  Click(OnScreen(window, skinner->FBorderLeft + 10, skinner->FBorderTop + skinner->FMenuBarHeight / 2));
  ASSERT_TRUE(form_test::PumpUntil([&] { return !watch.seen.empty(); }));
  form_test::Pump(400);
  EXPECT_TRUE(watch.seen[0].all_owner_drawn);
  EXPECT_EQ(opened, kItemFrames[3]);
  EXPECT_EQ(greyed, kItemFrames[0]);
  EXPECT_TRUE(shadow_text);
  DestroyWindow(window);
}

}  // namespace
}  // namespace buttons_test
