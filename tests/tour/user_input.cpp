#include "user_input.h"

#include <algorithm>
#include <vector>

namespace tour {
namespace {

constexpr int kStepPause = 30;  // between the parts of a gesture, as a hand is slower than a program

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT Mouse(DWORD flags, POINT p = {}) {
  INPUT in{INPUT_MOUSE};
  // Absolute coordinates run from 0 to 65535 over the screen; the middle of each pixel.
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = static_cast<LONG>((p.x * 65536LL + cx - 1) / cx);
  in.mi.dy = static_cast<LONG>((p.y * 65536LL + cy - 1) / cy);
  in.mi.dwFlags = flags | (flags & MOUSEEVENTF_MOVE ? MOUSEEVENTF_ABSOLUTE : 0);
  return in;
}

INPUT Key(WORD vk, bool up) {
  INPUT in{INPUT_KEYBOARD};
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

// Waits until the program under the point has taken all input sent to it so
// far, so that a click is not judged before the program has seen it.
void Idle(POINT p) {
  DWORD pid = 0;
  GetWindowThreadProcessId(WindowFromPoint(p), &pid);
  if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid)) {
    WaitForInputIdle(process, 3000);
    CloseHandle(process);
  }
}

void Button(POINT p, DWORD down, DWORD up, int held_ms = kStepPause) {
  MoveTo(p);
  Idle(p);
  Send({Mouse(down)});
  Sleep(held_ms);
  Send({Mouse(up)});
  Sleep(kStepPause);
  Idle(p);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int timeout_ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
  while (!done()) {
    if (GetTickCount64() > end) return false;
    Sleep(20);
  }
  return true;
}

void Settle(HWND window) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
  Sleep(100);
}

// The display reports the pointer's moves back to the system some time later;
// a late report can put the cursor back where it was. A hand on the mouse
// looks where the pointer is before it presses: so does this.
void MoveTo(POINT p) {
  const auto there = [&] {
    POINT c{};
    GetCursorPos(&c);
    return c.x == p.x && c.y == p.y;
  };
  for (int attempt = 0; attempt < 5; ++attempt) {
    Send({Mouse(MOUSEEVENTF_MOVE, p)});
    int still = 0;
    for (int i = 0; i < 10 && still < 3; ++i) {
      Sleep(kStepPause / 3);
      still = there() ? still + 1 : 0;
    }
    if (still >= 3) return;
  }
}

void Click(POINT p) { Button(p, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }
void RightClick(POINT p) { Button(p, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }
void Hold(POINT p, int held_ms) { Button(p, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, held_ms); }

void DoubleClick(POINT p) {
  MoveTo(p);
  Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP), Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
  Sleep(kStepPause);
}

// A press that starts a loop of the system's (moving a window, tracking a
// scroll bar) takes the mouse: the program is followed only once it has.
bool Tracking(DWORD thread) {
  GUITHREADINFO info{sizeof(info)};
  return GetGUIThreadInfo(thread, &info) && (info.hwndCapture || (info.flags & GUI_INMOVESIZE));
}

void Drag(POINT from, POINT to) {
  const DWORD thread = GetWindowThreadProcessId(WindowFromPoint(from), nullptr);
  MoveTo(from);
  Send({Mouse(MOUSEEVENTF_LEFTDOWN)});
  WaitUntil([&] { return Tracking(thread); }, 3000);
  constexpr int kSteps = 8;
  for (int i = 1; i <= kSteps; ++i) MoveTo({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
  Sleep(kStepPause * 3);
  Send({Mouse(MOUSEEVENTF_LEFTUP)});
  WaitUntil([&] { return !Tracking(thread); }, 3000);
}

void Keys(std::initializer_list<WORD> chord) {
  std::vector<INPUT> in;
  for (WORD k : chord) in.push_back(Key(k, false));
  for (auto it = chord.end(); it != chord.begin();) in.push_back(Key(*--it, true));
  Send(in);
  Sleep(kStepPause * 3);
}

void Type(std::wstring_view text) {
  std::vector<INPUT> in;
  for (wchar_t c : text) {
    INPUT down{INPUT_KEYBOARD};
    down.ki.wScan = c;
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags |= KEYEVENTF_KEYUP;
    in.push_back(down);
    in.push_back(up);
  }
  Send(in);
  Sleep(kStepPause * 3);
}

void WithKey(WORD vk, const std::function<void()>& gesture) {
  Send({Key(vk, false)});
  gesture();
  Send({Key(vk, true)});
  Sleep(kStepPause);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

HWND Focus(HWND window) {
  GUITHREADINFO info{sizeof(info)};
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT ClientScreenRect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

namespace {

BarGeometry Split(RECT bar, bool vertical, int arrow) {
  BarGeometry g{bar, bar, bar, {}};
  if (vertical) {
    g.first_arrow.bottom = bar.top + arrow;
    g.second_arrow.top = bar.bottom - arrow;
    g.track = {bar.left, g.first_arrow.bottom, bar.right, g.second_arrow.top};
  } else {
    g.first_arrow.right = bar.left + arrow;
    g.second_arrow.left = bar.right - arrow;
    g.track = {g.first_arrow.right, bar.top, g.second_arrow.left, bar.bottom};
  }
  return g;
}

}  // namespace

BarGeometry NonClientBar(HWND window, bool vertical) {
  const RECT client = ClientScreenRect(window);
  if (vertical) {
    const RECT bar{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
    return Split(bar, true, GetSystemMetrics(SM_CYVSCROLL));
  }
  const RECT bar{client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
  return Split(bar, false, GetSystemMetrics(SM_CXHSCROLL));
}

BarGeometry ControlBar(HWND bar) {
  const bool vertical = (GetWindowLongW(bar, GWL_STYLE) & SBS_VERT) != 0;
  const RECT r = ScreenRect(bar);
  const int length = vertical ? r.bottom - r.top : r.right - r.left;
  const int arrow = std::min(GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL), length / 2);
  return Split(r, vertical, arrow);
}

void ExpectScrolling(const BarGeometry& g, const std::function<LRESULT()>& position) {
  const bool vertical = g.first_arrow.bottom < g.bar.bottom;
  const auto along = [&](int offset, int from) {
    const POINT c = Centre(g.bar);
    return vertical ? POINT{c.x, from + offset} : POINT{from + offset, c.y};
  };
  const int start = vertical ? g.track.top : g.track.left, end = vertical ? g.track.bottom : g.track.right;
  const auto settled = [&] { return Steady(position); };
  ASSERT_EQ(settled(), 0) << "the bar starts at its beginning";
  Drag(along(3, start), along(43, start));
  const LRESULT dragged = settled();
  EXPECT_GT(dragged, 3) << "the thumb dragged 40 pixels scrolls";
  Click(Centre(g.second_arrow));
  EXPECT_EQ(settled(), dragged + 1) << "the second arrow scrolls one step";
  Click(along(-4, end));
  const LRESULT paged = settled();
  EXPECT_GT(paged, dragged + 3) << "the track after the thumb scrolls a page";
  Click(Centre(g.first_arrow));
  EXPECT_EQ(settled(), paged - 1) << "the first arrow scrolls one step back";
}

bool DragByCaption(HWND window, POINT by) {
  const RECT before = ScreenRect(window);
  // Inside the caption: below the top border, left of the caption buttons.
  const POINT grip{before.left + (before.right - before.left) / 3, before.top + GetSystemMetrics(SM_CYFRAME) + 6};
  // A click on the caption first brings the window to the front, as a user's would.
  Click(grip);
  WaitUntil([&] { return GetForegroundWindow() == window; });
  Sleep(GetDoubleClickTime());
  Drag(grip, {grip.x + by.x, grip.y + by.y});
  Settle(window);
  return WaitUntil([&] {
    const RECT after = ScreenRect(window);
    return after.left == before.left + by.x && after.top == before.top + by.y;
  }, 2000);
}

LRESULT Steady(const std::function<LRESULT()>& read) {
  LRESULT value = read();
  for (int still = 0, rounds = 0; still < 4 && rounds < 100; ++rounds) {
    Sleep(50);
    const LRESULT now = read();
    still = now == value ? still + 1 : 0;
    value = now;
  }
  return value;
}

}  // namespace tour
