#include "host/graphics/platform.h"

namespace host {

DWORD Win32Platform() noexcept {
  static const DWORD platform = [] {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    // Deprecated but still the only call that reports the family itself.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return DWORD{VER_PLATFORM_WIN32_NT};
#pragma GCC diagnostic pop
    return info.dwPlatformId;
  }();
  return platform;
}

}  // namespace host
