// Times a report list view of 200 rows with skinning off and on, in one run:
// 50 rows of scrolling through its scroll bar, each line shown at once.
// Skinning is switched on and off for a few rounds, each side measured in
// every round.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/gdi_timing.h"
#include "form_test_support.h"
#include "host/controls/list_view.h"

namespace {

constexpr int kRounds = 6;
constexpr double kSeconds = 0.25;

double Scroll50(HWND list, HWND form) {
  return bench::MicrosPerCall([&] {
    SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
    for (int i = 0; i < 50; ++i) {
      SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
      UpdateWindow(list);
      UpdateWindow(form);
    }
    SendMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
  }, 1, kSeconds);
}

// Skinning on or off as asked, waiting until the form's skinner runs or is gone.
bool Switch(skin::TSkinData& data, HWND form, bool on) {
  if (data.Active() != on) data.SetActive(on);
  const auto done = [&] {
    const skin::TSkinManage* manager = skin::TSkinManage::Instance();
    const skin::TSkinForm* f = manager ? manager->FindSkinForm(form) : nullptr;
    return on ? f && f->FState == skin::flRunning : !f;
  };
  const bool reached = form_test::PumpUntil(done, 5000);
  form_test::Pump(300);  // control discovery and the first paints
  return reached;
}

}  // namespace

int main() {
  const auto data = form_test::MakeSkinData(form_test::DefaultSkinPackage());
  auto form = form_test::MakeForm(100, 100, 460, 320);
  auto* list = new host::TListView(form.get());
  list->SetParent(form.get());
  list->SetBounds(10, 10, 440, 300);
  list->SetViewStyle(host::vsReport);
  list->Columns()->AddItem().SetCaption("Map");
  list->Columns()->Item(0).SetWidth(200);
  list->Columns()->AddItem().SetCaption("Size");
  for (int i = 0; i < 200; ++i) list->AddItem("map" + std::to_string(i) + ".bsp", {std::to_string(i * 7)});
  form->Show();
  form_test::Pump(500);
  HWND window = form->WindowHandle();
  bool switched = true;
  const auto rows = bench::Interleave(kRounds, 1, [&](bool on) {
    if (!Switch(*data, window, on)) switched = false;
    return std::vector<double>{Scroll50(list->WindowHandle(), window)};
  });
  if (!switched) {
    std::printf("The form was not skinned.\n");
    return 1;
  }
  std::printf("Report list view of 200 rows, skinning off and on:\n");
  bench::PrintHeader("microseconds per call", "off", "on");
  bench::PrintRow("50 rows of scrolling through the bar", rows[0], 1.3);
  data->SetActive(false);
  form_test::Pump(500);
  return 0;
}
