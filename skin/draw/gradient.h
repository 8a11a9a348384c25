#pragma once
// Linear gradients painted one line at a time, with the colour tables of
// recent gradients kept for repainting at the same size.
#include <windows.h>

#include <array>
#include <cstdint>
#include <vector>

namespace skin {

// Up to 16 gradient tables, looked up by (length, start, end); a new table
// takes the slot after the last one written, wrapping round.
class GradientCache {
public:
  static constexpr int kSlots = 16;

  // n colours from a to b (explicit colours). Entry 0 is a and the last
  // entry is b; one entry is the midpoint. The reference stays valid until
  // the slot is reused by kSlots further misses.
  const std::vector<COLORREF>& Table(int n, COLORREF a, COLORREF b);

  // Tables built so far (misses).
  int Builds() const noexcept { return builds_; }

private:
  struct Slot {
    int length = 0;
    COLORREF start = 0;
    COLORREF end = 0;
    std::vector<COLORREF> colours;
  };
  std::array<Slot, kSlots> slots_{};
  int next_ = 0;
  int builds_ = 0;
};

// The process's cache, used by GradientFill.
GradientCache& SharedGradientCache();

// Fills rect with a gradient from a to b, top to bottom when vertical is 1
// and left to right when it is 0. Only the lines inside the DC's clip box
// are painted; line k keeps colour k of the whole rectangle's gradient.
// A gradient longer than 65536 lines is not painted.
void GradientFill(HDC dc, const RECT& rect, std::int32_t a, int vertical, std::int32_t b);

}  // namespace skin
