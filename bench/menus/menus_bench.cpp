// Times opening a 20-item popup menu on a skinned form, from the start of
// TrackPopupMenu until the menu window has returned from its first WM_PAINT,
// with the popup skinner and with skinning off, alternating in one run. Two
// more rows open the same items as a popup menu of the form library, its
// items drawn from the skin: against the same popup with skinning off, whose
// items the form library draws, and against the system's menu.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/gdi_timing.h"
#include "form_test_support.h"
#include "host/menus/popup_menu.h"
#include "skin/draw/skin_element.h"
#include "skin/form/engine_messages.h"

namespace {

using bench::MicrosPerCall;
using bench::Now;

double painted_at = 0;
bool painted_skinned = false;
SIZE menu_size{};

LRESULT CALLBACK AfterCall(int code, WPARAM wparam, LPARAM lparam) {
  const auto& m = *reinterpret_cast<CWPRETSTRUCT*>(lparam);
  wchar_t cls[16] = {};
  if (code == HC_ACTION && m.message == WM_PAINT && painted_at == 0 && GetClassNameW(m.hwnd, cls, 16) &&
      lstrcmpW(cls, L"#32768") == 0) {
    painted_at = Now();
    painted_skinned = SendMessageW(m.hwnd, skin::kSkinnedQuery, 0, 0) == 1;
    RECT r;
    GetWindowRect(m.hwnd, &r);
    menu_size = {r.right - r.left, r.bottom - r.top};
    EndMenu();
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// Microseconds from the start of opening to the end of the menu's first paint.
template <class Open>
double OpenOnce(Open&& open) {
  painted_at = 0;
  const double start = Now();
  open();
  const double micros = painted_at > 0 ? (painted_at - start) * 1e6 : -1;
  form_test::Pump(2);
  return micros;
}

}  // namespace

int main() {
  const auto data = form_test::MakeSkinData(form_test::DefaultSkinPackage());
  if (data->SkinMissing()) {
    std::printf("the default skin was not loaded: %s\n", data->RefusalReason().c_str());
    return 1;
  }
  auto form = form_test::MakeForm(100, 100, 320, 240);
  // Made before the form is skinned, so that the skinner draws its items.
  auto* own_popup = new host::TPopupMenu(form.get());
  for (int i = 1; i <= 20; ++i) own_popup->Add("Menu item number " + std::to_string(i));
  if (!form_test::ShowSkinned(*form)) {
    std::printf("the form was not skinned\n");
    return 1;
  }
  skin::TSkinManage& manager = *skin::TSkinManage::Instance();
  host::Menu menu(CreatePopupMenu());
  for (int i = 1; i <= 20; ++i) AppendMenuW(menu, MF_STRING, i, (L"Menu item number " + std::to_wstring(i)).c_str());
  const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterCall, nullptr, GetCurrentThreadId());

  constexpr int kRounds = 60;
  const auto plain = [&] { TrackPopupMenu(menu, TPM_RETURNCMD, 200, 100, 0, form->WindowHandle(), nullptr); };
  for (int i = 0; i < 5; ++i) OpenOnce(plain);  // warming up
  int skinned = 0;
  const bench::Comparison opens = bench::Interleave(kRounds, [&](bool active) {
    manager.Active = active;
    const double t = OpenOnce(plain);
    skinned += active && painted_skinned;
    return t;
  });
  manager.Active = false;
  const bench::Comparison own = bench::Interleave(kRounds, [&](bool skin_items) {
    manager.Active = skin_items;
    return OpenOnce([&] { own_popup->Popup(200, 100); });
  });
  const bench::Comparison own_against_system = bench::Interleave(kRounds, [&](bool skin_items) {
    manager.Active = skin_items;
    return skin_items ? OpenOnce([&] { own_popup->Popup(200, 100); }) : OpenOnce(plain);
  });
  manager.Active = true;
  UnhookWindowsHookEx(hook);

  const skin::TDataSkinObject& e = *data->Elements().MenuBackground;
  const double compose = MicrosPerCall([&] {
    skin::ComposeSkinElement({0, 0, menu_size.cx, menu_size.cy}, e.Image, e.Margins(), 1, 1, e.Tile == 1,
                             skin::Strip::Horizontal);
  });
  std::printf("Opening a 20-item popup menu (%ldx%ld) until its first paint has returned;\n", menu_size.cx,
              menu_size.cy);
  std::printf("%d of %d skinned opens had their popup skinner:\n", skinned, kRounds);
  bench::PrintHeader("microseconds per open", "off", "skinned");
  bench::PrintRow("open until painted", opens, 1.2);
  bench::PrintRow("items drawn by the skin", own, 1.2);
  bench::PrintRow("  the same against the system's menu", own_against_system, 0);
  std::printf("  composing MenuBackground at the menu's size, once for menus of one size: %.0f microseconds\n", compose);
  return 0;
}
