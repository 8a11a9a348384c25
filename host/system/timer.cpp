#include "host/system/timer.h"

#include "host/app/application.h"
#include "host/core/error.h"

namespace host {
namespace {
constexpr wchar_t kClassName[] = L"THostTimerWindow";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  if (window_) {
    KillTimer(window_, kTimerId);
    DestroyWindow(window_);
  }
}

const ClassInfo& TTimer::Info() {
  static const ClassInfo info{"TTimer", &TComponent::Info(), {
      props::Integer<&TTimer::Interval, &TTimer::SetInterval>("Interval"),
      props::Boolean<&TTimer::Enabled, &TTimer::SetEnabled>("Enabled"),
      props::Event<&TTimer::SetOnTimer>("OnTimer"),
  }, [](TComponent* owner) -> TComponent* { return new TTimer(owner); }};
  return info;
}

void TTimer::SetInterval(int ms) { interval_ = ms; Update(); }
void TTimer::SetEnabled(bool enabled) { enabled_ = enabled; Update(); }
void TTimer::SetOnTimer(NotifyEvent e) { OnTimer = std::move(e); Update(); }

void TTimer::Loaded() {
  TComponent::Loaded();
  Update();
}

void TTimer::Update() {
  if (Loading()) return;
  if (window_) KillTimer(window_, kTimerId);
  if (!enabled_ || interval_ <= 0 || !OnTimer) return;
  if (!window_) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{sizeof(wc)};
    if (!GetClassInfoExW(instance, kClassName, &wc)) {
      wc = {sizeof(wc)};
      wc.lpfnWndProc = &TTimer::WndProc;
      wc.hInstance = instance;
      wc.lpszClassName = kClassName;
      RegisterClassExW(&wc);
    }
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (!window_) throw Error("Cannot create a timer: " + SystemErrorText(GetLastError()));
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  if (!SetTimer(window_, kTimerId, static_cast<UINT>(interval_), nullptr))
    throw Error("Cannot start a timer: " + SystemErrorText(GetLastError()));
}

LRESULT CALLBACK TTimer::WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_TIMER) {
    if (auto* self = reinterpret_cast<TTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA)); self && self->OnTimer) {
      try {
        self->OnTimer(self);
      } catch (const std::exception& e) {
        HandleException(e);
      }
    }
    return 0;
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

}  // namespace host
