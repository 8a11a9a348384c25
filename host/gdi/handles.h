#pragma once
// Thin owners of Win32 GDI and USER handles: each frees its handle exactly once,
// on every path, and moves but never copies.
#include <windows.h>

#include <atomic>
#include <utility>

namespace host {

// Live handles held by the wrappers below, by kind. Kept in every build so
// that tests can see that the engine gives back all it takes (Wine reports
// nothing through GetGuiResources).
enum class HandleKind { Gdi, User };
struct HandleCensus {
  static inline std::atomic<long> gdi{0};
  static inline std::atomic<long> user{0};
  static std::atomic<long>& Of(HandleKind kind) noexcept { return kind == HandleKind::Gdi ? gdi : user; }
};

template <class H, class Traits>
class Handle {
public:
  Handle() noexcept = default;
  explicit Handle(H h) noexcept : h_(h) { Count(h_, 1); }
  Handle(Handle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  Handle& operator=(Handle&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, nullptr);  // already counted by the wrapper it leaves
    }
    return *this;
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { reset(); }

  H get() const noexcept { return h_; }
  operator H() const noexcept { return h_; }
  explicit operator bool() const noexcept { return h_ != nullptr; }
  // The handle leaves the census with the wrapper's ownership.
  H release() noexcept {
    Count(h_, -1);
    return std::exchange(h_, nullptr);
  }
  void reset(H h = nullptr) noexcept {
    if (h_ == h) return;
    if (h_) {
      Traits::close(h_);
      Count(h_, -1);
    }
    h_ = h;
    Count(h_, 1);
  }

private:
  static void Count(H h, long delta) noexcept {
    if (h) HandleCensus::Of(Traits::kind) += delta;
  }

  H h_ = nullptr;
};

struct GdiObjectTraits {
  static constexpr HandleKind kind = HandleKind::Gdi;
  static void close(HGDIOBJ h) noexcept { DeleteObject(h); }
};
struct MemoryDcTraits {
  static constexpr HandleKind kind = HandleKind::Gdi;
  static void close(HDC h) noexcept { DeleteDC(h); }
};
struct IconTraits {
  static constexpr HandleKind kind = HandleKind::User;
  static void close(HICON h) noexcept { DestroyIcon(h); }
};
struct MenuTraits {
  static constexpr HandleKind kind = HandleKind::User;
  static void close(HMENU h) noexcept { DestroyMenu(h); }
};

using Bitmap = Handle<HBITMAP, GdiObjectTraits>;
using Brush = Handle<HBRUSH, GdiObjectTraits>;
using Pen = Handle<HPEN, GdiObjectTraits>;
using Font = Handle<HFONT, GdiObjectTraits>;
using Region = Handle<HRGN, GdiObjectTraits>;
using Palette = Handle<HPALETTE, GdiObjectTraits>;
using MemoryDc = Handle<HDC, MemoryDcTraits>;
using Icon = Handle<HICON, IconTraits>;
using Menu = Handle<HMENU, MenuTraits>;

// A device context from GetDC/GetWindowDC, given back to its window.
class WindowDc {
public:
  explicit WindowDc(HWND wnd, bool whole_window = false) noexcept
      : wnd_(wnd), dc_(whole_window ? GetWindowDC(wnd) : GetDC(wnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() { if (dc_) ReleaseDC(wnd_, dc_); }
  HDC get() const noexcept { return dc_; }
  operator HDC() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
  HWND wnd_;
  HDC dc_;
};

// BeginPaint/EndPaint as a scope.
class PaintDc {
public:
  explicit PaintDc(HWND wnd) noexcept : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { EndPaint(wnd_, &ps_); }
  HDC get() const noexcept { return dc_; }
  operator HDC() const noexcept { return dc_; }
  const RECT& rect() const noexcept { return ps_.rcPaint; }

private:
  HWND wnd_;
  HDC dc_;
  PAINTSTRUCT ps_{};
};

// Selects an object into a DC for the life of the scope, then puts the old one back.
class Selection {
public:
  Selection(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() { if (old_) SelectObject(dc_, old_); }

private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC/RestoreDC as a scope, for clip regions and modes changed while painting.
class SavedDc {
public:
  explicit SavedDc(HDC dc) noexcept : dc_(dc), id_(SaveDC(dc)) {}
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;
  ~SavedDc() { if (id_) RestoreDC(dc_, id_); }

private:
  HDC dc_;
  int id_;
};

}  // namespace host
