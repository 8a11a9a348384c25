// Forms and controls as real windows: sizes, texts, notifications, fonts,
// the window-procedure slot, and the timer.
#include <gtest/gtest.h>

#include <thread>

#include "host/app/application.h"
#include "host/controls/button.h"
#include "host/controls/form.h"
#include "host/controls/listbox.h"
#include "host/core/text.h"
#include "host/system/timer.h"

using namespace host;

namespace {

class ControlsTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(&owner);
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetClientWidth(427);
    form->SetClientHeight(249);
    form->SetCaption("Test");
  }
  void Pump(int ms) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
    while (GetTickCount64() < end) {
      Application().ProcessMessages();
      Sleep(1);
    }
  }
  TComponent owner{nullptr};
  TForm* form = nullptr;
};

TEST_F(ControlsTest, FormWindowHasItsClassStyleAndClientSize) {
  HWND wnd = form->Handle();
  wchar_t cls[64];
  GetClassNameW(wnd, cls, 64);
  EXPECT_STREQ(cls, L"TForm");
  RECT r;
  GetClientRect(wnd, &r);
  EXPECT_EQ(r.right, 427);
  EXPECT_EQ(r.bottom, 249);
  const LONG style = GetWindowLongW(wnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  GetWindowRect(wnd, &r);
  EXPECT_EQ(form->Width(), r.right - r.left);  // the outer size follows the window
}

TEST_F(ControlsTest, CaptionsGoThroughTheWideApi) {
  auto* b = new TButton(form);
  b->SetParent(form);
  form->Handle();
  b->SetCaption("Зробити!");
  wchar_t text[32];
  GetWindowTextW(b->WindowHandle(), text, 32);
  EXPECT_STREQ(text, L"\x0417\x0440\x043E\x0431\x0438\x0442\x0438!");
  SetWindowTextW(b->WindowHandle(), L"Run");  // a change from outside is seen too
  EXPECT_EQ(b->Caption(), "Run");
}

TEST_F(ControlsTest, ButtonClickReachesItsHandlerThroughTheParent) {
  auto* b = new TButton(form);
  b->SetParent(form);
  int clicks = 0;
  b->OnClick = [&](TComponent* sender) {
    EXPECT_EQ(sender, b);
    ++clicks;
  };
  form->Handle();
  SendMessageW(b->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, BoldFontReachesTheWindow) {
  auto* b = new TButton(form);
  b->SetParent(form);
  b->Font()->SetStyle(fsBold);
  form->Handle();
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(b->WindowHandle(), WM_GETFONT, 0, 0)), sizeof(lf), &lf);
  EXPECT_GE(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfHeight, -11);
}

TEST_F(ControlsTest, ChildrenAreMadeInTabOrder) {
  auto* second = new TButton(form);
  second->SetTabOrder(1);
  second->SetParent(form);
  auto* first = new TButton(form);
  first->SetTabOrder(0);
  first->SetParent(form);
  form->Handle();
  EXPECT_EQ(GetWindow(form->WindowHandle(), GW_CHILD), first->WindowHandle());
  EXPECT_EQ(GetNextDlgTabItem(form->WindowHandle(), first->WindowHandle(), FALSE), second->WindowHandle());
}

TEST_F(ControlsTest, ListBoxKeepsInsertionOrderAndDuplicates) {
  auto* list = new TListBox(form);
  list->Add("before the window");
  list->SetParent(form);
  form->Handle();
  list->Add("b.bsp");
  list->Add("a.bsp");
  list->Add("b.bsp");
  EXPECT_EQ(list->Items(), (StringList{"before the window", "b.bsp", "a.bsp", "b.bsp"}));
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetItemIndex(1);
  list->Delete(list->ItemIndex());
  EXPECT_EQ(list->Items(), (StringList{"before the window", "a.bsp", "b.bsp"}));
  EXPECT_EQ(SendMessageW(list->WindowHandle(), LB_GETITEMHEIGHT, 0, 0), 13);
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
}

TEST_F(ControlsTest, WindowProcSlotCanBeTakenOverAndGivenBack) {
  auto* b = new TButton(form);
  b->SetParent(form);
  form->Handle();
  int seen = 0;
  WndMethod saved = b->WindowProc;
  b->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_USER + 7) {
      ++seen;
      m.Result = 42;
      return;
    }
    saved(m);
  };
  EXPECT_EQ(SendMessageW(b->WindowHandle(), WM_USER + 7, 0, 0), 42);
  SetWindowTextW(b->WindowHandle(), L"still handled");  // other messages reach the control
  EXPECT_EQ(b->Caption(), "still handled");
  b->WindowProc = saved;
  EXPECT_EQ(SendMessageW(b->WindowHandle(), WM_USER + 7, 0, 0), 0);
  EXPECT_EQ(seen, 1);
}

TEST_F(ControlsTest, DestroyingAControlGivesTheWindowBackAndRemovesIt) {
  auto* b = new TButton(form);
  b->SetParent(form);
  form->Handle();
  HWND wnd = b->WindowHandle();
  delete b;
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_TRUE(form->Controls().empty());
}

// Every message finds its object from the window; a window that goes first
// takes the binding with it, and so does an object that goes first.
TEST_F(ControlsTest, AWindowFindsItsObjectUntilEitherGoes) {
  auto* a = new TButton(form);
  auto* b = new TButton(form);
  a->SetParent(form);
  b->SetParent(form);
  form->Handle();
  const HWND wa = a->WindowHandle(), wb = b->WindowHandle();
  EXPECT_EQ(TWinControl::FromHandle(wa), a);
  TWinControl* seen_elsewhere = nullptr;
  std::thread([&] { seen_elsewhere = TWinControl::FromHandle(wb); }).join();
  EXPECT_EQ(seen_elsewhere, b) << "from another thread";
  DestroyWindow(wa);
  EXPECT_EQ(TWinControl::FromHandle(wa), nullptr);
  EXPECT_FALSE(a->HandleAllocated());
  delete b;
  EXPECT_EQ(TWinControl::FromHandle(wb), nullptr);
  delete a;
}

TEST_F(ControlsTest, FormShowRunsOnShowBeforeTheWindowAppears) {
  bool visible_in_handler = true;
  form->OnShow = [&](TComponent*) { visible_in_handler = IsWindowVisible(form->WindowHandle()); };
  form->Show();
  EXPECT_FALSE(visible_in_handler);
  EXPECT_TRUE(IsWindowVisible(form->WindowHandle()));
}

TEST_F(ControlsTest, TimerTicksFromTheMessageLoopAndStops) {
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->SetInterval(1);
  timer->SetOnTimer([&](TComponent*) { ++ticks; });
  Pump(200);
  EXPECT_GT(ticks, 0);
  timer->SetEnabled(false);
  Pump(20);  // a tick already queued may still arrive
  const int stopped_at = ticks;
  Pump(100);
  EXPECT_EQ(ticks, stopped_at);
}

}  // namespace
