// Skinning many windows over and over gives back every handle the engine
// takes, and memory settles. Wine reports no GUI resource counts, so the
// engine's own handle wrappers keep the count.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "form_test_support.h"
#include "host/dialogs/open_dialog.h"
#include "host/gdi/handles.h"
#include "skin/form/engine_messages.h"

using namespace form_test;
using namespace skin;

namespace {

struct Census {
  long gdi = host::HandleCensus::gdi;
  long user = host::HandleCensus::user;
};

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;  // the committed private memory
}

// Cancels every open dialog of this process as soon as it is skinned, and
// counts the dialogs that answered the skinned query.
class DialogCanceller {
public:
  DialogCanceller() : thread_([this] { Run(); }) {}
  ~DialogCanceller() {
    stop_ = true;
    thread_.join();
  }
  int Skinned() const { return skinned_; }

private:
  void Run() {
    for (; !stop_; Sleep(5)) {
      const HWND w = FindProcessWindow(L"#32770");
      if (!w || SendMessageW(w, kSkinnedQuery, 0, 0) != 1) continue;  // the skinner comes at activation
      ++skinned_;
      SendMessageW(w, WM_COMMAND, IDCANCEL, 0);
    }
  }

  std::atomic<bool> stop_{false};
  std::atomic<int> skinned_{0};
  std::thread thread_;
};

using ReliabilityTest = SkinnedTest;

TEST_F(ReliabilityTest, TheSkinnedOpenDialogTwoHundredTimes) {
  auto form = MakeForm(100, 100, 320, 180);
  ShowSkinned(*form);
  host::TOpenDialog dialog(form.get());
  dialog.SetTitle("Open");
  DialogCanceller canceller;
  // The first rounds let the skin's pictures make the DCs they keep for good
  // (each picture makes its own the first time it is drawn in any state).
  for (int i = 0; i < 5; ++i) {
    EXPECT_FALSE(dialog.Execute());
    Pump(20);
  }
  Manager().SkinWindow(form->WindowHandle());
  const Census start;
  SIZE_T after_warm_up = 0;
  constexpr int kRounds = 200;
  for (int i = 1; i < kRounds; ++i) {
    EXPECT_FALSE(dialog.Execute());
    Pump(1);
    if (i == 19) after_warm_up = PrivateBytes();
  }
  Pump(20);
  Manager().SkinWindow(form->WindowHandle());  // purges the dialogs' final skinners
  const Census end;
  const SIZE_T after_all = PrivateBytes();
  std::printf("open dialog x%d: skinned %d, GDI handles %ld -> %ld, USER handles %ld -> %ld, private bytes %zu -> %zu\n",
              kRounds, canceller.Skinned(), start.gdi, end.gdi, start.user, end.user,
              static_cast<size_t>(after_warm_up), static_cast<size_t>(after_all));
  EXPECT_EQ(canceller.Skinned(), kRounds + 4);  // four more warm-up rounds
  EXPECT_EQ(end.gdi, start.gdi);
  EXPECT_EQ(end.user, start.user);
  EXPECT_EQ(Manager().SkinForms.size(), 1u);
  // Settled: the last 180 rounds add less than 40 KiB a round would.
  EXPECT_LT(after_all, after_warm_up + 180 * 40 * 1024);
}

TEST_F(ReliabilityTest, SwitchingSkinningOffAndOnAHundredTimes) {
  auto first = MakeForm(100, 100, 320, 180);
  auto second = MakeForm(200, 150, 240, 120);
  ShowSkinned(*first);
  ShowSkinned(*second);
  const Census start;
  SIZE_T after_warm_up = 0;
  constexpr int kRounds = 100;
  for (int i = 0; i < kRounds; ++i) {
    // The action timer's quarter second is shortened: the path is the same.
    data_->SetActive(false);
    Manager().ActionTimer.SetInterval(1);
    ASSERT_TRUE(PumpUntil([&] { return Manager().SkinForms.empty(); })) << i;
    data_->SetActive(true);
    Manager().ActionTimer.SetInterval(1);
    ASSERT_TRUE(PumpUntil([&] {
      TSkinForm* a = Manager().FindSkinForm(first->WindowHandle());
      TSkinForm* b = Manager().FindSkinForm(second->WindowHandle());
      return a && b && a->FState == flRunning && b->FState == flRunning;
    })) << i;
    if (i == 9) after_warm_up = PrivateBytes();
  }
  const Census end;
  const SIZE_T after_all = PrivateBytes();
  std::printf("skinning off/on x%d: GDI handles %ld -> %ld, USER handles %ld -> %ld, private bytes %zu -> %zu\n", kRounds,
              start.gdi, end.gdi, start.user, end.user, static_cast<size_t>(after_warm_up),
              static_cast<size_t>(after_all));
  EXPECT_EQ(end.gdi, start.gdi);
  EXPECT_EQ(end.user, start.user);
  EXPECT_LT(after_all, after_warm_up + 90 * 40 * 1024);
}

}  // namespace
