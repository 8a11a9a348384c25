#pragma once
// A user at the shared virtual desktop: real mouse and keyboard input through
// SendInput, reaching whichever program's window lies under the cursor or has
// the focus, exactly as a person's input would. Geometry is read from outside
// the program, in screen coordinates.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tour {

bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 5000);

// Waits for the program to handle what it was sent, then a little for the
// repaints that follow.
void Settle(HWND window);

void MoveTo(POINT p);
void Click(POINT p);
void RightClick(POINT p);
void DoubleClick(POINT p);
// Presses at `from`, moves in steps to `to` and releases there.
void Drag(POINT from, POINT to);
// Presses at `p` and holds the button `held_ms` before releasing.
void Hold(POINT p, int held_ms);

// Presses the keys in order and releases them in reverse (a chord: Ctrl, A).
void Keys(std::initializer_list<WORD> chord);
void Type(std::wstring_view text);
// Holds a key (Ctrl, Shift) down while `gesture` runs.
void WithKey(WORD vk, const std::function<void()>& gesture);

// Another program's window as seen from outside: its class, and its text
// (WM_GETTEXT, which another process's edit answers).
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);

// The window with the keyboard focus in the thread of `window`.
HWND Focus(HWND window);

RECT ScreenRect(HWND window);
RECT ClientScreenRect(HWND window);
POINT Centre(const RECT& r);

// The non-client vertical scroll bar of a window (beside its client area),
// as screen rectangles of the bar, its two arrows and the track between them.
struct BarGeometry {
  RECT bar, first_arrow, second_arrow, track;
};
// From the window's client area and the system's metrics and scroll state, as
// the system lays out its bar; `vertical` false for the horizontal bar below.
BarGeometry NonClientBar(HWND window, bool vertical);
// The same for a scroll-bar control filling its window.
BarGeometry ControlBar(HWND bar);

// The user's four ways of scrolling with a bar, each judged by `position`
// (a list's top line, a bar's position) once the program has settled: the
// thumb dragged from the start, the second arrow, the track after the thumb,
// the first arrow.
void ExpectScrolling(const BarGeometry& bar, const std::function<LRESULT()>& position);

// Drags a top-level window by its caption so that its top-left lands `by`
// further; true when the window moved there.
bool DragByCaption(HWND window, POINT by);

// Names the step of a tour that a failure belongs to (the last one named).
class Steps {
public:
  void operator()(const char* what) {
    now_.reset();
    now_.emplace(__FILE__, __LINE__, what);
  }

private:
  std::optional<testing::ScopedTrace> now_;
};

// A value of the program's state once it has stopped changing (the program
// may still be working through the input it was sent).
LRESULT Steady(const std::function<LRESULT()>& read);

}  // namespace tour
