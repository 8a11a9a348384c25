#include "host/system/file_watch.h"

#include "host/app/application.h"
#include "host/core/error.h"
#include "host/core/text.h"

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"THostFileWatchWindow";
constexpr UINT kChanged = WM_APP + 1;
constexpr UINT_PTR kSettleTimer = 1;
// An editor's save may come as several writes, or a removal and a rename.
constexpr UINT kSettleMs = 150;

TFileWatch::Stamp StampOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return {};
  return {true, (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
          (ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime};
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

}  // namespace

TFileWatch::~TFileWatch() { Stop(); }

const ClassInfo& TFileWatch::Info() {
  static const ClassInfo info{"TFileWatch", &TComponent::Info(), {}};
  return info;
}

void TFileWatch::Watch(const std::string& path) {
  Stop();
  path_ = Widen(path);
  const std::wstring folder = FolderOf(path_);
  HANDLE change = FindFirstChangeNotificationW(
      folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  if (change == INVALID_HANDLE_VALUE)
    throw Error("Cannot watch the folder " + Narrow(folder) + ": " + SystemErrorText(GetLastError()));
  change_.reset(change);
  stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));

  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof(wc)};
  if (!GetClassInfoExW(instance, kClassName, &wc)) {
    wc = {sizeof(wc)};
    wc.lpfnWndProc = &TFileWatch::WndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
  }
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (!window_ || !stop_) {
    const std::string reason = SystemErrorText(GetLastError());
    Stop();
    throw Error("Cannot watch " + path + ": " + reason);
  }
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  seen_ = StampOf(path_);
  thread_ = std::thread([window = window_, change, stop = stop_.get()] {
    const HANDLE handles[] = {stop, change};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
      PostMessageW(window, kChanged, 0, 0);
      if (!FindNextChangeNotification(change)) break;
    }
  });
}

// The thread first, so that nothing is posted to a window that is going.
void TFileWatch::Stop() noexcept {
  if (thread_.joinable()) {
    SetEvent(stop_.get());
    thread_.join();
  }
  change_.reset();
  stop_.reset();
  if (window_) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
}

void TFileWatch::Settled() {
  const Stamp now = StampOf(path_);
  // Gone for a moment (removed before the new one is renamed in): wait for it.
  if (!now.exists || now == seen_) return;
  seen_ = now;
  if (OnChange) OnChange(this);
}

LRESULT CALLBACK TFileWatch::WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TFileWatch*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  switch (msg) {
    case kChanged:
      SetTimer(wnd, kSettleTimer, kSettleMs, nullptr);
      return 0;
    case WM_TIMER:
      KillTimer(wnd, kSettleTimer);
      try {
        if (self) self->Settled();
      } catch (const std::exception& e) {
        HandleException(e);
      }
      return 0;
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

}  // namespace host
