// A form skinner is a guest in the window: it stays a working link behind
// later subclassers, goes only after its running handlers returned, leaves
// a window unskinned before skin-now as it found it, and lets go when the
// skin data it draws from goes.
#include <gtest/gtest.h>

#include "form_test_support.h"
#include "skin/form/engine_messages.h"

using namespace form_test;
using namespace skin;

namespace {

using GuestTest = SkinnedTest;

int g_later_calls = 0;
WNDPROC g_later_previous = nullptr;
LRESULT CALLBACK Later(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  ++g_later_calls;
  return CallWindowProcW(g_later_previous, wnd, msg, wparam, lparam);
}

TSkinData* g_data = nullptr;
void CALLBACK SwitchOffTick(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_data->SetActive(false);
}
void CALLBACK EndMenuTick(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

void Unskin(TSkinData& data) {
  data.SetActive(false);
  PumpUntil([] { return !TSkinManage::Instance()->Active && TSkinManage::Instance()->SkinForms.empty(); });
}

TEST_F(GuestTest, UnskinnedBehindALaterSubclasserTheWindowKeepsWorking) {
  auto form = MakeForm(100, 100, 300, 150);
  ASSERT_TRUE(ShowSkinned(*form));
  const HWND window = form->WindowHandle();
  g_later_previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Later)));
  Unskin(*data_);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&Later));  // not cut out
  g_later_calls = 0;
  form->SetCaption("Still here");
  wchar_t text[32]{};
  GetWindowTextW(window, text, 32);
  EXPECT_STREQ(text, L"Still here");  // the window's own procedure answers through our pass-through
  EXPECT_GT(g_later_calls, 0);
  EXPECT_FALSE(IsSkinned(window));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_later_previous));
}

TEST_F(GuestTest, UnskinnedInsideItsOwnMenuLoopItGoesWhenTheMenuIsDone) {
  auto form = MakeForm(100, 100, 300, 150);
  TSkinForm* skinner = ShowSkinned(*form);
  ASSERT_TRUE(skinner);
  // While the system menu runs from the skinner's own handler, the action
  // timer unskins every window; then the menu is closed.
  const HWND window = form->WindowHandle();
  g_data = data_.get();
  SetTimer(nullptr, 0, 100, &SwitchOffTick);
  SetTimer(nullptr, 0, 900, &EndMenuTick);
  SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  EXPECT_FALSE(TSkinManage::Instance()->Active);
  EXPECT_TRUE(TSkinManage::Instance()->SkinForms.empty());
  EXPECT_FALSE(IsSkinned(window));
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(GuestTest, UnskinnedBeforeSkinNowTheWindowRedrawsAtItsOwnSize) {
  auto form = MakeForm(100, 100, 300, 150);
  form->Handle();
  const RECT before = WindowRect(form->WindowHandle());
  ShowWindow(form->WindowHandle(), SW_SHOW);  // activation skins it; skin-now is still queued
  TSkinForm* skinner = Manager().FindSkinForm(form->WindowHandle());
  ASSERT_TRUE(skinner);
  ASSERT_EQ(skinner->FState, flCreated);
  std::unique_ptr<TSkinForm> taken = std::move(Manager().SkinForms.back());
  Manager().SkinForms.pop_back();
  taken->Detach();
  TSkinForm::Free(std::move(taken));
  Pump(100);
  const RECT after = WindowRect(form->WindowHandle());
  EXPECT_TRUE(EqualRect(&before, &after)) << after.right - after.left << "x" << after.bottom - after.top;
  EXPECT_TRUE(GetWindowLongW(form->WindowHandle(), GWL_STYLE) & WS_VISIBLE);  // redraw is back on
  EXPECT_EQ(ClientSize(form->WindowHandle()).cx, 300);
}

TEST_F(GuestTest, SkinDataFreedUnderALiveSkinnerLetsTheWindowGoFirst) {
  auto form = MakeForm(100, 100, 300, 150);
  form->Handle();
  const LONG_PTR own = GetWindowLongPtrW(form->WindowHandle(), GWLP_WNDPROC);
  ASSERT_TRUE(ShowSkinned(*form));
  data_.reset();
  EXPECT_TRUE(Manager().SkinForms.empty());
  EXPECT_EQ(GetWindowLongPtrW(form->WindowHandle(), GWLP_WNDPROC), own);
  RedrawWindow(form->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Pump(50);
}

}  // namespace
