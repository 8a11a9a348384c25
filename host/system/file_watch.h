#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <thread>

#include "host/core/component.h"

namespace host {

// Raises OnChange, from the message loop, a moment after the watched file was
// written, replaced or put back. The system's change notifications on its
// folder wake a waiting thread; nothing polls.
class TFileWatch : public TComponent {
public:
  explicit TFileWatch(TComponent* owner) : TComponent(owner) {}
  ~TFileWatch() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  // Starts watching the file; an Error when its folder cannot be watched.
  void Watch(const std::string& path);
  NotifyEvent OnChange;

  // What the file was when last looked at: its size and time of writing.
  struct Stamp {
    bool exists = false;
    ULONGLONG size = 0;
    ULONGLONG written = 0;
    bool operator==(const Stamp&) const = default;
  };

private:
  struct CloseEvent {
    void operator()(HANDLE h) const noexcept { CloseHandle(h); }
  };
  struct CloseChange {
    void operator()(HANDLE h) const noexcept { FindCloseChangeNotification(h); }
  };
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  void Stop() noexcept;
  void Settled();

  std::wstring path_;
  Stamp seen_;
  HWND window_ = nullptr;  // a message-only window the thread posts to
  std::unique_ptr<void, CloseChange> change_;
  std::unique_ptr<void, CloseEvent> stop_;
  std::thread thread_;
};

}  // namespace host
