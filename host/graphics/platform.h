#pragma once
// Which family of Windows the process runs on.
#include <windows.h>

namespace host {

// The platform indicator: VER_PLATFORM_WIN32_NT (2) on the NT family,
// VER_PLATFORM_WIN32_WINDOWS (1) on the older family.
DWORD Win32Platform() noexcept;

}  // namespace host
