// A form skinner's life: the geometry it gives the window, switching
// skinning off and on, a change of skin, and what its dispatch does with
// system commands sent as WM_COMMAND.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "form_test_support.h"
#include "host/core/text.h"
#include "host/menus/menu.h"
#include "skin/form/engine_messages.h"

using namespace form_test;
using namespace skin;

namespace {

using LifecycleTest = SkinnedTest;

// What skinning may change and detaching must give back.
struct WindowLook {
  LONG_PTR proc;
  LONG style;
  LONG ex_style;
  RECT rect;
  SIZE client;
  int region;  // GetWindowRgn's answer: ERROR when the window has none
  bool operator==(const WindowLook& o) const {
    return proc == o.proc && style == o.style && ex_style == o.ex_style && EqualRect(&rect, &o.rect) &&
           client.cx == o.client.cx && client.cy == o.client.cy && region == o.region;
  }
};

WindowLook LookOf(HWND window) {
  host::Region probe(CreateRectRgn(0, 0, 0, 0));
  return {GetWindowLongPtrW(window, GWLP_WNDPROC), GetWindowLongW(window, GWL_STYLE), GetWindowLongW(window, GWL_EXSTYLE),
          WindowRect(window), ClientSize(window), GetWindowRgn(window, probe)};
}

void ExpectSameLook(const WindowLook& a, const WindowLook& b) {
  EXPECT_EQ(a.proc, b.proc);
  EXPECT_EQ(a.style, b.style);
  EXPECT_EQ(a.ex_style, b.ex_style);
  EXPECT_TRUE(EqualRect(&a.rect, &b.rect)) << a.rect.right - a.rect.left << "x" << a.rect.bottom - a.rect.top << " vs "
                                           << b.rect.right - b.rect.left << "x" << b.rect.bottom - b.rect.top;
  EXPECT_EQ(a.client.cx, b.client.cx);
  EXPECT_EQ(a.client.cy, b.client.cy);
  EXPECT_EQ(a.region, b.region);
}

TEST_F(LifecycleTest, ASetUpThatRaisesLeavesTheWindowDrawnAndWithItsCaption) {
  data_->SetSkinControls(data_->SkinControls() | Bit(xcMenuItem));
  auto form = MakeForm(100, 100, 200, 100);
  auto* menu = new host::TMainMenu(form.get());
  menu->Add("&File").Add("&Open");
  form->SetMenu(menu);
  // The application's handling of a menu change raises as the skinner makes the menu owner-drawn.
  bool raised = false;
  form->WindowProc = [&raised, menu, own = form->WindowProc](host::TMessage& m) {
    if (m.Msg == host::CM_MENUCHANGED && menu->OwnerDraw() && !std::exchange(raised, true))
      throw std::runtime_error("menu changed");
    own(m);
  };
  form->Show();
  Pump(50);
  ASSERT_TRUE(raised);
  const HWND window = form->WindowHandle();
  EXPECT_EQ(Manager().FindSkinForm(window), nullptr);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_VISIBLE) << "drawing is on again";
  EXPECT_TRUE(data_->FramePaint);
}

TEST_F(LifecycleTest, TheClientAreaKeepsTheStoredSizeInsideTheSkinsBorders) {
  auto form = MakeForm(100, 100, 320, 180);
  TSkinForm* skinner = ShowSkinned(*form);
  ASSERT_TRUE(skinner);
  const SkinElements& e = data_->Elements();
  EXPECT_EQ(skinner->FBorderTop, e.FrameTop->Image.Height() / e.FrameTop->FrameCount);
  EXPECT_EQ(skinner->FBorderLeft, e.FrameLeft->Image.Width() / e.FrameLeft->FrameCount);
  EXPECT_EQ(ClientSize(form->WindowHandle()).cx, 320);
  EXPECT_EQ(ClientSize(form->WindowHandle()).cy, 180);
  const RECT r = WindowRect(form->WindowHandle());
  EXPECT_EQ(r.right - r.left, 320 + skinner->FBorderLeft + skinner->FBorderRight);
  EXPECT_EQ(r.bottom - r.top, 180 + skinner->FBorderTop + skinner->FBorderBottom);
  POINT origin{0, 0};
  ClientToScreen(form->WindowHandle(), &origin);
  EXPECT_EQ(origin.x - r.left, skinner->FBorderLeft);
  EXPECT_EQ(origin.y - r.top, skinner->FBorderTop);
  // The skinner draws the caption itself: the system's is taken out of the style.
  EXPECT_EQ(GetWindowLongW(form->WindowHandle(), GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(LifecycleTest, ACalcSizeWithoutRectanglesKeepsTheDefaultAnswer) {
  auto form = MakeForm(100, 100, 320, 180);
  ShowSkinned(*form);
  RECT r = WindowRect(form->WindowHandle());
  const RECT before = r;
  EXPECT_EQ(SendMessageW(form->WindowHandle(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r)), 0);
  EXPECT_GE(r.left, before.left);
}

TEST_F(LifecycleTest, SwitchingSkinningOffGivesEveryWindowBackAsItWas) {
  data_->SetActive(false);
  PumpUntil([&] { return !Manager().Active; });
  auto first = MakeForm(100, 100, 320, 180);
  auto second = MakeForm(200, 150, 240, 120, host::TFormBorderStyle::bsSingle);
  first->Show();
  second->Show();
  Pump(50);
  ASSERT_TRUE(Manager().SkinForms.empty());
  const WindowLook first_look = LookOf(first->WindowHandle());
  const WindowLook second_look = LookOf(second->WindowHandle());

  data_->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return Manager().SkinForms.size() == 2; }));
  PumpUntil([&] { return Manager().FindSkinForm(first->WindowHandle())->FState == flRunning; });
  Pump(50);
  EXPECT_FALSE(LookOf(first->WindowHandle()) == first_look);
  EXPECT_EQ(ClientSize(first->WindowHandle()).cx, first_look.client.cx);

  data_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return Manager().SkinForms.empty(); }));
  ExpectSameLook(LookOf(first->WindowHandle()), first_look);
  ExpectSameLook(LookOf(second->WindowHandle()), second_look);
  EXPECT_NE(SendMessageW(first->WindowHandle(), kSkinnedQuery, 0, 0), 1);
  EXPECT_EQ(first->Color(), host::clBtnFace);

  // On again: every visible form is skinned again, a hidden one is not.
  second->SetVisible(false);
  ShowWindow(second->WindowHandle(), SW_HIDE);
  data_->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return Manager().SkinForms.size() == 1; }));
  EXPECT_TRUE(Manager().FindSkinForm(first->WindowHandle()));
}

TEST_F(LifecycleTest, ASkinFileChangeIsAppliedToTheSkinnedForms) {
  auto form = MakeForm(100, 100, 320, 180);
  TSkinForm* skinner = ShowSkinned(*form);
  ASSERT_TRUE(skinner);
  int changes = 0;
  data_->SetOnSkinChanged([&](host::TComponent*) { ++changes; });
  const std::int32_t light_face = data_->Elements().Colours.ButtonFace;

  data_->SetSkinFile("Z:" BRINDLE_SKINS_DIR "/dark.skn");
  ASSERT_FALSE(data_->SkinMissing());
  EXPECT_EQ(Manager().PendingAction, 3);
  ASSERT_TRUE(PumpUntil([&] { return changes == 1; }));
  EXPECT_NE(data_->Elements().Colours.ButtonFace, light_face);
  EXPECT_EQ(form->Color(), data_->Elements().Colours.ButtonFace);
  EXPECT_EQ(skinner->FState, flRunning);
  EXPECT_EQ(ClientSize(form->WindowHandle()).cx, 320);
  EXPECT_EQ(ClientSize(form->WindowHandle()).cy, 180);
  EXPECT_EQ(Manager().FindSkinForm(form->WindowHandle()), skinner);
}

TEST_F(LifecycleTest, WindowCommandsSentAsCommandsArePostedAsSystemCommands) {
  auto form = MakeForm(100, 100, 320, 180);
  ShowSkinned(*form);
  const HWND window = form->WindowHandle();
  MSG msg;
  while (PeekMessageW(&msg, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) {}

  SendMessageW(window, WM_COMMAND, SC_KEYMENU, 0);
  EXPECT_FALSE(PeekMessageW(&msg, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_NOREMOVE));

  SendMessageW(window, WM_COMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(PeekMessageW(&msg, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_NOREMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(SC_CLOSE));
  EXPECT_EQ(msg.lParam, 0);
  PumpUntil([&] { return !IsWindow(window); });
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(LifecycleTest, DetachGivesTheWindowBackAndASecondOneKeepsWhatTheApplicationChangedSince) {
  auto form = MakeForm(100, 100, 320, 180);
  TSkinForm* skinner = ShowSkinned(*form);
  ASSERT_TRUE(skinner);
  const HWND window = form->WindowHandle();
  // Giving back the system's frame again would change the window's size.
  ASSERT_NE(skinner->FOsFrameSize.bottom, skinner->FBorderTop + skinner->FBorderBottom);
  skinner->Detach();
  EXPECT_FALSE(skinner->Attached());
  EXPECT_NE(SendMessageW(window, kSkinnedQuery, 0, 0), 1);
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(ClientSize(window).cx, 320);
  EXPECT_EQ(ClientSize(window).cy, 180);
  SetWindowPos(window, nullptr, 150, 120, 400, 260, SWP_NOZORDER | SWP_NOACTIVATE);
  const WindowLook changed = LookOf(window);
  skinner->Detach();
  ExpectSameLook(LookOf(window), changed);
}

TEST_F(LifecycleTest, AFormWithoutFrameSkinningKeepsItsSystemFrame) {
  data_->SetSkinControls(data_->SkinControls() & ~Bit(xcMainMenu));
  auto form = MakeForm(100, 100, 320, 180);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  TSkinForm* skinner = ShowSkinned(*form);
  ASSERT_TRUE(skinner);
  EXPECT_FALSE(skinner->FSkinFrame);
  EXPECT_EQ(GetWindowLongW(form->WindowHandle(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  POINT origin{0, 0};
  ClientToScreen(form->WindowHandle(), &origin);
  EXPECT_GE(origin.y - WindowRect(form->WindowHandle()).top, caption);
}

TEST_F(LifecycleTest, ASizeGripMadeLaterIsPaintedInTheFaceColourUntilSkinningEnds) {
  auto form = MakeForm(100, 100, 320, 180);
  ShowSkinned(*form);
  const HWND grip = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                                    0, 0, 320, 180, form->WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(grip);
  EXPECT_EQ(SendMessageW(grip, kSkinnedQuery, 0, 0), 1);
  UpdateWindow(grip);
  Pump(30);
  const RECT r = WindowRect(grip);
  const COLORREF face = host::ColourToRgb(data_->Elements().Colours.ButtonFace);
  for (int d = 2; d < r.right - r.left - 1; d += 3)
    EXPECT_EQ(ScreenPixel(r.right - d, r.bottom - 2), face) << d;

  data_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return Manager().SkinForms.empty(); }));
  EXPECT_NE(SendMessageW(grip, kSkinnedQuery, 0, 0), 1);
}

}  // namespace
