#pragma once
// Colour values: an explicit colour 0x00BBGGRR, or a system colour reference
// 0xFF0000nn (negative as a signed value) standing for system colour nn;
// 0x1FFFFFFF means no colour.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace host {

using TColor = std::int32_t;

constexpr bool IsSystemColour(std::int32_t colour) noexcept { return colour < 0; }

constexpr std::int32_t SystemColour(int index) noexcept {
  return static_cast<std::int32_t>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = SystemColour(COLOR_BTNFACE);
constexpr TColor clWindow = SystemColour(COLOR_WINDOW);
constexpr TColor clWindowText = SystemColour(COLOR_WINDOWTEXT);
constexpr TColor clBtnText = SystemColour(COLOR_BTNTEXT);

// The explicit colour a value stands for now.
inline COLORREF ColourToRgb(std::int32_t colour) noexcept {
  return IsSystemColour(colour) ? GetSysColor(colour & 0xFF) : static_cast<COLORREF>(colour) & 0x00FFFFFFu;
}

// A colour written by its identifier in a stored form ("clBtnFace").
std::optional<TColor> ColourFromIdent(std::string_view ident) noexcept;

}  // namespace host
