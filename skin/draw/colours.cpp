#include "skin/draw/colours.h"

#include <algorithm>

#include "host/core/colour.h"

namespace skin {

COLORREF MixColours(std::int32_t c1, std::int32_t c2, int w) noexcept {
  const COLORREF a = host::ColourToRgb(c1), b = host::ColourToRgb(c2);
  const std::int64_t s = w < 100 ? 100 : 1000;
  auto mix = [&](int ca, int cb) {
    return static_cast<BYTE>((std::int64_t{cb} * (s - w) + std::int64_t{ca} * w + s / 2) / s);
  };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

int ColourSaturation(COLORREF colour) noexcept {
  const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
  const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
  if (hi < 160) return 200;
  // 255 * (hi - lo) / hi rounded half to even, in integers so that exact
  // halves are seen as halves.
  const int scaled = 255 * (hi - lo);
  const int quotient = scaled / hi, twice_rest = 2 * (scaled % hi);
  if (twice_rest > hi || (twice_rest == hi && quotient % 2 == 1)) return quotient + 1;
  return quotient;
}

}  // namespace skin
