// Times the gallery's controls with skinning off and then on, in one run:
// one push button's repaint, the check boxes and radio group's repaint, the
// whole client area's repaint, 100 lines of scrolling the long list through
// its scroll bar, and 100 steps of a progress bar, each shown at once.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "bench/gdi_timing.h"
#include "gallery/gallery_form.h"
#include "host/app/application.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/manager/skin_manage.h"

namespace {

using bench::MicrosPerCall;

struct Figures {
  double button = 0;
  double checks = 0;
  double client = 0;
  double scroll = 0;
};

void Pump(int ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
  while (GetTickCount64() < end) {
    host::Application().ProcessMessages();
    Sleep(1);
  }
}

HWND Child(const TGalleryForm& form, const char* name) {
  auto* control = dynamic_cast<host::TWinControl*>(form.FindComponent(name));
  return control ? control->WindowHandle() : nullptr;
}

Figures Measure(TGalleryForm& form) {
  Figures f;
  const HWND button = Child(form, "PushButton");
  const HWND list = Child(form, "LongList");
  constexpr UINT kRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;
  if (button) f.button = MicrosPerCall([&] { RedrawWindow(button, nullptr, nullptr, kRepaint | RDW_FRAME); });
  // The left column below the speed buttons: five check boxes and the radio group.
  const RECT checks{0, 140, 204, 356};
  f.checks = MicrosPerCall([&] { RedrawWindow(form.WindowHandle(), &checks, nullptr, kRepaint); }, 1, 1.0);
  f.client = MicrosPerCall([&] { RedrawWindow(form.WindowHandle(), nullptr, nullptr, kRepaint); }, 1, 1.0);
  if (list)
    f.scroll = MicrosPerCall([&] {
      SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
      for (int i = 0; i < 100; ++i) {
        SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
        UpdateWindow(list);
        UpdateWindow(form.WindowHandle());
      }
      SendMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
    }, 1, 1.0);
  return f;
}

// 100 steps of a progress bar, each shown at once, with the bar's own
// skinning switched off and on in turns: the best of five rounds each, so
// that the load of the machine falls on both alike.
std::pair<double, double> MeasureProgress(HWND bar) {
  const auto steps = [&] {
    return MicrosPerCall([&] {
      for (int i = 1; i <= 100; ++i) {
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(i), 0);
        UpdateWindow(bar);
      }
    }, 1, 0.3);
  };
  double off = 1e300, on = 1e300;
  for (int round = 0; round < 5; ++round) {
    SendMessageW(bar, skin::kSkinActive, 0, 0);
    off = std::min(off, steps());
    SendMessageW(bar, skin::kSkinActive, 1, 0);
    on = std::min(on, steps());
  }
  return {off, on};
}

void Row(const char* what, double off, double on, double goal) {
  std::printf("  %-38s %10.0f %10.0f %7.2f %6.1f\n", what, off, on, off > 0 ? on / off : 0.0, goal);
}

}  // namespace

int main() {
  host::TApplication& app = host::Application();
  app.Initialize();
  host::RegisterComponentClass(skin::TSkinData::Info());
  TGalleryForm* form = app.CreateForm<TGalleryForm>();
  form->SkinData1->SetActive(false);
  form->Show();
  Pump(500);
  const Figures off = Measure(*form);

  form->SkinData1->SetActive(true);
  Pump(1500);  // the manager's action timer, skin-now, discovery
  const skin::TSkinManage* manager = skin::TSkinManage::Instance();
  if (!manager || manager->SkinForms.empty()) {
    std::printf("The gallery was not skinned.\n");
    return 1;
  }
  const Figures on = Measure(*form);
  const HWND progress = Child(*form, "ProgressPart");
  const auto [progress_off, progress_on] = progress ? MeasureProgress(progress) : std::pair{0.0, 0.0};

  std::printf("Gallery controls, microseconds per call (skinning off, on):\n");
  std::printf("  %-38s %10s %10s %7s %6s\n", "", "off", "on", "ratio", "goal");
  Row("one push button's repaint", off.button, on.button, 1.5);
  Row("check boxes and radio group's repaint", off.checks, on.checks, 1.3);
  Row("the whole client area's repaint", off.client, on.client, 1.5);
  Row("100 lines of the long list's scrolling", off.scroll, on.scroll, 1.3);
  Row("100 steps of a progress bar", progress_off, progress_on, 1.3);
  form->SkinData1->SetActive(false);
  Pump(500);
  return 0;
}
