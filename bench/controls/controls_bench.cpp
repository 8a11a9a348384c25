// Times the gallery's controls with skinning off and on, in one run:
// one push button's repaint, the check boxes and radio group's repaint, the
// whole client area's repaint, 100 lines of scrolling the long list through
// its scroll bar, and 100 steps of a progress bar, each shown at once. Skinning is switched on and off for a few rounds,
// each side measured in every round.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "bench/gdi_timing.h"
#include "gallery/gallery_form.h"
#include "host/app/application.h"
#include "skin/data/skin_data.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"

namespace {

using bench::MicrosPerCall;

constexpr int kRounds = 6;
constexpr double kSeconds = 0.25;

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

// One figure per row, in the order of the table; -1 for a control not found.
std::vector<double> Measure(TGalleryForm& form) {
  const HWND button = Child(form, "PushButton");
  const HWND list = Child(form, "LongList");
  const HWND progress = Child(form, "ProgressPart");
  constexpr UINT kRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;
  // The left column below the speed buttons: five check boxes and the radio group.
  const RECT checks{0, 140, 204, 356};
  return {
      button ? MicrosPerCall([&] { RedrawWindow(button, nullptr, nullptr, kRepaint | RDW_FRAME); }, 1, kSeconds) : -1,
      MicrosPerCall([&] { RedrawWindow(form.WindowHandle(), &checks, nullptr, kRepaint); }, 1, kSeconds),
      MicrosPerCall([&] { RedrawWindow(form.WindowHandle(), nullptr, nullptr, kRepaint); }, 1, kSeconds),
      list ? MicrosPerCall([&] {
        SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
        for (int i = 0; i < 100; ++i) {
          SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
          UpdateWindow(list);
          UpdateWindow(form.WindowHandle());
        }
        SendMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
      }, 1, kSeconds) : -1,
      progress ? MicrosPerCall([&] {
        for (int i = 1; i <= 100; ++i) {
          SendMessageW(progress, PBM_SETPOS, static_cast<WPARAM>(i), 0);
          UpdateWindow(progress);
        }
      }, 1, kSeconds) : -1,
  };
}

// Skinning on or off as asked, waiting until the form's skinner runs or is
// gone; false when that did not happen.
bool Switch(TGalleryForm& form, bool on) {
  if (form.SkinData1->Active() != on) form.SkinData1->SetActive(on);
  const auto done = [&] {
    const skin::TSkinManage* manager = skin::TSkinManage::Instance();
    const skin::TSkinForm* f = manager ? manager->FindSkinForm(form.WindowHandle()) : nullptr;
    return on ? f && f->FState == skin::flRunning : !f;
  };
  for (int i = 0; i < 500 && !done(); ++i) Pump(10);
  Pump(300);  // control discovery and the first paints
  return done();
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
  bool skinned = true;
  const auto rows = bench::Interleave(kRounds, 5, [&](bool on) {
    if (!Switch(*form, on)) skinned = false;
    return Measure(*form);
  });
  if (!skinned) {
    std::printf("The gallery was not skinned.\n");
    return 1;
  }
  std::printf("Gallery controls, skinning off and on:\n");
  bench::PrintHeader("microseconds per call", "off", "on");
  bench::PrintRow("one push button's repaint", rows[0], 1.2);
  bench::PrintRow("check boxes and radio group's repaint", rows[1], 1.3);
  bench::PrintRow("the whole client area's repaint", rows[2], 1.2);
  bench::PrintRow("100 lines of the long list's scrolling", rows[3], 1.2);
  bench::PrintRow("100 steps of a progress bar", rows[4], 1.3);
  form->SkinData1->SetActive(false);
  Pump(500);
  return 0;
}
