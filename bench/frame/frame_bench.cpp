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

using bench::MicrosPerCall;
using bench::Now;

struct Figures {
  double ncpaint = 0;  // WM_NCPAINT for the whole window: the frame alone
  double repaint = 0;  // RedrawWindow of frame and client
  double resize = 0;          // SetWindowPos to another size and its repaint
};

Figures Measure(HWND window) {
  Figures f;
  f.ncpaint = MicrosPerCall([&] { SendMessageW(window, WM_NCPAINT, 1, 0); });
  f.repaint = MicrosPerCall([&] { RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); });
  bool small = false;
  f.resize = MicrosPerCall([&] {
    small = !small;
    SetWindowPos(window, nullptr, 0, 0, small ? 1000 : 1024, small ? 740 : 768, SWP_NOMOVE | SWP_NOZORDER);
    UpdateWindow(window);
  });
  SetWindowPos(window, nullptr, 0, 0, 1024, 768, SWP_NOMOVE | SWP_NOZORDER);
  return f;
}

class BenchForm : public host::TForm {
public:
  BenchForm() : host::TForm(nullptr) {}
  static const host::ClassInfo& Info() {
    static const host::ClassInfo info{"TBenchForm", &host::TForm::Info(), {}};
    return info;
  }
  const host::ClassInfo& Class() const override { return Info(); }
};

// The same window before any skin exists: the system's own frame.
Figures SystemFrame() {
  BenchForm form;
  form.SetCaption("Frame benchmark");
  form.SetBounds(0, 0, 1024, 768);
  form.Show();
  form_test::Pump(200);
  return Measure(form.WindowHandle());
}

// Where a frame repaint of the skinned window goes.
void Parts(skin::TSkinForm& f) {
  const int w = 1024, h = 768;
  const RECT caption{f.FBorderLeft, 0, w - f.FBorderRight, f.FBorderTop};
  host::Canvas& canvas = f.FCaptionBitmap.GetCanvas();
  HDC window = GetWindowDC(f.FHandle);
  std::printf("Parts of a frame repaint and of a resize, microseconds per call:\n");
  std::printf("  compose left, right, bottom border    %8.0f\n", MicrosPerCall([&] {
                f.ComposeBorder(1, f.FBorderLeft, h);
                f.ComposeBorder(2, f.FBorderRight, h);
                f.ComposeBorder(4, w - f.FBorderLeft - f.FBorderRight, f.FBorderBottom);
              }));
  std::printf("  caption element into the caption bar  %8.0f\n",
              MicrosPerCall([&] { f.PaintBorder(3, caption, f.FCaptionBitmap.Dc()); }));
  std::printf("  caption text                          %8.0f\n",
              MicrosPerCall([&] { f.PaintCaptionText(canvas, caption); }));
  std::printf("  caption buttons, layout and paint     %8.0f\n", MicrosPerCall([&] {
                f.LayoutButtons();
                f.PaintButtons(f.FCaptionBitmap);
              }));
  std::printf("  caption bar from and to the window    %8.0f\n", MicrosPerCall([&] {
                BitBlt(f.FCaptionBitmap.Dc(), 0, 0, w, f.FBorderTop, window, 0, 0, SRCCOPY);
                BitBlt(window, 0, 0, w, f.FBorderTop, f.FCaptionBitmap.Dc(), 0, 0, SRCCOPY);
              }));
  ReleaseDC(f.FHandle, window);
  std::printf("  window region, rebuilt                %8.0f\n", MicrosPerCall([&] {
                f.FRgnWidth = 0;
                f.UpdateRegion();
              }));
}

std::unique_ptr<skin::TSkinData> DefaultSkin() { return form_test::MakeSkinData(form_test::DefaultSkinPackage()); }

Figures SkinnedFrame() {
  const auto data = DefaultSkin();
  if (data->SkinMissing()) {
    std::printf("the default skin was not loaded: %s\n", data->RefusalReason().c_str());
    return {};
  }
  Figures f;
  {
    BenchForm form;
    form.SetCaption("Frame benchmark");
    form.SetBounds(0, 0, 1024, 768);
    form.Show();
    skin::TSkinForm* skinner = nullptr;
    for (int i = 0; i < 300 && !(skinner && skinner->FState == skin::flRunning); ++i) {
      form_test::Pump(10);
      skinner = skin::TSkinManage::Instance()->FindSkinForm(form.WindowHandle());
    }
    if (!skinner) {
      std::printf("the window was not skinned\n");
      return {};
    }
    SetWindowPos(form.WindowHandle(), nullptr, 0, 0, 1024, 768, SWP_NOMOVE | SWP_NOZORDER);
    form_test::Pump(100);
    f = Measure(form.WindowHandle());
    Parts(*skinner);
  }
  skin::TSkinManage::Destroy();
  form_test::Pump(50);
  return f;
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

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main() {
  skin::CreateScratchBitmap();
  const Figures system = SystemFrame();
  const Figures skinned = SkinnedFrame();
  std::printf("A 1024x768 window, microseconds per call (ratio skinned / system):\n");
  std::printf("%-42s %10s %10s %7s\n", "", "system", "skinned", "ratio");
  std::printf("%-42s %10.0f %10.0f %7.2f\n", "frame repaint, WM_NCPAINT", system.ncpaint, skinned.ncpaint,
              skinned.ncpaint / system.ncpaint);
  std::printf("%-42s %10.0f %10.0f %7.2f\n", "frame repaint, RedrawWindow (frame + client)", system.repaint,
              skinned.repaint, skinned.repaint / system.repaint);
  std::printf("%-42s %10.0f %10.0f %7.2f\n", "resize cycle, SetWindowPos + UpdateWindow", system.resize,
              skinned.resize, skinned.resize / system.resize);

  std::vector<double> plain, skinned_start;
  for (int i = 0; i < 5; ++i) {
    plain.push_back(StartUp(L"--no-skin"));
    skinned_start.push_back(StartUp(L""));
  }
  const double a = Median(plain), b = Median(skinned_start);
  std::printf("(the system column is the same host form before any skin exists)\n");
  std::printf("launcher start-up to its painted caption, ms (median of 5): %.0f with --no-skin, %.0f skinned, ratio %.2f\n",
              a, b, a > 0 ? b / a : 0);
  skin::FreeScratchBitmap();
  return 0;
}
