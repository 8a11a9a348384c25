#include "host/controls/subclass.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "host/controls/control.h"

namespace host {
namespace {

// The window handle argument becomes the link, so every installation has a
// procedure of its own: x86 replaces the first stack argument, x64 the first
// register argument.
#pragma pack(push, 1)
#if defined(__x86_64__)
struct Thunk {
  std::uint8_t mov_rcx[2];  // mov rcx, link
  std::uint64_t link;
  std::uint8_t mov_rax[2];  // mov rax, target
  std::uint64_t target;
  std::uint8_t jmp_rax[2];  // jmp rax

  void Fill(void* link_ptr, const void* proc) {
    mov_rcx[0] = 0x48, mov_rcx[1] = 0xB9;
    link = reinterpret_cast<std::uint64_t>(link_ptr);
    mov_rax[0] = 0x48, mov_rax[1] = 0xB8;
    target = reinterpret_cast<std::uint64_t>(proc);
    jmp_rax[0] = 0xFF, jmp_rax[1] = 0xE0;
  }
};
#else
struct Thunk {
  std::uint8_t mov[4];  // mov dword ptr [esp+4], link
  std::uint32_t link;
  std::uint8_t jmp;     // jmp rel32
  std::int32_t target;

  void Fill(void* link_ptr, const void* proc) {
    const std::uint8_t code[4] = {0xC7, 0x44, 0x24, 0x04};
    std::memcpy(mov, code, sizeof(code));
    link = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(link_ptr));
    jmp = 0xE9;
    target = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(proc) -
                                       reinterpret_cast<std::intptr_t>(&target + 1));
  }
};
#endif
#pragma pack(pop)

HANDLE ThunkHeap() {
  static const HANDLE heap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
  return heap;
}

}  // namespace

struct WindowSubclass::Link {
  HWND window = nullptr;
  WNDPROC previous = nullptr;
  bool unicode = true;
  Handler handler;       // empty once the link is only a pass-through
  int running = 0;       // handler calls in progress
  bool removed = false;  // Remove ran while the handler was running
  bool pass_through = false;
  Thunk* thunk = nullptr;

  WNDPROC Procedure() const { return reinterpret_cast<WNDPROC>(thunk); }
  LRESULT Previous(UINT msg, WPARAM wparam, LPARAM lparam) const {
    return unicode ? CallWindowProcW(previous, window, msg, wparam, lparam)
                   : CallWindowProcA(previous, window, msg, wparam, lparam);
  }
  bool AtHead() const {
    const LONG_PTR proc = unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
    return reinterpret_cast<WNDPROC>(proc) == Procedure();
  }
  void Restore() const {
    const auto proc = reinterpret_cast<LONG_PTR>(previous);
    if (unicode)
      SetWindowLongPtrW(window, GWLP_WNDPROC, proc);
    else
      SetWindowLongPtrA(window, GWLP_WNDPROC, proc);
  }
  static void Free(Link* link) noexcept {
    if (link->thunk) HeapFree(ThunkHeap(), 0, link->thunk);
    delete link;
  }
  static LRESULT CALLBACK Proc(HWND link_arg, UINT msg, WPARAM wparam, LPARAM lparam);
};

LRESULT CALLBACK WindowSubclass::Link::Proc(HWND link_arg, UINT msg, WPARAM wparam, LPARAM lparam) {
  Link* link = reinterpret_cast<Link*>(link_arg);
  if (link->pass_through && link->running == 0) {
    const LRESULT result = link->Previous(msg, wparam, lparam);
    // Nobody calls a destroyed window's procedure again.
    if (msg == WM_NCDESTROY) Free(link);
    return result;
  }
  LRESULT result = 0;
  ++link->running;
  try {
    result = link->pass_through ? link->Previous(msg, wparam, lparam) : link->handler(msg, wparam, lparam);
  } catch (...) {
    // Nothing may unwind through the system's frames; handlers report their own errors.
  }
  if (--link->running == 0 && link->removed) {
    if (!link->pass_through || msg == WM_NCDESTROY)
      Free(link);
    else
      link->handler = nullptr;
  }
  return result;
}

bool WindowSubclass::Install(HWND window, Handler handler, bool unicode) {
  Remove();
  if (!IsWindow(window)) return false;
  auto* thunk = static_cast<Thunk*>(HeapAlloc(ThunkHeap(), 0, sizeof(Thunk)));
  if (!thunk) throw std::bad_alloc();
  auto* link = new Link{window, nullptr, unicode, std::move(handler)};
  link->thunk = thunk;
  thunk->Fill(link, reinterpret_cast<const void*>(&Link::Proc));
  FlushInstructionCache(GetCurrentProcess(), thunk, sizeof(Thunk));
  const auto proc = reinterpret_cast<LONG_PTR>(thunk);
  link->previous = reinterpret_cast<WNDPROC>(unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                                                     : SetWindowLongPtrA(window, GWLP_WNDPROC, proc));
  link_ = link;
  return true;
}

void WindowSubclass::Remove() noexcept {
  Link* link = std::exchange(link_, nullptr);
  if (!link) return;
  const bool alive = IsWindow(link->window) != FALSE;
  if (alive && link->AtHead()) {
    link->Restore();
  } else if (alive) {
    link->pass_through = true;  // someone came after us and still calls us
  }
  if (link->running > 0) {
    link->removed = true;
  } else if (link->pass_through) {
    link->handler = nullptr;
  } else {
    Link::Free(link);
  }
}

HWND WindowSubclass::Window() const noexcept { return link_ ? link_->window : nullptr; }
WNDPROC WindowSubclass::Previous() const noexcept { return link_ ? link_->previous : nullptr; }
WNDPROC WindowSubclass::Procedure() const noexcept { return link_ ? link_->Procedure() : nullptr; }

LRESULT WindowSubclass::CallPrevious(UINT msg, WPARAM wparam, LPARAM lparam) const {
  return link_ ? link_->Previous(msg, wparam, lparam) : 0;
}

struct SlotHook::Link {
  WndMethod handler;  // empty once only a pass-through
  WndMethod previous;
};

namespace {

// What the slot holds while we are in it; copies made by later hooks keep the link alive.
struct Forwarder {
  std::shared_ptr<SlotHook::Link> link;
  void operator()(TMessage& m) const {
    // The slot, and the link's handler, may be reassigned while the call runs.
    const std::shared_ptr<SlotHook::Link> keep = link;
    if (const WndMethod handler = keep->handler)
      handler(m);
    else
      keep->previous(m);
  }
};

}  // namespace

void SlotHook::Install(TControl& control, WndMethod handler) {
  Remove();
  link_ = std::make_shared<Link>(Link{std::move(handler), control.WindowProc});
  control_ = &control;
  control.WindowProc = Forwarder{link_};
}

void SlotHook::Remove() noexcept {
  if (!link_) return;
  const auto* head = control_->WindowProc.target<Forwarder>();
  if (head && head->link == link_) {
    // The running forwarder keeps its own reference to the link.
    control_->WindowProc = link_->previous;
  } else {
    link_->handler = nullptr;
  }
  link_.reset();
  control_ = nullptr;
}

void SlotHook::Forget() noexcept {
  link_.reset();
  control_ = nullptr;
}

void SlotHook::CallPrevious(TMessage& m) const {
  if (link_ && link_->previous) link_->previous(m);
}

}  // namespace host
