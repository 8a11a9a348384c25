#pragma once
// Colour values: an explicit colour 0x00BBGGRR, or a system colour reference
// 0xFF0000nn (negative as a signed value) standing for system colour nn.
#include <windows.h>

#include <cstdint>

namespace host {

inline bool IsSystemColour(std::int32_t colour) noexcept { return colour < 0; }

inline std::int32_t SystemColour(int index) noexcept {
  return static_cast<std::int32_t>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}

// The explicit colour a value stands for now.
inline COLORREF ColourToRgb(std::int32_t colour) noexcept {
  return IsSystemColour(colour) ? GetSysColor(colour & 0xFF) : static_cast<COLORREF>(colour) & 0x00FFFFFFu;
}

}  // namespace host
