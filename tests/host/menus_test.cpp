// The form library's menus as Win32 menus: a main menu declared in a stored
// form, what its items become, how changes reach the window, and clicks.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "host/app/application.h"
#include "host/controls/form.h"
#include "host/controls/listbox.h"
#include "host/controls/message.h"
#include "host/gdi/handles.h"
#include "host/menus/popup_menu.h"
#include "host/menus/shortcut.h"
#include "host/stream/form_reader.h"

using namespace host;

namespace {

constexpr char kStored[] = R"(object Root: TForm
  Menu = 'Bar'
  object Bar: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object OpenItem: TMenuItem
        Caption = '&Open...'
        ShortCut = 'Ctrl+O'
        Default = True
      end
      object Hidden: TMenuItem
        Caption = 'Hidden'
        Visible = False
      end
      object Line: TMenuItem
        Caption = '-'
      end
      object Left: TMenuItem
        Caption = 'Left'
        RadioItem = True
        Checked = True
      end
      object Right: TMenuItem
        Caption = 'Right'
        RadioItem = True
      end
    end
    object HelpMenu: TMenuItem
      Caption = '&Help'
    end
  end
  object Context: TPopupMenu
    object First: TMenuItem
      Caption = 'First'
    end
  end
  object List: TListBox
    PopupMenu = 'Context'
  end
end
)";

std::wstring TextAt(HMENU menu, UINT position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  return text;
}

UINT StateOf(HMENU menu, UINT command) {
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_STATE | MIIM_FTYPE;
  GetMenuItemInfoW(menu, command, FALSE, &info);
  return info.fState | info.fType;
}

class MenusTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application().Initialize();
    root = new TForm(&owner);
    ReadComponent(*root, ParseStoredForm(kStored));
    root->Handle();
    bar = dynamic_cast<TMainMenu*>(root->FindComponent("Bar"));
    ASSERT_TRUE(bar);
  }
  TMenuItem& Item(const char* name) { return *dynamic_cast<TMenuItem*>(root->FindComponent(name)); }
  TComponent owner{nullptr};
  TForm* root = nullptr;
  TMainMenu* bar = nullptr;
};

TEST_F(MenusTest, AStoredMainMenuBecomesTheWindowsMenuTree) {
  const HMENU menu = GetMenu(root->WindowHandle());
  ASSERT_EQ(menu, bar->Handle());
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  EXPECT_EQ(TextAt(menu, 0), L"&File");
  const HMENU file = GetSubMenu(menu, 0);
  EXPECT_EQ(file, Item("FileMenu").Handle());
  EXPECT_EQ(Item("OpenItem").MenuHandle(), file);
  EXPECT_EQ(GetSubMenu(menu, 1), nullptr) << "an item without children has no popup";
  // The hidden item is not in the Win32 menu.
  ASSERT_EQ(GetMenuItemCount(file), 4);
  EXPECT_EQ(TextAt(file, 0), L"&Open...\tCtrl+O");
  EXPECT_TRUE(StateOf(file, Item("OpenItem").Command()) & MFS_DEFAULT);
  EXPECT_TRUE(StateOf(file, Item("Line").Command()) & MFT_SEPARATOR);
  const UINT left = StateOf(file, Item("Left").Command());
  EXPECT_TRUE(left & MFT_RADIOCHECK);
  EXPECT_TRUE(left & MFS_CHECKED);
  EXPECT_TRUE(StateOf(file, Item("Right").Command()) & MFT_RADIOCHECK);
  EXPECT_EQ(bar->FindItem(reinterpret_cast<UINT_PTR>(file), TMenu::FindKind::Handle), &Item("FileMenu"));
  EXPECT_EQ(bar->FindItem(Item("Right").Command(), TMenu::FindKind::Command), &Item("Right"));
}

TEST_F(MenusTest, ChangesReachTheWindowsMenuInPlaceAndTellTheForm) {
  int changes = 0;
  root->WindowProc = [this, &changes, own = root->WindowProc](TMessage& m) {
    if (m.Msg == CM_MENUCHANGED) ++changes;
    own(m);
  };
  const HMENU file = Item("FileMenu").Handle();
  Item("Right").SetChecked(true);
  EXPECT_FALSE(Item("Left").Checked()) << "radio items of a group exclude each other";
  EXPECT_FALSE(StateOf(file, Item("Left").Command()) & MFS_CHECKED);
  EXPECT_TRUE(StateOf(file, Item("Right").Command()) & MFS_CHECKED);
  Item("Hidden").SetVisible(true);
  EXPECT_EQ(GetMenuItemCount(file), 5);
  EXPECT_EQ(TextAt(file, 1), L"Hidden");
  Item("OpenItem").SetEnabled(false);
  EXPECT_TRUE(StateOf(file, Item("OpenItem").Command()) & MFS_GRAYED);
  // A first child gives the Help item a popup of its own.
  TMenuItem& about = Item("HelpMenu").Add("About");
  EXPECT_EQ(GetSubMenu(GetMenu(root->WindowHandle()), 1), Item("HelpMenu").Handle());
  EXPECT_EQ(Item("FileMenu").Handle(), file) << "handles live as long as their items";
  EXPECT_GE(changes, 5);
  delete &about;
  EXPECT_EQ(GetSubMenu(GetMenu(root->WindowHandle()), 1), nullptr);
}

TEST_F(MenusTest, AMenuCommandClicksItsItemOnce) {
  std::vector<std::string> clicked;
  for (const char* name : {"OpenItem", "Right"})
    Item(name).OnClick = [&clicked](TComponent* sender) { clicked.push_back(sender->Name()); };
  SendMessageW(root->WindowHandle(), WM_COMMAND, Item("Right").Command(), 0);
  Item("OpenItem").SetEnabled(false);
  SendMessageW(root->WindowHandle(), WM_COMMAND, Item("OpenItem").Command(), 0);
  EXPECT_EQ(clicked, std::vector<std::string>{"Right"});
  auto* list = dynamic_cast<TListBox*>(root->FindComponent("List"));
  EXPECT_EQ(list->PopupMenu(), root->FindComponent("Context"));
}

TEST_F(MenusTest, MenuCharFindsTheItemOfAnAcceleratorInOwnerDrawnMenus) {
  const HWND w = root->WindowHandle();
  const auto menu_char = [w](wchar_t key, HMENU menu) {
    return SendMessageW(w, WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP), reinterpret_cast<LPARAM>(menu));
  };
  EXPECT_EQ(menu_char(L'o', Item("FileMenu").Handle()), MAKELRESULT(0, MNC_EXECUTE));
  EXPECT_EQ(menu_char(L'h', bar->Handle()), MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(menu_char(L'F', bar->Handle()), MAKELRESULT(0, MNC_SELECT)) << "an item with a submenu opens it";
  EXPECT_EQ(HIWORD(menu_char(L'z', bar->Handle())), MNC_IGNORE);
}

TEST(ShortCutText, NamesKeysWithTheirModifiers) {
  EXPECT_EQ(TextToShortCut("Ctrl+O"), (TShortCut{'O', true, false, false}));
  EXPECT_EQ(TextToShortCut("shift+ctrl+f10"), (TShortCut{VK_F10, true, true, false}));
  EXPECT_EQ(TextToShortCut("Alt+F4"), (TShortCut{VK_F4, false, false, true}));
  EXPECT_EQ(TextToShortCut("Del"), (TShortCut{VK_DELETE}));
  for (const char* bad : {"", "Ctrl+", "Hyper+X", "F25", "Ctrl+Nothing"}) EXPECT_FALSE(TextToShortCut(bad)) << bad;
}

TEST_F(MenusTest, TheShortcutOfAnItemClicksItFromTheKeyboard) {
  int opened = 0;
  Item("OpenItem").OnClick = [&opened](TComponent*) { ++opened; };
  root->SetBounds(100, 100, 300, 200);
  root->Show();
  SetForegroundWindow(root->WindowHandle());
  const auto keys = [](std::initializer_list<WORD> down) {
    std::vector<INPUT> in;
    for (WORD k : down) in.push_back(INPUT{INPUT_KEYBOARD, {.ki = {k, 0, 0, 0, 0}}});
    for (auto it = down.end(); it != down.begin();) in.push_back(INPUT{INPUT_KEYBOARD, {.ki = {*--it, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    const ULONGLONG end = GetTickCount64() + 200;
    while (GetTickCount64() < end) {
      Application().ProcessMessages();
      Sleep(5);
    }
  };
  keys({VK_CONTROL, 'O'});
  EXPECT_EQ(opened, 1);
  keys({'O'});
  Item("OpenItem").SetEnabled(false);
  keys({VK_CONTROL, 'O'});
  EXPECT_EQ(opened, 1) << "neither the key alone nor a disabled item";
}

TEST_F(MenusTest, FormsAndMenusGoInEitherOrderWithoutLeavingMenus) {
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int round = 0; round < 20; ++round) {
    auto* form = new TForm(nullptr);
    ReadComponent(*form, ParseStoredForm(kStored));
    form->Handle();
    if (round % 2) delete form->FindComponent("Bar");
    delete form;
  }
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), before + 2);
}

}  // namespace
