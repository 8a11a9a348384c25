#include "skin/manager/trace.h"

#include <windows.h>

#include <string>

namespace skin {

void Trace(std::string_view text) noexcept {
  try {
    OutputDebugStringA(("brindle: " + std::string(text) + "\n").c_str());
  } catch (...) {
  }
}

void TraceError(std::string_view where, const std::exception& e) noexcept {
  try {
    Trace(std::string(where) + ": " + e.what());
  } catch (...) {
  }
}

}  // namespace skin
