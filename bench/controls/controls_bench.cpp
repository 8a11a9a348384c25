// Scrolling a 200-item list box by 100 lines through its scroll bar, each
// line repainted, with the list's scroll-bar skinner on and then off in the
// same skinned window.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/gdi_timing.h"
#include "form_test_support.h"
#include "host/controls/listbox.h"
#include "skin/controls/skin_control.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/manager/skin_manage.h"

namespace {

// 100 line-down scrolls as the bar sends them, each painted at once, then back to the top.
double HundredLines(HWND form, HWND list) {
  return bench::MicrosPerCall([&] {
    for (int i = 0; i < 100; ++i) {
      SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
      RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
    RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }, 1, 2.0);
}

}  // namespace

int main() {
  skin::CreateScratchBitmap();
  {
    const auto data = form_test::MakeSkinData(form_test::DefaultSkinPackage());
    if (data->SkinMissing()) {
      std::printf("the default skin was not loaded: %s\n", data->RefusalReason().c_str());
      return 1;
    }
    auto form = form_test::MakeForm(100, 100, 320, 260);
    auto* list = new host::TListBox(form.get());
    list->SetParent(form.get());
    list->SetBounds(10, 10, 150, 200);
    for (int i = 0; i < 200; ++i) list->Add("Item " + std::to_string(i));
    if (!form_test::ShowSkinned(*form)) {
      std::printf("the window was not skinned\n");
      return 1;
    }
    form_test::Pump(200);
    HWND window = form->WindowHandle(), lb = list->WindowHandle();
    const double skinned = HundredLines(window, lb);
    SendMessageW(lb, skin::kSkinActive, 0, 0);
    form_test::Pump(100);
    const double plain = HundredLines(window, lb);
    std::printf("Scrolling a 200-item list box by 100 lines (SB_LINEDOWN, each repainted), microseconds:\n");
    std::printf("  scroll-bar skinner off %10.0f\n  scroll-bar skinner on  %10.0f\n  ratio on / off          %9.2f\n",
                plain, skinned, skinned / plain);
  }
  skin::TSkinManage::Destroy();
  skin::FreeScratchBitmap();
  return 0;
}
