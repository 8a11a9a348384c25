// Times the skinned frame of a 1024x768 window side by side with the same
// window under the system's own frame: a full frame repaint and a full resize
// cycle; then the launcher's start-up to its first painted frame, skinned and
// with --no-skin.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "bench/gdi_timing.h"
#include "form_test_support.h"
#include "host/controls/form.h"
#include "host/graphics/canvas.h"
#include "skin/data/skin_data.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"

namespace {

using bench::Comparison;
using bench::Interleave;
using bench::MicrosPerCall;
using bench::Now;

constexpr int kRounds = 15;
constexpr double kSeconds = 0.06;

class BenchForm : public host::TForm {
public:
  BenchForm() : host::TForm(nullptr) {}
  static const host::ClassInfo& Info() {
    static const host::ClassInfo info{"TBenchForm", &host::TForm::Info(), {}};
    return info;
  }
  const host::ClassInfo& Class() const override { return Info(); }
};

// The two windows take turns in front, each measured whole and on top.
void BringToFront(HWND window) {
  SetWindowPos(window, HWND_TOP, 0, 0, 1024, 768, SWP_SHOWWINDOW);
  SetForegroundWindow(window);
  form_test::Pump(15);
}

struct Figures {
  Comparison ncpaint;  // WM_NCPAINT for the whole window: the frame alone
  Comparison repaint;  // RedrawWindow of frame and client
  Comparison resize;   // SetWindowPos to another size and its repaint
};

Figures Measure(HWND system, HWND skinned) {
  const auto compare = [&](const std::function<void(HWND)>& step) {
    return Interleave(kRounds, [&](bool subject) {
      const HWND window = subject ? skinned : system;
      BringToFront(window);
      return MicrosPerCall([&] { step(window); }, 1, kSeconds);
    });
  };
  Figures f;
  f.ncpaint = compare([](HWND w) { SendMessageW(w, WM_NCPAINT, 1, 0); });
  f.repaint = compare([](HWND w) { RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); });
  bool small = false;
  f.resize = compare([&](HWND w) {
    small = !small;
    SetWindowPos(w, nullptr, 0, 0, small ? 1000 : 1024, small ? 740 : 768, SWP_NOMOVE | SWP_NOZORDER);
    UpdateWindow(w);
  });
  return f;
}

void Part(const char* what, double micros, double whole) {
  std::printf("  %-46s %8.0f %6.0f%%\n", what, micros, whole > 0 ? 100 * micros / whole : 0);
}

// Where a frame repaint and a resize cycle of the skinned window go, each
// part against the median of the whole.
void Parts(skin::TSkinForm& f, const Figures& figures) {
  const int w = 1024, h = 768;
  const RECT caption{f.FBorderLeft, 0, w - f.FBorderRight, f.FBorderTop};
  host::Canvas& canvas = f.FCaptionBitmap.GetCanvas();
  HDC window = GetWindowDC(f.FHandle);
  const double ncpaint = figures.ncpaint.subject.median;
  std::printf("Parts of a frame repaint (WM_NCPAINT, %.0f), microseconds per call and share:\n", ncpaint);
  Part("compose left, right, bottom border", MicrosPerCall([&] {
         f.ComposeBorder(1, f.FBorderLeft, h);
         f.ComposeBorder(2, f.FBorderRight, h);
         f.ComposeBorder(4, w - f.FBorderLeft - f.FBorderRight, f.FBorderBottom);
       }), ncpaint);
  Part("  the same through PaintBorder", MicrosPerCall([&] {
         f.PaintBorder(1, {0, 0, f.FBorderLeft, h}, f.FCaptionBitmap.Dc());
         f.PaintBorder(2, {0, 0, f.FBorderRight, h}, f.FCaptionBitmap.Dc());
         f.PaintBorder(4, {0, 0, w - f.FBorderLeft - f.FBorderRight, f.FBorderBottom}, f.FCaptionBitmap.Dc());
       }), ncpaint);
  Part("caption element into the caption bar", MicrosPerCall([&] { f.PaintBorder(3, caption, f.FCaptionBitmap.Dc()); }),
       ncpaint);
  Part("caption text", MicrosPerCall([&] { f.PaintCaptionText(canvas, caption); }), ncpaint);
  Part("caption buttons, layout and paint", MicrosPerCall([&] {
         f.LayoutButtons();
         f.PaintButtons(f.FCaptionBitmap);
       }), ncpaint);
  Part("caption bar from and to the window", MicrosPerCall([&] {
         BitBlt(f.FCaptionBitmap.Dc(), 0, 0, w, f.FBorderTop, window, 0, 0, SRCCOPY);
         BitBlt(window, 0, 0, w, f.FBorderTop, f.FCaptionBitmap.Dc(), 0, 0, SRCCOPY);
       }), ncpaint);
  ReleaseDC(f.FHandle, window);

  const double resize = figures.resize.subject.median;
  std::printf("Parts of a resize cycle (%.0f), microseconds per call and share:\n", resize);
  const double built = MicrosPerCall([&] {
    f.FRgnWidth = 0;
    f.UpdateRegion();
    UpdateWindow(f.FHandle);
  });
  Part("window region rebuilt and set, and its repaint", built, resize);
  Part("  of which the frame repaint (WM_NCPAINT)", ncpaint, resize);
  Part("the rest: the system's move, sizes, messages", resize - built, resize);
}

std::unique_ptr<skin::TSkinData> DefaultSkin() { return form_test::MakeSkinData(form_test::DefaultSkinPackage()); }

void ShowForm(BenchForm& form) {
  form.SetCaption("Frame benchmark");
  form.SetBounds(0, 0, 1024, 768);
  form.Show();
}

// The same host form twice: one left to the system (the manager passes over
// forms tagged 99), one skinned.
bool FrameFigures(Figures& figures) {
  BenchForm system;
  system.SetTag(99);
  ShowForm(system);
  form_test::Pump(200);
  const auto data = DefaultSkin();
  if (data->SkinMissing()) {
    std::printf("the default skin was not loaded: %s\n", data->RefusalReason().c_str());
    return false;
  }
  {
    BenchForm form;
    ShowForm(form);
    skin::TSkinForm* skinner = nullptr;
    for (int i = 0; i < 300 && !(skinner && skinner->FState == skin::flRunning); ++i) {
      form_test::Pump(10);
      skinner = skin::TSkinManage::Instance()->FindSkinForm(form.WindowHandle());
    }
    if (!skinner || skin::TSkinManage::Instance()->FindSkinForm(system.WindowHandle())) {
      std::printf("the window was not skinned, or the system's was\n");
      return false;
    }
    figures = Measure(system.WindowHandle(), form.WindowHandle());
    BringToFront(form.WindowHandle());
    Parts(*skinner, figures);
  }
  skin::TSkinManage::Destroy();
  form_test::Pump(50);
  return true;
}

// Milliseconds from CreateProcess to the launcher's caption bar showing on
// the screen: its middle pixel differs from the empty desktop's.
double StartUp(const wchar_t* arguments) {
  HDC screen = GetDC(nullptr);
  std::wstring command = L"\"" + std::wstring(BRINDLE_LAUNCHER_W) + L"\" " + arguments;
  STARTUPINFOW si{sizeof(si)};
  PROCESS_INFORMATION pi{};
  const double start = Now();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ReleaseDC(nullptr, screen);
    return -1;
  }
  double shown = -1;
  while (Now() - start < 20) {
    HWND window = FindWindowW(L"TForm1", nullptr);
    RECT r;
    if (window && IsWindowVisible(window) && GetWindowRect(window, &r) && r.right > r.left) {
      const COLORREF desktop = GetPixel(screen, 2, 2);
      if (GetPixel(screen, (r.left + r.right) / 2, r.top + 4) != desktop) {
        shown = (Now() - start) * 1000;
        break;
      }
    }
    Sleep(1);
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  ReleaseDC(nullptr, screen);
  Sleep(300);
  return shown;
}

}  // namespace

int main() {
  skin::CreateScratchBitmap();
  Figures f;
  if (!FrameFigures(f)) return 1;
  std::printf("\nA 1024x768 window, the system's frame against the skinned one, same host form:\n");
  bench::PrintHeader("microseconds per call", "system", "skinned");
  bench::PrintRow("frame repaint, WM_NCPAINT", f.ncpaint, 1.0);
  bench::PrintRow("frame repaint, RedrawWindow (frame + client)", f.repaint);
  bench::PrintRow("resize cycle, SetWindowPos + UpdateWindow", f.resize, 1.3);

  // Each start-up is one sample; a dozen rounds alternate the two.
  const Comparison start = Interleave(12, [](bool skinned) { return StartUp(skinned ? L"" : L"--no-skin"); });
  bench::PrintHeader("launcher start-up to its painted caption, milliseconds", "--no-skin", "skinned");
  bench::PrintRow("start-up", start, 1.03);
  skin::FreeScratchBitmap();
  return 0;
}
