#pragma once
// Colour arithmetic for pictures the skin does not supply.
#include <windows.h>

#include <cstdint>

namespace skin {

// w parts of c1, the rest of c2: w is a percentage below 100 and a
// per-mille value from 100 on (150 means 15 percent of c1). System colour
// references are resolved first.
COLORREF MixColours(std::int32_t c1, std::int32_t c2, int w) noexcept;

// (max - min) / max of the components scaled to 0..255, rounded half to
// even, when some component is 160 or more; 200 for darker colours.
int ColourSaturation(COLORREF colour) noexcept;

}  // namespace skin
