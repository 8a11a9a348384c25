// The skinned menu bar of a form whose main menu is stored with it: the band
// that replaces the system's menu bar, its pictures read back from the
// screen, and its submenus opened and switched by real input.
#include <algorithm>
#include <functional>
#include <map>
#include <utility>

#include "button_test_support.h"
#include "host/app/application.h"
#include "host/menus/menu.h"
#include "host/stream/form_reader.h"
#include "skin/draw/skin_element.h"
#include "skin/form/engine_messages.h"
#include "skin/manager/popup_skinner.h"
#include "skin/manager/skin_manage.h"

namespace {

using buttons_test::Click;
using buttons_test::Keys;
using buttons_test::MenuWatch;
using buttons_test::MoveMouse;
using buttons_test::ScreenCentre;
using buttons_test::SeenMenu;
using form_test::Pump;
using form_test::PumpUntil;

constexpr COLORREF kText = RGB(255, 255, 0);
constexpr COLORREF kHilight = RGB(0, 255, 255);
constexpr COLORREF kChildButton = RGB(10, 200, 90);

constexpr char kStored[] = R"(object MenuForm: TTestForm
  Left = 100
  Top = 100
  ClientWidth = 360
  ClientHeight = 160
  Caption = 'Menus'
  Menu = 'MainMenu1'
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Lead1: TMenuItem
        Caption = '-'
      end
      object New1: TMenuItem
        Caption = '&New'
      end
      object Gap1: TMenuItem
        Caption = '-'
      end
      object Gap2: TMenuItem
        Caption = '-'
      end
      object Open1: TMenuItem
        Caption = '&Open'
      end
      object Recent1: TMenuItem
        Caption = '&Recent'
        object One1: TMenuItem
          Caption = 'One'
        end
      end
      object Tail1: TMenuItem
        Caption = '-'
      end
    end
    object Edit1: TMenuItem
      Caption = '&Edit'
      object Copy1: TMenuItem
        Caption = '&Copy'
      end
    end
    object Run1: TMenuItem
      Caption = '&Run'
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object About1: TMenuItem
        Caption = '&About'
      end
    end
  end
end
)";

// Plain frame; a two-frame bar picture whose every pixel differs.
data_test::TestSkin BarSkin() {
  data_test::TestSkin skin{
      "[Personality]\nLeft=side.bmp\nLeftFrame=1\nRight=side.bmp\nRightFrame=1\n"
      "Top=top.bmp\nTopFrame=1\nBottom=side.bmp\nBottomFrame=1\n"
      "menuBar=bar.bmp\nTileMenu=1\nTileLeftMenu=5\nTileRightMenu=7\n"
      "[Colours]\nMenuBarText=255 255 0\nButtonShadow=128 0 128\nButtonHilight=0 255 255\n"
      "[Button0]\nAction=9\nAlign=100\nXcoord=20\nYcoord=0\nVisibility=100\nVisibility1=100\nframe=4\n"
      "ButtonImage=child.bmp\n"};
  skin.Picture("side.bmp", data_test::SolidBmp(4, 24, RGB(40, 60, 80)))
      .Picture("top.bmp", data_test::SolidBmp(20, 24, RGB(40, 60, 80)))
      .Picture("child.bmp", data_test::Bmp(64, 16, [](int x, int) { return x < 16 ? kChildButton : RGB(x, 0, 0); }))
      .Picture("bar.bmp", data_test::Bmp(40, 40, [](int x, int y) {
        return y < 20 ? RGB(40 + x, 80, 120 + y) : RGB(200, 40 + x, 60 + y);
      }));
  return skin;
}

// The pixels of a rectangle of the window, as the screen shows them, for which the test holds.
int CountPixels(HWND window, const RECT& r, const std::function<bool(POINT, COLORREF)>& test) {
  host::DibBitmap shot(r.right - r.left, r.bottom - r.top, host::PixelFormat::Bits32);
  const host::WindowDc screen(nullptr);
  const RECT w = form_test::WindowRect(window);
  BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), screen, w.left + r.left, w.top + r.top, SRCCOPY);
  int count = 0;
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x) count += test({r.left + x, r.top + y}, shot.Pixel(x, y));
  return count;
}

// Runs a step on a 50 ms timer, also inside the modal loops of menus, until it answers false.
class TimerSteps {
public:
  explicit TimerSteps(std::function<bool()> step) : timer_(SetTimer(nullptr, 0, 50, &Tick)) { step_ = std::move(step); }
  ~TimerSteps() {
    KillTimer(nullptr, timer_);
    step_ = nullptr;
  }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (step_ && !step_()) step_ = nullptr;
  }
  static inline std::function<bool()> step_;
  UINT_PTR timer_;
};

// Redraws a window as the next popup-menu window is created, before that one has drawn anything.
struct RedrawOnNextMenu {
  static inline HHOOK hook;
  static inline HWND window;
  static LRESULT CALLBACK Proc(int code, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = CallNextHookEx(hook, code, wparam, lparam);
    wchar_t name[16] = {};
    if (code == HCBT_CREATEWND && window && GetClassNameW(reinterpret_cast<HWND>(wparam), name, 16) &&
        lstrcmpW(name, L"#32768") == 0)
      RedrawWindow(std::exchange(window, nullptr), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return result;
  }
};

class MenuBarTest : public ::testing::Test {
protected:
  void SetUp() override {
    data_ = form_test::MakeSkinData(BarSkin().Package());
    ASSERT_FALSE(data_->SkinMissing()) << data_->RefusalReason();
    MoveMouse({1010, 750});
    host::Application().Initialize();
    form_ = std::make_unique<form_test::TTestForm>(nullptr);
    host::ReadComponent(*form_, host::ParseStoredForm(kStored));
    for (const char* name : {"File1", "Open1", "Run1"})
      Item(name).SetOnClick([this, name](host::TComponent*) { ++clicks_[name]; });
    skinner_ = form_test::ShowSkinned(*form_);
    ASSERT_TRUE(skinner_ && skinner_->FMenuBar);
    window_ = form_->WindowHandle();
    SetForegroundWindow(window_);
    Pump(50);
  }
  void TearDown() override {
    form_.reset();
    skin::TSkinManage::Destroy();
    data_.reset();
    Pump(10);
  }

  host::TMenuItem& Item(const char* name) { return *dynamic_cast<host::TMenuItem*>(form_->FindComponent(name)); }
  const skin::TMenuBtn& Bar(int i) { return *skinner_->FMenuBar->Item(i); }
  POINT At(int i) { return ScreenCentre(window_, Bar(i).Bounds); }
  // In window coordinates.
  RECT Band() {
    const auto& s = *skinner_;
    return {s.FBorderLeft, s.FBorderTop, s.FWidth - s.FBorderRight, s.FBorderTop + s.FMenuBarHeight};
  }
  // Pixels of the band that differ from the bar picture's frame k, item captions aside.
  int BandMismatches(int k) {
    const RECT band = Band();
    const skin::TDataSkinObject& e = *data_->Elements().MenuBar;
    const host::DibBitmap want = skin::ComposeSkinElement({0, 0, band.right - band.left, band.bottom - band.top},
                                                          e.Image, e.Margins(), k, 2, false, skin::Strip::Vertical);
    return CountPixels(window_, band, [&](POINT p, COLORREF shown) {
      for (const auto& item : skinner_->FMenuBar->Items)
        if (PtInRect(&item->Bounds, p)) return false;
      return shown != want.Pixel(p.x - band.left, p.y - band.top);
    });
  }
  // Opens File with the open-menu-at message and describes what showed.
  SeenMenu OpenFile() {
    MenuWatch watch(nullptr, 2);
    const POINT p = At(0);
    SendMessageW(window_, skin::kOpenMenuAt, 0, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(watch.seen.size(), 1u);
    return watch.seen.empty() ? SeenMenu{} : watch.seen[0];
  }
  std::vector<UINT> Commands(std::initializer_list<const char*> names) {
    std::vector<UINT> ids;
    for (const char* name : names) ids.push_back(Item(name).Command());
    return ids;
  }

  std::unique_ptr<skin::TSkinData> data_;
  std::unique_ptr<form_test::TTestForm> form_;
  skin::TSkinForm* skinner_ = nullptr;
  HWND window_ = nullptr;
  std::map<std::string, int> clicks_;
};

TEST_F(MenuBarTest, TheBandReplacesTheWindowsMenuAndShowsTheBarPicture) {
  EXPECT_EQ(GetMenu(window_), nullptr);
  EXPECT_EQ(skinner_->FMenuBarHeight, GetSystemMetrics(SM_CYMENU));
  POINT client{0, 0};
  ClientToScreen(window_, &client);
  EXPECT_EQ(client.y - form_test::WindowRect(window_).top, Band().bottom);
  ASSERT_EQ(skinner_->FMenuBar->ItemCount(), 4);
  EXPECT_EQ(Bar(1).Caption, L"&Edit");
  EXPECT_EQ(Bar(0).Submenu, Item("File1").Handle());
  EXPECT_EQ(Bar(2).Submenu, nullptr);
  EXPECT_EQ(Bar(0).Bounds.left, skinner_->FBorderLeft + 5 + 4);
  EXPECT_EQ(Bar(1).Bounds.left, Bar(0).Bounds.right);
  EXPECT_EQ(BandMismatches(1), 0);
  for (int i = 0; i < 4; ++i)
    EXPECT_GT(CountPixels(window_, Bar(i).Bounds, [](POINT, COLORREF c) { return c == kText; }), 10) << i;

  MoveMouse(At(1));
  ASSERT_TRUE(PumpUntil([&] { return Bar(1).State == skin::TNCObject::stHot; }));
  Pump(30);
  const RECT hot = Bar(1).Bounds;
  EXPECT_EQ(form_test::ScreenPixel(form_test::WindowRect(window_).left + hot.left, At(1).y), kHilight);

  auto other = form_test::MakeForm(500, 400, 120, 60);
  form_test::ShowSkinned(*other);
  SetForegroundWindow(other->WindowHandle());
  ASSERT_TRUE(PumpUntil([&] { return !skinner_->FActive; }));
  Pump(50);
  EXPECT_EQ(BandMismatches(2), 0);
}

TEST_F(MenuBarTest, AClickOpensTheSubmenuAtTheItemAndMovingAcrossSwitchesIt) {
  const RECT w = form_test::WindowRect(window_);
  const RECT file = Bar(0).Bounds, edit = Bar(1).Bounds;
  MenuWatch watch([&](const SeenMenu&, int tick) {
    if (tick > 0) return tick < 6;
    if (watch.seen.size() == 1) MoveMouse(At(1));
    if (watch.seen.size() == 2) MoveMouse({w.left + edit.left + 2, At(1).y});  // within the same item
    return true;
  });
  Click(At(0));
  ASSERT_TRUE(PumpUntil([&] { return watch.seen.size() == 2 && !skinner_->FInMenuLoop; }, 5000));
  Pump(300);
  ASSERT_EQ(watch.seen.size(), 2u);
  EXPECT_EQ(watch.seen[0].menu, Item("File1").Handle());
  EXPECT_EQ(watch.seen[0].rect.left, w.left + file.left);
  EXPECT_EQ(watch.seen[0].rect.top, w.top + file.bottom);
  EXPECT_EQ(watch.seen[1].menu, Item("Edit1").Handle());
  EXPECT_EQ(watch.seen[1].rect.left, w.left + edit.left);
  EXPECT_TRUE(watch.seen[0].all_owner_drawn);
}

TEST_F(MenuBarTest, KeysOpenTheBarWrapAroundItAndCloseIt) {
  // Each submenu that shows gets the next key once; the last one closes the loop.
  std::vector<WORD> script{VK_LEFT, VK_RIGHT, VK_ESCAPE, VK_ESCAPE, VK_MENU};
  std::size_t step = 0;
  MenuWatch watch([&](const SeenMenu&, int tick) {
    if (tick == 0 && step < script.size()) Keys({script[step++]});
    return true;
  });
  auto expect_closed_after = [&](std::size_t menus) {
    EXPECT_TRUE(PumpUntil([&] { return watch.seen.size() == menus && !skinner_->FInMenuLoop && step == menus; }, 5000));
    Pump(300);
    EXPECT_EQ(watch.seen.size(), menus) << "nothing opens after the loop closed";
  };
  Keys({VK_MENU, 'F'});
  expect_closed_after(3);
  Keys({VK_F10});
  expect_closed_after(4);
  Keys({VK_MENU, 'E'});
  expect_closed_after(5);
  Keys({VK_CONTROL, VK_MENU, 'E'});
  Pump(400);
  EXPECT_EQ(watch.seen.size(), 5u) << "Ctrl+Alt is not the accelerator";
  const HMENU file = Item("File1").Handle(), help = Item("Help1").Handle();
  const std::vector<HMENU> want{file, help, file, file, Item("Edit1").Handle()};
  for (std::size_t i = 0; i < want.size() && i < watch.seen.size(); ++i) EXPECT_EQ(watch.seen[i].menu, want[i]) << i;
  EXPECT_EQ(clicks_["Open1"], 0);
}

TEST_F(MenuBarTest, ChoosingAnItemRunsItsClickOnceAndAnItemWithoutSubmenuOpensNothing) {
  MenuWatch watch([&](const SeenMenu& menu, int) {
    for (int i = 0; i < menu.count; ++i)
      if (menu.ids[static_cast<std::size_t>(i)] == Item("Open1").Command()) {
        RECT r{};
        GetMenuItemRect(nullptr, menu.menu, static_cast<UINT>(i), &r);
        Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
      }
    return true;
  });
  Click(At(0));
  ASSERT_TRUE(PumpUntil([&] { return clicks_["Open1"] > 0; }));
  Pump(300);
  EXPECT_EQ(clicks_["Open1"], 1);
  EXPECT_EQ(clicks_["File1"], 1);
  Click(At(2));
  ASSERT_TRUE(PumpUntil([&] { return clicks_["Run1"] > 0; }));
  Pump(300);
  EXPECT_EQ(clicks_["Run1"], 1);
  EXPECT_EQ(watch.seen.size(), 1u);
}

TEST_F(MenuBarTest, PassingOverAnItemWithoutSubmenuSelectsItAndOnlyEnterOrAClickRunsIt) {
  for (const bool by_keys : {true, false}) {
    // Keys: File, Edit, then Run; the mouse: from File straight to Run.
    MenuWatch watch([&](const SeenMenu&, int tick) {
      if (tick == 0) by_keys ? Keys({VK_RIGHT}) : MoveMouse(At(2));
      return true;
    });
    int runs_while_held = -1, ticks = 0;
    COLORREF frame = 0;
    TimerSteps steps([&] {
      if (Bar(2).State != skin::TNCObject::stHot || form_test::FindProcessWindow(L"#32768") || ++ticks < 3) return true;
      runs_while_held = clicks_["Run1"];
      frame = form_test::ScreenPixel(form_test::WindowRect(window_).left + Bar(2).Bounds.left, At(2).y);
      by_keys ? Keys({VK_RETURN}) : Click(At(2));
      return false;
    });
    by_keys ? Keys({VK_F10}) : Click(At(0));
    ASSERT_TRUE(PumpUntil([&] { return clicks_["Run1"] > 0 && !skinner_->FInMenuLoop; }, 5000)) << by_keys;
    Pump(100);
    EXPECT_EQ(runs_while_held, 0) << by_keys;
    EXPECT_EQ(frame, kHilight) << by_keys;
    EXPECT_EQ(clicks_["Run1"], 1) << by_keys;
    EXPECT_EQ(watch.seen.size(), by_keys ? 2u : 1u);
    clicks_["Run1"] = 0;
  }
}

TEST_F(MenuBarTest, ANestedSubmenuKeepsItsOwnPopupWhenItsParentIsDrawnMeanwhile) {
  RedrawOnNextMenu::hook = SetWindowsHookExW(WH_CBT, &RedrawOnNextMenu::Proc, nullptr, GetCurrentThreadId());
  const skin::TSkinManage& manager = *skin::TSkinManage::Instance();
  HWND parent = nullptr, nested = nullptr;
  HWND parents = nullptr, nesteds = nullptr;  // the windows whose skinners hold the two menus
  int since = -1;  // the tick at which the submenu showed
  MenuWatch watch([&](const SeenMenu& menu, int tick) {
    if (watch.seen.size() == 1 && tick == 0) {
      parent = RedrawOnNextMenu::window = menu.window;
      const auto recent = std::find(menu.ids.begin(), menu.ids.end(), Item("Recent1").Command()) - menu.ids.begin();
      RECT r{};
      GetMenuItemRect(nullptr, menu.menu, static_cast<UINT>(recent), &r);
      MoveMouse({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    if (manager.PopupMenus.size() < 2) return tick < 30;
    if (since < 0) since = tick;
    if (tick - since < 3) return true;
    nested = manager.PopupMenus.back()->MenuWindow;
    const skin::TSkinPopupMenu* file = manager.PopupFor(Item("File1").Handle());
    const skin::TSkinPopupMenu* recent = manager.PopupFor(Item("Recent1").Handle());
    parents = file ? file->MenuWindow : nullptr;
    nesteds = recent ? recent->MenuWindow : nullptr;
    return false;
  });
  Click(At(0));
  EXPECT_TRUE(PumpUntil([&] { return nested && !skinner_->FInMenuLoop; }, 5000));
  UnhookWindowsHookEx(RedrawOnNextMenu::hook);
  ASSERT_TRUE(nested);
  EXPECT_EQ(RedrawOnNextMenu::window, nullptr) << "the parent was drawn as the submenu's window was made";
  EXPECT_EQ(parents, parent);
  EXPECT_EQ(nesteds, nested);
}

TEST_F(MenuBarTest, AFormWithoutCaptionKeepsTheSystemsMenuBar) {
  auto bare = form_test::MakeForm(500, 300, 200, 80, host::TFormBorderStyle::bsNone);
  auto* menu = new host::TMainMenu(bare.get());
  menu->Add("&Later").Add("&Sub");
  bare->SetMenu(menu);
  ASSERT_TRUE(form_test::ShowSkinned(*bare));
  const HWND window = bare->WindowHandle();
  EXPECT_EQ(GetMenu(window), menu->Handle());
  POINT client{0, 0};
  ClientToScreen(window, &client);
  EXPECT_GE(client.y - form_test::WindowRect(window).top, GetSystemMetrics(SM_CYMENU));
  MenuWatch watch;
  SetForegroundWindow(window);
  Keys({VK_MENU, 'L'});
  ASSERT_TRUE(PumpUntil([&] { return !watch.seen.empty(); }));
  EXPECT_EQ(watch.seen[0].menu, menu->Items().Items(0).Handle());
}

TEST_F(MenuBarTest, SuperfluousSeparatorsAreHiddenAndComeBackBetweenItems) {
  const std::vector<UINT> whole = Commands({"New1", "Gap2", "Open1", "Recent1"});
  EXPECT_EQ(OpenFile().ids, whole);
  for (const char* name : {"Lead1", "Gap1", "Tail1"}) EXPECT_FALSE(Item(name).Visible()) << name;
  Item("New1").SetVisible(false);
  EXPECT_EQ(OpenFile().ids, Commands({"Open1", "Recent1"}));
  Item("New1").SetVisible(true);
  EXPECT_EQ(OpenFile().ids, whole);
  EXPECT_EQ(GetMenu(window_), nullptr);
}

TEST_F(MenuBarTest, AChangedMenuIsShownAgainAndARightToLeftMenuRunsFromTheRight) {
  Item("Edit1").SetCaption("&Change");
  EXPECT_EQ(Bar(1).Caption, L"&Change");
  form_->Menu()->SetBiDiMode(host::TBiDiMode::bdRightToLeft);
  skinner_->PaintFrame();
  EXPECT_EQ(GetMenu(window_), nullptr);
  EXPECT_EQ(Bar(0).Bounds.right, Band().right - (7 + 8));
  EXPECT_EQ(Bar(1).Bounds.right, Bar(0).Bounds.left);
  // The left arrow key goes on to the next item, as the bar now reads.
  bool sent = false;
  MenuWatch watch([&](const SeenMenu&, int tick) {
    if (tick == 0 && !sent) Keys({VK_LEFT});
    sent = true;
    return watch.seen.size() < 2;
  });
  Keys({VK_F10});
  ASSERT_TRUE(PumpUntil([&] { return watch.seen.size() == 2 && !skinner_->FInMenuLoop; }, 5000));
  EXPECT_EQ(watch.seen[0].menu, Item("File1").Handle());
  EXPECT_EQ(watch.seen[1].menu, Item("Edit1").Handle());
}

TEST_F(MenuBarTest, UnskinningGivesTheMenuBack) {
  const SIZE client = form_test::ClientSize(window_);
  data_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return GetMenu(window_) != nullptr; }));
  EXPECT_EQ(GetMenu(window_), form_->Menu()->Handle());
  Pump(50);
  EXPECT_EQ(form_test::ClientSize(window_).cy, client.cy);
}

TEST_F(MenuBarTest, AMenuGivenLaterGetsABandOfItsOwn) {
  auto late = form_test::MakeForm(500, 300, 200, 80);
  skin::TSkinForm* skinner = form_test::ShowSkinned(*late);
  ASSERT_TRUE(skinner);
  EXPECT_FALSE(skinner->FMenuBar);
  auto* menu = new host::TMainMenu(late.get());
  menu->Add("&Later");
  late->SetMenu(menu);
  ASSERT_TRUE(skinner->FMenuBar);
  EXPECT_EQ(GetMenu(late->WindowHandle()), nullptr);
  EXPECT_EQ(skinner->FMenuBar->Item(0)->Caption, L"&Later");
  POINT client{0, 0};
  ClientToScreen(late->WindowHandle(), &client);
  EXPECT_EQ(client.y - form_test::WindowRect(late->WindowHandle()).top, skinner->FBorderTop + skinner->FMenuBarHeight);
}

TEST_F(MenuBarTest, AnMdiFrameShowsItsMaximisedChildsButtonsInTheBarAndTakesNewFrameMenus) {
  const host::Menu frame_menu(CreateMenu());
  AppendMenuW(frame_menu, MF_STRING, 0x7001, L"&Child");
  auto main = std::make_unique<form_test::TTestForm>(nullptr, "TMdiMain");
  host::Application().SetMainForm(main.get());
  main->SetFormStyle(host::TFormStyle::fsMDIForm);
  main->SetBounds(60, 40, 500, 360);
  auto* menu = new host::TMainMenu(main.get());
  menu->Add("&Window");
  main->SetMenu(menu);
  skin::TSkinForm* skinner = form_test::ShowSkinned(*main);
  ASSERT_TRUE(skinner && skinner->FMenuBar);
  auto child = std::make_unique<form_test::TTestForm>(nullptr, "TMdiChild");
  child->SetFormStyle(host::TFormStyle::fsMDIChild);
  child->SetBounds(10, 10, 200, 120);
  child->Show();
  ASSERT_TRUE(PumpUntil([&] { return skin::TSkinManage::Instance()->FindSkinForm(child->WindowHandle()); }));
  SendMessageW(main->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->WindowHandle()), 0);
  ASSERT_TRUE(PumpUntil([&] { return skinner->ActiveChildMaximized(); }));
  Pump(100);
  skinner->PaintFrame();
  const skin::TWinSysButton& button = *skinner->FButtons[0];
  ASSERT_TRUE(button.Visible);
  const POINT centre = ScreenCentre(main->WindowHandle(), button.Bounds);
  EXPECT_EQ(form_test::ScreenPixel(centre.x, centre.y), kChildButton);
  EXPECT_TRUE(skin::TSkinManage::Instance()->MDIMaximized);

  SendMessageW(main->ClientHandle(), WM_MDISETMENU, reinterpret_cast<WPARAM>(frame_menu.get()), 0);
  EXPECT_EQ(GetMenu(main->WindowHandle()), nullptr);
  // The system adds the maximised child's bitmap items to the frame menu; they take no room on the bar.
  std::vector<const skin::TMenuBtn*> shown;
  for (const auto& item : skinner->FMenuBar->Items)
    if (item->Bounds.right > item->Bounds.left) shown.push_back(item.get());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0]->Caption, L"&Child");
  child.reset();
  main.reset();
}

}  // namespace
