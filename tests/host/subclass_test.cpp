// Taking over a window procedure or a control's slot and giving it back,
// with others subclassing after us, and controls freeing what they own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/controls/button.h"
#include "host/controls/form.h"
#include "host/controls/subclass.h"

using namespace host;

namespace {

std::vector<UINT> g_later_seen;
WNDPROC g_later_previous = nullptr;

LRESULT CALLBACK LaterSubclasser(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  g_later_seen.push_back(msg);
  return CallWindowProcW(g_later_previous, wnd, msg, wparam, lparam);
}

HWND MakeStatic() {
  return CreateWindowExW(0, L"STATIC", L"text", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
}

constexpr UINT kProbe = WM_APP + 7;

TEST(WindowSubclass, LeavingNeverCutsOutALaterSubclasser) {
  HWND wnd = MakeStatic();
  const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC));
  int ours = 0;
  WindowSubclass sub;
  sub.Install(wnd, [&](UINT msg, WPARAM w, LPARAM l) {
    if (msg == kProbe) ++ours;
    return sub.CallPrevious(msg, w, l);
  }, true);
  g_later_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclasser)));
  EXPECT_EQ(g_later_previous, sub.Procedure());

  sub.Remove();
  g_later_seen.clear();
  SendMessageW(wnd, kProbe, 0, 0);
  EXPECT_EQ(g_later_seen, std::vector<UINT>{kProbe});  // still in the chain
  EXPECT_EQ(ours, 0);                                  // we only pass messages on
  wchar_t text[8]{};
  GetWindowTextW(wnd, text, 8);  // the window's own procedure still answers through us
  EXPECT_STREQ(text, L"text");

  // The later subclasser leaves the way it came: our pass-through stays in place.
  SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_later_previous));
  GetWindowTextW(wnd, text, 8);
  EXPECT_STREQ(text, L"text");
  DestroyWindow(wnd);
  (void)original;
}

TEST(WindowSubclass, AtTheHeadGivesTheOldProcedureBackEvenFromInsideItsHandler) {
  HWND wnd = MakeStatic();
  const LONG_PTR original = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
  WindowSubclass sub;
  int after_remove = 0;
  sub.Install(wnd, [&](UINT msg, WPARAM w, LPARAM l) {
    if (msg == kProbe) {
      sub.Remove();
      ++after_remove;  // the handler runs to its end
      return LRESULT{5};
    }
    return sub.CallPrevious(msg, w, l);
  }, true);
  EXPECT_EQ(SendMessageW(wnd, kProbe, 0, 0), 5);
  EXPECT_EQ(after_remove, 1);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), original);
  EXPECT_FALSE(sub.Installed());
  DestroyWindow(wnd);
}

TEST(SlotHook, LeavingKeepsALaterHookAndItsPassThrough) {
  TForm form(nullptr);
  std::vector<std::string> order;
  SlotHook ours;
  ours.Install(form, [&](TMessage& m) {
    order.push_back("ours");
    ours.CallPrevious(m);
  });
  WndMethod saved = form.WindowProc;  // a later hook
  form.WindowProc = [&](TMessage& m) {
    order.push_back("later");
    saved(m);
  };
  ours.Remove();
  form.Perform(kProbe);
  EXPECT_EQ(order, std::vector<std::string>{"later"});
  form.WindowProc = saved;  // the later hook leaves: the pass-through still reaches the form
  EXPECT_EQ(form.Perform(WM_GETTEXTLENGTH), 0);
}

// A component owned by a control that hooks the control's slot, as a control skinner does.
class SlotWatcher : public TComponent {
public:
  SlotWatcher(TWinControl& control, std::vector<UINT>& seen) : TComponent(&control), seen_(seen) {
    hook_.Install(control, [this](TMessage& m) {
      seen_.push_back(m.Msg);
      hook_.CallPrevious(m);
    });
  }

private:
  std::vector<UINT>& seen_;
  SlotHook hook_;
};

TEST(ControlDestruction, AnOwnedSlotHookSeesTheWindowGoAndGivesTheSlotBackIntoALiveControl) {
  std::vector<UINT> seen;
  TForm form(nullptr);
  auto* button = new TButton(nullptr);
  button->SetParent(&form);
  form.Handle();
  new SlotWatcher(*button, seen);
  delete button;
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_NCDESTROY)), seen.end());
}

}  // namespace
