#include "host/core/colors.h"

#include <windows.h>

#include <utility>

#include "host/core/text.h"

namespace host {

std::optional<TColor> ColorFromIdent(std::string_view ident) noexcept {
  static constexpr std::pair<std::string_view, TColor> kNames[] = {
      {"clNone", clNone},       {"clBlack", clBlack},   {"clWhite", clWhite},
      {"clBtnFace", clBtnFace}, {"clWindow", clWindow}, {"clWindowText", clWindowText},
      {"clBtnText", clBtnText}, {"clRed", 0x0000FF},    {"clGreen", 0x008000},
      {"clBlue", 0xFF0000},     {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
      {"clFuchsia", 0xFF00FF},
  };
  for (const auto& [name, value] : kNames)
    if (SameText(name, ident)) return value;
  return std::nullopt;
}

std::uint32_t ColorToRgb(TColor color) noexcept {
  const auto c = static_cast<std::uint32_t>(color);
  if ((c & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(c & 0xFF));
  return c & 0x00FFFFFFu;
}

}  // namespace host
