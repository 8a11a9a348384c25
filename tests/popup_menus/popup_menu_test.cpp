// Real popup menus tracked on a skinned form, their pictures read back from
// the screen and from the menu's own printing.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <utility>

#include "form_test_support.h"
#include "gdi_census.h"
#include "host/gdi/handles.h"
#include "skin/draw/skin_element.h"
#include "skin/form/engine_messages.h"
#include "skin/manager/popup_skinner.h"

namespace {

constexpr int kFrame = skin::TSkinPopupMenu::kFrameWidth;

bool IsMenuWindow(HWND w) {
  wchar_t cls[16] = {};
  return GetClassNameW(w, cls, 16) && lstrcmpW(cls, L"#32768") == 0;
}

// Tracks one popup menu. Once its window has returned from a WM_PAINT, `step`
// runs on each tick of a 10 ms timer until it gives true; Escape closes the menu then.
struct MenuSession {
  static inline std::function<bool(HWND)> step;
  static inline bool painted, closing, stepping;
  static inline DWORD closed_at;
  static inline int prints;  // WM_PRINT the system sent to the menu window

  static LRESULT CALLBACK Before(int code, WPARAM wparam, LPARAM lparam) {
    const auto& m = *reinterpret_cast<CWPSTRUCT*>(lparam);
    prints += m.message == WM_PRINT && !stepping && IsMenuWindow(m.hwnd);
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static LRESULT CALLBACK After(int code, WPARAM wparam, LPARAM lparam) {
    const auto& m = *reinterpret_cast<CWPRETSTRUCT*>(lparam);
    painted |= m.message == WM_PAINT && IsMenuWindow(m.hwnd);
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (closing && GetTickCount() - closed_at > 2000) EndMenu();  // never hang on a lost key
    const HWND popup = form_test::FindProcessWindow(L"#32768");
    if (!popup || !painted || closing) return;
    stepping = true;
    closing = step(popup);
    stepping = false;
    if (!closing) return;
    closed_at = GetTickCount();
    INPUT keys[2] = {{INPUT_KEYBOARD}, {INPUT_KEYBOARD}};
    keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
  }
  static void Run(HWND owner, HMENU menu, std::function<bool(HWND)> each_tick) {
    step = std::move(each_tick);
    painted = closing = false;
    const HHOOK before = SetWindowsHookExW(WH_CALLWNDPROC, &Before, nullptr, GetCurrentThreadId());
    const HHOOK after = SetWindowsHookExW(WH_CALLWNDPROCRET, &After, nullptr, GetCurrentThreadId());
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &Tick);
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_RETURNCMD, 200, 200, 0, owner, nullptr);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(after);
    UnhookWindowsHookEx(before);
  }
};

// The window as the screen shows it, or as it prints itself.
host::DibBitmap Shot(HWND window, bool print = false) {
  const RECT r = form_test::WindowRect(window);
  host::DibBitmap shot(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  if (print)
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(shot.Dc()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  else
    BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return shot;
}

// Pixels that differ from `expected` in the frame strips, or inside them.
int Differences(const host::DibBitmap& shot, const host::DibBitmap& expected, bool frame) {
  int n = 0;
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x) {
      const bool in_frame = x < kFrame || y < kFrame || x >= shot.Width() - kFrame || y >= shot.Height() - kFrame;
      n += in_frame == frame && shot.Pixel(x, y) != expected.Pixel(x, y);
    }
  return n;
}

class PopupMenuTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    form_ = form_test::MakeForm(100, 100, 320, 240);
    ASSERT_TRUE(form_test::ShowSkinned(*form_));
    for (int i = 1; i <= 6; ++i) AppendMenuW(menu_, MF_STRING, i, (L"Menu item " + std::to_wstring(i)).c_str());
  }
  void TearDown() override {
    form_.reset();
    SkinnedTest::TearDown();
  }
  // "MenuBackground" composed at the window's size.
  host::DibBitmap Skin(HWND popup) const {
    const skin::TDataSkinObject& e = *data_->Elements().MenuBackground;
    const RECT r = form_test::WindowRect(popup);
    return skin::ComposeSkinElement({0, 0, r.right - r.left, r.bottom - r.top}, e.Image, e.Margins(), 1, 1,
                                    e.Tile == 1, skin::Strip::Horizontal);
  }
  void Run(std::function<bool(HWND)> step) { MenuSession::Run(form_->WindowHandle(), menu_, std::move(step)); }
  // Runs the menu until `settled` holds for its picture on the screen (which
  // shows a paint a little after it is made), at most 3 s.
  void Watch(const std::function<bool(HWND popup, const host::DibBitmap& screen)>& settled) {
    const DWORD end = GetTickCount() + 3000;
    Run([&](HWND popup) { return settled(popup, Shot(popup)) || static_cast<int>(end - GetTickCount()) < 0; });
  }

  std::unique_ptr<form_test::TTestForm> form_;
  host::Menu menu_{CreatePopupMenu()};
};

TEST_F(PopupMenuTest, TheFrameStripsOnTheScreenAreTheSkinsPictureWithAndWithoutAnimation) {
  BOOL animation = FALSE;
  SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &animation, 0);
  for (const BOOL on : {FALSE, TRUE}) {
    SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(on)), 0);
    MenuSession::prints = 0;
    int frame = -1, inside = -1;
    Watch([&](HWND popup, const host::DibBitmap& screen) {
      frame = Differences(screen, Skin(popup), true);
      inside = Differences(screen, Shot(popup, true), false);
      return frame == 0 && inside == 0;
    });
    EXPECT_EQ(frame, 0) << "animation " << on;
    EXPECT_EQ(inside, 0) << "the items are the system's, as the menu prints them";
    std::printf("menu animation %d: the system sent the menu %d WM_PRINT\n", on, MenuSession::prints);
  }
  SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(animation)), 0);
}

// Popups of one size share one composed picture; after a skin change the
// same menu shows the new skin's picture, not the one kept from before.
TEST_F(PopupMenuTest, AMenuOpenedAgainAfterASkinChangeShowsTheNewSkinsFrame) {
  int frame = -1;
  const auto settled = [&](HWND popup, const host::DibBitmap& screen) {
    frame = Differences(screen, Skin(popup), true);
    return frame == 0;
  };
  Watch(settled);
  ASSERT_EQ(frame, 0);
  int changes = 0;
  data_->SetOnSkinChanged([&](host::TComponent*) { ++changes; });
  data_->SetSkinFile("Z:" BRINDLE_SKINS_DIR "/dark.skn");
  ASSERT_TRUE(form_test::PumpUntil([&] { return changes == 1; }));
  form_test::Pump(100);
  Watch(settled);
  EXPECT_EQ(frame, 0);
}

TEST_F(PopupMenuTest, AnOpenMenuKeepsItsBackgroundAndPrintsTheSkinsFrameAroundTheSystemsItems) {
  const host::DibBitmap *before = nullptr, *found = nullptr, *none = nullptr;
  int background = -1, frame = -1, inside = -1, system_frame = 0;
  const RECT kept{1, 2, 30, 40};
  RECT clip{};
  Run([&](HWND popup) {
    before = Manager().PopupBackground(menu_);
    Manager().AssignPopupMenu(menu_);
    found = Manager().PopupBackground(menu_);
    none = Manager().PopupBackground(nullptr);
    const host::DibBitmap skin = Skin(popup), printed = Shot(popup, true);
    if (found) background = Differences(*found, skin, true) + Differences(*found, skin, false);
    host::DibBitmap target(skin.Width(), skin.Height());  // a caller's own clipping survives the printing
    IntersectClipRect(target.Dc(), kept.left, kept.top, kept.right, kept.bottom);
    SendMessageW(popup, WM_PRINT, reinterpret_cast<WPARAM>(target.Dc()), PRF_NONCLIENT | PRF_CLIENT);
    GetClipBox(target.Dc(), &clip);
    Manager().Active = false;
    const host::DibBitmap system = Shot(popup, true);
    Manager().Active = true;
    frame = Differences(printed, skin, true);
    inside = Differences(printed, system, false);
    system_frame = Differences(system, skin, true);
    return true;
  });
  EXPECT_EQ(before, nullptr) << "no menu given yet";
  EXPECT_TRUE(found);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(background, 0);
  EXPECT_EQ(Manager().PopupBackground(menu_), nullptr) << "gone with its window";
  EXPECT_EQ(frame, 0);
  EXPECT_EQ(inside, 0);
  EXPECT_GT(system_frame, 0);
  EXPECT_TRUE(EqualRect(&clip, &kept));
}

TEST_F(PopupMenuTest, WhileSkinningIsOffTheSystemDrawsTheMenu) {
  for (const bool attached : {false, true}) {
    Manager().Active = attached;
    int from_skin = 0, from_system = -1;
    LRESULT query = 0;
    bool first = true;
    Watch([&](HWND popup, const host::DibBitmap& screen) {
      if (std::exchange(first, false) && attached) {
        Manager().Active = false;
        RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        return false;
      }
      from_skin = Differences(screen, Skin(popup), true);
      from_system = Differences(screen, Shot(popup, true), true);  // it prints itself as the system does
      query = SendMessageW(popup, skin::kSkinnedQuery, 0, 0);
      return from_system == 0;
    });
    EXPECT_EQ(from_system, 0) << "skinner attached " << attached;
    EXPECT_GT(from_skin, 0);
    EXPECT_EQ(query == 1, attached) << "an attached skinner still answers";
  }
}

TEST_F(PopupMenuTest, FiftyPopupsGiveBackEveryHandle) {
  ASSERT_TRUE(drawtest::InstallGdiCensus());
  const auto popups = [&](int n) {
    for (int i = 0; i < n; ++i) Run([](HWND) { return true; });
  };
  popups(3);
  const long gdi = drawtest::LiveGdiObjects(), wrapped = host::HandleCensus::gdi;
  const DWORD system = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  popups(50);
  std::printf("50 popups: GDI objects %ld -> %ld, wrapped %ld -> %ld, system count %lu -> %lu\n", gdi,
              drawtest::LiveGdiObjects(), wrapped, host::HandleCensus::gdi.load(), system,
              GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  EXPECT_EQ(drawtest::LiveGdiObjects(), gdi);
  EXPECT_EQ(host::HandleCensus::gdi, wrapped);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), system);
  EXPECT_TRUE(Manager().PopupMenus.empty());
}

}  // namespace
