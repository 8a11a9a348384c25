#pragma once
// What the caption-button tests share: a small skin whose caption buttons
// have one plain colour per frame, real mouse and keyboard input, and a
// watch on the popup menus that open while a test waits.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "test_skins.h"

namespace buttons_test {

// Frame colours of the close button: normal, pressed, hot, inactive window.
inline constexpr COLORREF kCloseNormal = RGB(200, 0, 0);
inline constexpr COLORREF kClosePressed = RGB(0, 200, 0);
inline constexpr COLORREF kCloseHot = RGB(0, 0, 200);
inline constexpr COLORREF kCloseInactive = RGB(200, 200, 0);
inline constexpr COLORREF kCaption = RGB(40, 60, 80);
// Menu colours of the skin.
inline constexpr COLORREF kMenu = RGB(230, 220, 150);
inline constexpr COLORREF kHilight = RGB(20, 120, 40);

// Frame: 4-pixel sides and bottom, a 24-pixel caption. Buttons, in order:
// 0 close (Align 1, XCoord 20, YCoord 4, 16 x 16, four frames); 1 system
// menu (Align 0 at 4, 4); 2 an application button (Action 20, Align 1,
// XCoord 40) shown when the window answers the visible-query for 1000.
data_test::TestSkin ButtonSkin();

// Each test starts with the button skin switched on and the mouse parked
// where no test window lies.
class ButtonsTest : public form_test::SkinnedTest {
protected:
  void SetUp() override;
};

// The test window: a 300 x 150 client at (100, 100), shown and skinned; the
// skinner is null when skinning failed.
struct TestWindow {
  std::unique_ptr<form_test::TTestForm> form;
  skin::TSkinForm* skinner;
  HWND window;
};
skin::TSkinForm* ShowAsTestWindow(form_test::TTestForm& form);
TestWindow ShowTestWindow();

// Screen point of a point in window coordinates (origin at the window's top-left).
POINT OnScreen(HWND window, int x, int y);
// Screen point at the centre of a rectangle in window coordinates.
POINT ScreenCentre(HWND window, const RECT& bounds);

// Real input on the virtual desktop.
void MoveMouse(POINT p);
void Press(POINT p, bool right = false);
void Release(POINT p, bool right = false);
void Click(POINT p, bool right = false);
void DoubleClick(POINT p);
void Keys(std::initializer_list<WORD> down_then_up);

// The popup menus that open while a test pumps messages or runs a menu
// loop. Every menu window seen is recorded. From `hold_ticks` ticks of 50 ms
// after it appeared, `action` runs once a tick (with the number of ticks
// since the hold) for as long as it answers true; then the menu is ended.
// A menu still open two seconds later is ended all the same.
struct SeenMenu {
  HWND window = nullptr;
  RECT rect{};
  HMENU menu = nullptr;
  int count = 0;
  bool all_owner_drawn = true;
  std::vector<std::wstring> texts;
  std::vector<UINT> ids;
  std::vector<ULONG_PTR> data;  // for menus of the form library: the item
  std::vector<bool> disabled;
};

class MenuWatch {
public:
  using Action = std::function<bool(const SeenMenu& menu, int tick)>;
  explicit MenuWatch(Action action = nullptr, int hold_ticks = 4);
  ~MenuWatch();
  MenuWatch(const MenuWatch&) = delete;
  MenuWatch& operator=(const MenuWatch&) = delete;

  std::vector<SeenMenu> seen;

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void OnTick();

  Action action_;
  int hold_ticks_;
  int ticks_ = 0;
  HWND current_ = nullptr;
  UINT_PTR timer_ = 0;
};

}  // namespace buttons_test
