#pragma once
// Putting a handler of our own in front of a window's procedure, and taking
// it away again without harming anyone who came after us.
//
// Each installation gets a procedure address of its own (a small thunk), so a
// later subclasser that saved our address keeps a working link. Taking the
// handler away gives the window its previous procedure back only while ours
// is still the window's procedure; otherwise the link stays in the chain as a
// pass-through to the previous procedure until the window is destroyed. A
// link is never freed while its handler runs.
#include <windows.h>

#include <functional>
#include <memory>

#include "host/controls/message.h"

namespace host {

class TControl;

class WindowSubclass {
public:
  // The handler sees every message; it calls CallPrevious for the window's own handling.
  using Handler = std::function<LRESULT(UINT msg, WPARAM wparam, LPARAM lparam)>;

  WindowSubclass() = default;
  ~WindowSubclass() { Remove(); }
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // unicode selects the W or A forms of GetWindowLong/SetWindowLong and
  // CallWindowProc, as the window was made. False when the window is gone.
  bool Install(HWND window, Handler handler, bool unicode);
  // Safe from inside the handler, and when the window is already gone.
  void Remove() noexcept;
  bool Installed() const noexcept { return link_ != nullptr; }
  HWND Window() const noexcept;
  // The procedure we run in front of.
  WNDPROC Previous() const noexcept;
  // Our own procedure address for this installation.
  WNDPROC Procedure() const noexcept;
  LRESULT CallPrevious(UINT msg, WPARAM wparam, LPARAM lparam) const;

  struct Link;

private:
  Link* link_ = nullptr;
};

// The same for a host control's window-procedure slot: the slot gets a
// forwarder of ours; Remove puts the previous method back while the slot
// still holds our forwarder, and otherwise turns the forwarder into a
// pass-through that lives as long as whoever holds it.
class SlotHook {
public:
  SlotHook() = default;
  ~SlotHook() { Remove(); }
  SlotHook(const SlotHook&) = delete;
  SlotHook& operator=(const SlotHook&) = delete;

  void Install(TControl& control, WndMethod handler);
  void Remove() noexcept;
  bool Installed() const noexcept { return link_ != nullptr; }
  void CallPrevious(TMessage& m) const;
  // The control went away without us: nothing to give back.
  void Forget() noexcept;

  struct Link;

private:
  std::shared_ptr<Link> link_;
  TControl* control_ = nullptr;
};

}  // namespace host
