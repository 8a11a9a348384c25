// Times the gallery's controls with skinning off and on, in one run:
// one push button's repaint, the check boxes and radio group's repaint, the
// whole client area's repaint, 100 lines of scrolling the long list through
// its scroll bar, 100 steps of a progress bar, each shown at once, and a
// switch to another page and back. Each is measured on its own page. Skinning
// is switched on and off for a few rounds, each side measured in every round.
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

// The page that holds the control, shown and painted.
void ShowPageOf(TGalleryForm& form, const char* name) {
  auto* control = dynamic_cast<host::TControl*>(form.FindComponent(name));
  for (host::TControl* c = control; c; c = c->Parent())
    if (auto* page = dynamic_cast<host::TTabSheet*>(c)) form.Pages->SetActivePage(page);
  UpdateWindow(form.WindowHandle());
  Pump(50);
}

// The rectangle from one control's top-left to another's bottom-right, in the form's client area.
RECT Span(const TGalleryForm& form, const char* first, const char* last) {
  RECT a, b;
  GetWindowRect(Child(form, first), &a);
  GetWindowRect(Child(form, last), &b);
  RECT r{a.left, a.top, b.right, b.bottom};
  MapWindowPoints(nullptr, form.WindowHandle(), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// One figure per row, in the order of the table; -1 for a control not found.
std::vector<double> Measure(TGalleryForm& form) {
  const HWND button = Child(form, "PushButton");
  const HWND list = Child(form, "LongList");
  const HWND progress = Child(form, "ProgressPart");
  constexpr UINT kRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;
  std::vector<double> rows;
  ShowPageOf(form, "PushButton");
  // The left column below the speed buttons: five check boxes and the radio group.
  const RECT checks = Span(form, "CheckUnchecked", "RadioGroup1");
  rows.push_back(button ? MicrosPerCall([&] { RedrawWindow(button, nullptr, nullptr, kRepaint | RDW_FRAME); }, 1, kSeconds) : -1);
  rows.push_back(MicrosPerCall([&] { RedrawWindow(form.WindowHandle(), &checks, nullptr, kRepaint); }, 1, kSeconds));
  rows.push_back(MicrosPerCall([&] { RedrawWindow(form.WindowHandle(), nullptr, nullptr, kRepaint); }, 1, kSeconds));
  ShowPageOf(form, "LongList");
  rows.push_back(list ? MicrosPerCall([&] {
        SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
        for (int i = 0; i < 100; ++i) {
          SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
          UpdateWindow(list);
          UpdateWindow(form.WindowHandle());
        }
        SendMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
      }, 1, kSeconds) : -1);
  ShowPageOf(form, "ProgressPart");
  rows.push_back(progress ? MicrosPerCall([&] {
        for (int i = 1; i <= 100; ++i) {
          SendMessageW(progress, PBM_SETPOS, static_cast<WPARAM>(i), 0);
          UpdateWindow(progress);
        }
      }, 1, kSeconds) : -1);
  // The user's click on a tab: the page control changes the page and the new one paints.
  rows.push_back(MicrosPerCall([&] {
    for (int page : {1, 0}) {
      form.Pages->SetTabIndex(page);
      RedrawWindow(form.Pages->WindowHandle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
  }, 1, kSeconds));
  return rows;
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
  const auto rows = bench::Interleave(kRounds, 6, [&](bool on) {
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
  bench::PrintRow("a switch to another page and back", rows[5], 1.3);
  form->SkinData1->SetActive(false);
  Pump(500);
  return 0;
}
