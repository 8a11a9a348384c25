#include "button_test_support.h"

namespace buttons_test {
namespace {

using data_test::Bmp;
using data_test::SolidBmp;
using form_test::SendMouse;

constexpr char kIni[] =
    "[Personality]\n"
    "Left=side.bmp\nLeftFrame=1\nRight=side.bmp\nRightFrame=1\n"
    "Top=top.bmp\nTopFrame=1\nBottom=bottom.bmp\nBottomFrame=1\n"
    "[Colours]\n"
    "Menu=230 220 150\nHilight=20 120 40\nMenuText=0 0 0\nHilightText=255 255 255\n"
    "[Button0]\nAction=0\nAlign=1\nXcoord=20\nYcoord=4\nVisibility=0\nVisibility1=0\nframe=4\n"
    "ButtonImage=close.bmp\n"
    "[Button1]\nAction=3\nAlign=0\nXcoord=4\nYcoord=4\nVisibility=0\nVisibility1=0\nframe=1\n"
    "ButtonImage=sysmenu.bmp\n"
    "[Button2]\nAction=20\nAlign=1\nXcoord=40\nYcoord=4\nVisibility=1000\nVisibility1=0\nframe=4\n"
    "ButtonImage=close.bmp\n";

COLORREF CloseFrames(int x, int) {
  static constexpr COLORREF frames[] = {kCloseNormal, kClosePressed, kCloseHot, kCloseInactive};
  return frames[x / 16];
}

MenuWatch* g_watch = nullptr;

BOOL CALLBACK FindVisibleMenu(HWND window, LPARAM param) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32768" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

HWND VisibleMenuWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindVisibleMenu, reinterpret_cast<LPARAM>(&found));
  return found;
}

SeenMenu Describe(HWND window) {
  SeenMenu seen;
  seen.window = window;
  GetWindowRect(window, &seen.rect);
  seen.menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  seen.count = GetMenuItemCount(seen.menu);
  for (int i = 0; i < seen.count; ++i) {
    wchar_t text[100] = {};
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_DATA;
    info.dwTypeData = text;
    info.cch = 100;
    GetMenuItemInfoW(seen.menu, static_cast<UINT>(i), TRUE, &info);
    if (!(info.fType & MFT_OWNERDRAW)) seen.all_owner_drawn = false;
    seen.texts.emplace_back(text);
    seen.ids.push_back(info.wID);
    seen.data.push_back(info.dwItemData);
    seen.disabled.push_back((info.fState & MFS_GRAYED) != 0);
  }
  return seen;
}

}  // namespace

data_test::TestSkin ButtonSkin() {
  data_test::TestSkin skin{kIni};
  skin.Picture("side.bmp", SolidBmp(4, 20, kCaption))
      .Picture("top.bmp", SolidBmp(20, 24, kCaption))
      .Picture("bottom.bmp", SolidBmp(20, 4, kCaption))
      .Picture("close.bmp", Bmp(64, 16, CloseFrames))
      .Picture("sysmenu.bmp", SolidBmp(16, 16, RGB(90, 90, 90)));
  return skin;
}

void ButtonsTest::SetUp() {
  data_ = form_test::MakeSkinData(ButtonSkin().Package());
  ASSERT_FALSE(data_->SkinMissing()) << data_->RefusalReason();
  ASSERT_TRUE(skin::TSkinManage::Instance());
  MoveMouse({1010, 750});
  form_test::Pump(20);
}

skin::TSkinForm* ShowAsTestWindow(form_test::TTestForm& form) {
  form.SetLeft(100);
  form.SetTop(100);
  form.SetClientWidth(300);
  form.SetClientHeight(150);
  return form_test::ShowSkinned(form);
}

TestWindow ShowTestWindow() {
  auto form = std::make_unique<form_test::TTestForm>(nullptr);
  form->SetCaption("Skinned");
  skin::TSkinForm* skinner = ShowAsTestWindow(*form);
  const HWND window = form->WindowHandle();
  return {std::move(form), skinner, window};
}

POINT OnScreen(HWND window, int x, int y) {
  const RECT r = form_test::WindowRect(window);
  return {r.left + x, r.top + y};
}

POINT ScreenCentre(HWND window, const RECT& bounds) {
  return OnScreen(window, (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
}

void MoveMouse(POINT p) { SendMouse(0, p); }

void Press(POINT p, bool right) { SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, p); }

void Release(POINT p, bool right) { SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, p); }

void Click(POINT p, bool right) {
  MoveMouse(p);
  Press(p, right);
  Release(p, right);
}

void DoubleClick(POINT p) {
  Click(p);
  Click(p);
}

void Keys(std::initializer_list<WORD> down_then_up) {
  std::vector<INPUT> inputs;
  for (WORD key : down_then_up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto it = down_then_up.end(); it != down_then_up.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--it;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

MenuWatch::MenuWatch(Action action, int hold_ticks) : action_(std::move(action)), hold_ticks_(hold_ticks) {
  g_watch = this;
  timer_ = SetTimer(nullptr, 0, 50, &MenuWatch::Tick);
}

MenuWatch::~MenuWatch() {
  KillTimer(nullptr, timer_);
  g_watch = nullptr;
}

void CALLBACK MenuWatch::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_watch) g_watch->OnTick();
}

void MenuWatch::OnTick() {
  const HWND window = VisibleMenuWindow();
  if (window != current_) {
    current_ = window;
    ticks_ = 0;
    if (window) seen.push_back(Describe(window));
    return;
  }
  if (!window || ticks_ < 0 || ++ticks_ < hold_ticks_) return;
  if (ticks_ < hold_ticks_ + 40 && action_ && action_(seen.back(), ticks_ - hold_ticks_)) return;
  EndMenu();
  ticks_ = -1;  // ended: nothing more for this menu window
}

}  // namespace buttons_test
