#include <windows.h>

#include <string>

#include "package_notice.h"

namespace skin::store {

void ShowPackageNotice(std::string_view text) {
  std::wstring wide;
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length > 0) {
    wide.resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  }
  MessageBoxW(nullptr, wide.c_str(), nullptr, MB_OK | MB_ICONWARNING);
}

}  // namespace skin::store
