#include "host/core/colour.h"

#include <utility>

#include "host/core/text.h"

namespace host {

std::optional<TColor> ColourFromIdent(std::string_view ident) noexcept {
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

}  // namespace host
