#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

namespace host {

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result = 0;
};

// A control's window-procedure slot: whoever takes it over keeps the previous
// value, forwards to it, and puts it back when done.
using WndMethod = std::function<void(TMessage&)>;

// Notifications a parent receives from a child (WM_COMMAND, WM_NOTIFY, ...) are
// sent on to the child's own object as CN_BASE + the message.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;

// Framework notifications a control receives through its slot.
constexpr UINT CM_DIALOGKEY = 0xB005;       // Enter or Escape for the form's default or cancel button
// An Alt+key that the form's controls did not take (wParam and lParam of the
// WM_SYSCHAR; a non-zero result consumes the key).
constexpr UINT CM_DIALOGCHAR = 0xB006;
constexpr UINT CM_FOCUSCHANGED = 0xB007;    // the focus moved to another control of the form (lParam)
constexpr UINT CM_VISIBLECHANGED = 0xB00B;  // wParam: the new visibility
constexpr UINT CM_ENABLEDCHANGED = 0xB00C;
// The mouse came onto or left the control; lParam is the control.
constexpr UINT CM_MOUSEENTER = 0xB013;
constexpr UINT CM_MOUSELEAVE = 0xB014;
constexpr UINT CM_MENUCHANGED = 0xB015;     // the form's menu changed
constexpr UINT CM_EXIT = 0xB01B;            // the control has lost the keyboard focus
constexpr UINT CM_RELEASE = 0xB021;         // the control is going away
constexpr UINT CM_RECREATEWND = 0xB033;     // the control's window is made anew
constexpr UINT CM_CHECKCHANGED = 0xB0D0;    // a check box's or radio button's state was set from code
constexpr UINT CM_PARENTRESIZED = 0xB0D1;   // the parent's client area changed size

// Mouse buttons and the shift state of mouse events.
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftState : std::uint32_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
// The shift state of a mouse message's key flags (its wParam).
inline std::uint32_t ShiftFromKeys(WPARAM keys) {
  std::uint32_t shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

}  // namespace host
