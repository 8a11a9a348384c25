#pragma once
#include <windows.h>

#include "host/core/component.h"

namespace host {

// Raises OnTimer every Interval milliseconds while Enabled, from the message loop.
class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  void Loaded() override;

  NotifyEvent OnTimer;
  void SetOnTimer(NotifyEvent e);

private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  void Update();

  int interval_ = 1000;
  bool enabled_ = true;
  HWND window_ = nullptr;  // a message-only window that receives WM_TIMER
};

}  // namespace host
