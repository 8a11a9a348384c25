#pragma once
#include <windows.h>

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

// Framework notifications a form receives: an Alt+key that its controls did
// not take (wParam and lParam of the WM_SYSCHAR; a non-zero result consumes
// the key), and a change of its menu.
constexpr UINT CM_DIALOGCHAR = 0xB006;
constexpr UINT CM_MENUCHANGED = 0xB015;

}  // namespace host
