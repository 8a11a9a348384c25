#pragma once

// Half of a length rounded to the nearest integer, a half going to the even neighbour.
constexpr int HalfToEven(int length) {
  const int half = length / 2;
  if (length % 2 == 0) return half;
  const int up = length > 0 ? half + 1 : half - 1;
  return up % 2 == 0 ? up : half;
}

// Where a window of the given outer size starts when centred on the screen.
constexpr int CentredOrigin(int screen, int window) { return HalfToEven(screen) - HalfToEven(window); }
