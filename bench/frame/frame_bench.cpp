// Times the skinned frame of a 1024x768 window side by side with the same
// window under the system's own frame: a full frame repaint and a full resize
// cycle; then the launcher's start-up to its first painted frame, skinned and
// with --no-skin, and the memory it holds once shown.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
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
#include "unix_memory.h"

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

// Time spent inside each message of a window, nested messages taken out,
// gathered by hooks around every sent message.
struct MessageClock {
  struct Open {
    UINT msg;
    double start, nested;
  };
  HWND window = nullptr;
  std::vector<Open> open;
  std::map<UINT, double> spent;  // seconds, by message
  std::map<UINT, int> calls;
};
MessageClock* clock_on = nullptr;

LRESULT CALLBACK BeforeMessage(int code, WPARAM wparam, LPARAM lparam) {
  const auto& m = *reinterpret_cast<CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && clock_on && m.hwnd == clock_on->window) clock_on->open.push_back({m.message, Now(), 0});
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK AfterMessage(int code, WPARAM wparam, LPARAM lparam) {
  const auto& m = *reinterpret_cast<CWPRETSTRUCT*>(lparam);
  if (code == HC_ACTION && clock_on && m.hwnd == clock_on->window && !clock_on->open.empty()) {
    const MessageClock::Open o = clock_on->open.back();
    clock_on->open.pop_back();
    const double whole = Now() - o.start;
    clock_on->spent[o.msg] += whole - o.nested;
    ++clock_on->calls[o.msg];
    if (!clock_on->open.empty()) clock_on->open.back().nested += whole;
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

struct PerCycle {
  double micros = 0;
  double calls = 0;
};

// Microseconds per resize cycle inside each message the window is sent, and
// how often it is sent.
std::map<UINT, PerCycle> ResizeMessages(HWND window, int cycles) {
  MessageClock clock;
  clock.window = window;
  const HHOOK before = SetWindowsHookExW(WH_CALLWNDPROC, &BeforeMessage, nullptr, GetCurrentThreadId());
  const HHOOK after = SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterMessage, nullptr, GetCurrentThreadId());
  clock_on = &clock;
  for (int i = 0; i < cycles; ++i) {
    SetWindowPos(window, nullptr, 0, 0, i % 2 ? 1024 : 1000, i % 2 ? 768 : 740, SWP_NOMOVE | SWP_NOZORDER);
    UpdateWindow(window);
  }
  clock_on = nullptr;
  UnhookWindowsHookEx(after);
  UnhookWindowsHookEx(before);
  std::map<UINT, PerCycle> per_cycle;
  for (const auto& [msg, seconds] : clock.spent)
    per_cycle[msg] = {seconds * 1e6 / cycles, static_cast<double>(clock.calls[msg]) / cycles};
  return per_cycle;
}

const char* MessageName(UINT msg) {
  switch (msg) {
    case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
    case WM_NCPAINT: return "WM_NCPAINT";
    case WM_PAINT: return "WM_PAINT";
    case WM_ERASEBKGND: return "WM_ERASEBKGND";
    case WM_SIZE: return "WM_SIZE";
    case WM_MOVE: return "WM_MOVE";
    case WM_WINDOWPOSCHANGING: return "WM_WINDOWPOSCHANGING";
    case WM_WINDOWPOSCHANGED: return "WM_WINDOWPOSCHANGED";
    case WM_GETMINMAXINFO: return "WM_GETMINMAXINFO";
    case WM_NCACTIVATE: return "WM_NCACTIVATE";
    case WM_SETCURSOR: return "WM_SETCURSOR";
    case WM_NCHITTEST: return "WM_NCHITTEST";
    case WM_STYLECHANGING: return "WM_STYLECHANGING";
    case WM_STYLECHANGED: return "WM_STYLECHANGED";
    case WM_GETICON: return "WM_GETICON";
    case WM_GETTEXT: return "WM_GETTEXT";
    case WM_GETTEXTLENGTH: return "WM_GETTEXTLENGTH";
    default: return nullptr;
  }
}

// The messages of a resize cycle, the system's window against the skinned one.
void ResizeMessageTable(HWND system, HWND skinned) {
  BringToFront(system);
  const std::map<UINT, PerCycle> a = ResizeMessages(system, 30);
  BringToFront(skinned);
  const std::map<UINT, PerCycle> b = ResizeMessages(skinned, 30);
  std::map<UINT, std::pair<PerCycle, PerCycle>> both;
  for (const auto& [msg, t] : a) both[msg].first = t;
  for (const auto& [msg, t] : b) both[msg].second = t;
  double total_a = 0, total_b = 0;
  std::printf("Inside the messages of a resize cycle, nested messages taken out, microseconds per cycle\n"
              "(and messages per cycle):\n");
  std::printf("  %-36s %16s %16s\n", "", "system", "skinned");
  for (const auto& [msg, t] : both) {
    total_a += t.first.micros;
    total_b += t.second.micros;
    if (t.first.micros < 20 && t.second.micros < 20) continue;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", msg);
    std::printf("  %-36s %8.0f (%4.1f) %8.0f (%4.1f)\n", MessageName(msg) ? MessageName(msg) : hex, t.first.micros,
                t.first.calls, t.second.micros, t.second.calls);
  }
  std::printf("  %-36s %8.0f        %8.0f\n", "all messages of the window", total_a, total_b);
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
  // A size change composes the borders again, into the pictures they had.
  host::DibBitmap room[] = {host::DibBitmap(f.FBorderLeft, h), host::DibBitmap(f.FBorderRight, h),
                            host::DibBitmap(w, f.FBorderBottom)};
  Part("compose left, right, bottom border, new size", MicrosPerCall([&] {
         f.ComposeBorderInto(1, room[0], f.FBorderLeft, h);
         f.ComposeBorderInto(2, room[1], f.FBorderRight, h);
         f.ComposeBorderInto(4, room[2], w - f.FBorderLeft - f.FBorderRight, f.FBorderBottom);
       }), ncpaint);
  Part("  the same, kept from the last paint", MicrosPerCall([&] {
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
  const double built = MicrosPerCall([&] { f.BuildRegion(w, h); });
  Part("window region built", built, resize);
  Part("  the same, every border scanned whole", MicrosPerCall([&] { f.ScannedRegion(w, h); }), resize);
  // A resize sets the region quietly inside the one frame repaint it gets.
  const double set = MicrosPerCall([&] {
    host::Region copy(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(copy, f.FRegion, nullptr, RGN_COPY);
    if (SetWindowRgn(f.FHandle, copy.get(), FALSE)) f.FRegion = copy.release();
  });
  Part("window region set, without a repaint", set, resize);
  Part("  for scale: a SetWindowPos that changes nothing", MicrosPerCall([&] {
         SetWindowPos(f.FHandle, nullptr, 0, 0, 0, 0,
                      SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
       }), resize);
  Part("frame repaint (WM_NCPAINT)", ncpaint, resize);
  Part("the rest: the system's move, sizes, messages", resize - built - set - ncpaint, resize);
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
    ResizeMessageTable(system.WindowHandle(), form.WindowHandle());
    BringToFront(form.WindowHandle());
    Parts(*skinner, figures);
  }
  skin::TSkinManage::Destroy();
  form_test::Pump(50);
  return true;
}

// Milliseconds from CreateProcess to the launcher's caption bar showing on
// the screen: its middle pixel differs from the empty desktop's. With
// `memory` (two entries), the launcher's memory is read twice after that.
double StartUp(const wchar_t* arguments, UnixMemory* memory = nullptr) {
  HDC screen = GetDC(nullptr);
  std::wstring command = L"\"" + std::wstring(BRINDLE_LAUNCHER_W) + L"\" " + arguments;
  STARTUPINFOW si{sizeof(si)};
  PROCESS_INFORMATION pi{};
  const double start = Now();
  // Started in its own folder, as a user starts it, beside its language files.
  std::wstring folder = BRINDLE_LAUNCHER_W;
  folder.resize(folder.find_last_of(L"\\/"));
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
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
  // Read one second after the caption showed, and again once settled.
  if (memory && shown >= 0) {
    const wchar_t* marker = arguments[0] ? arguments : L"BrindleLauncher.exe";
    Sleep(1000);
    memory[0] = UnixMemoryOf(L"BrindleLauncher.exe", marker);
    Sleep(3000);
    memory[1] = UnixMemoryOf(L"BrindleLauncher.exe", marker);
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

  // The median of a few runs each: memory settles the same way every time.
  std::vector<double> figures[2][2][2];  // [skinned][settled][committed, resident]
  for (int round = 0; round < 3; ++round)
    for (const int skinned : {0, 1}) {
      UnixMemory m[2];
      if (StartUp(skinned ? L"" : L"--no-skin", m) < 0 || !m[0].found || !m[1].found) continue;
      for (int settled : {0, 1}) {
        figures[skinned][settled][0].push_back(static_cast<double>(m[settled].committed) / (1 << 20));
        figures[skinned][settled][1].push_back(static_cast<double>(m[settled].resident) / (1 << 20));
      }
    }
  if (figures[0][0][0].empty() || figures[1][0][0].empty()) return 0;
  const auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  std::printf("\nThe launcher's memory, MiB, median of %zu runs:\n", figures[1][0][0].size());
  std::printf("  %-34s %10s %10s %10s   goal\n", "", "--no-skin", "skinned", "more");
  const char* rows[2][2] = {{"committed, 1 s after showing", "resident, 1 s after showing"},
                            {"committed, 4 s after showing", "resident, 4 s after showing"}};
  for (int settled : {0, 1})
    for (int kind : {0, 1}) {
      const double off = median(figures[0][settled][kind]), on = median(figures[1][settled][kind]);
      std::printf("  %-34s %10.1f %10.1f %10.1f   %s\n", rows[settled][kind], off, on, on - off,
                  kind == 0 ? "at most 8" : "");
    }
  skin::FreeScratchBitmap();
  return 0;
}
