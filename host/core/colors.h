#pragma once
// Colour values: 0x00BBGGRR for an explicit colour, 0xFF000000 + n for system
// colour n, 0x1FFFFFFF for none.
#include <cstdint>
#include <optional>
#include <string_view>

namespace host {

using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u + static_cast<std::uint32_t>(index)); }
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = SystemColor(15);   // COLOR_BTNFACE
constexpr TColor clWindow = SystemColor(5);     // COLOR_WINDOW
constexpr TColor clWindowText = SystemColor(8); // COLOR_WINDOWTEXT
constexpr TColor clBtnText = SystemColor(18);   // COLOR_BTNTEXT

std::optional<TColor> ColorFromIdent(std::string_view ident) noexcept;
// 0x00BBGGRR for any colour value, system colours looked up now.
std::uint32_t ColorToRgb(TColor color) noexcept;

}  // namespace host
