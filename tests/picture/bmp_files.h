#pragma once
// .bmp file images made in the tests, down to their header bytes.
#include <array>
#include <cstdint>
#include <vector>

namespace picture_test {

using Bytes = std::vector<std::uint8_t>;

struct BmpLayout {
  int width = 1;
  int height = 1;  // negative: rows stored top-down
  int bits = 24;
  std::uint32_t compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
  std::uint32_t header_size = 40;  // 12 for a core header
  std::array<std::uint32_t, 3> masks{};  // in the header from 52 bytes, else after a 40-byte one
  std::vector<std::array<std::uint8_t, 3>> palette;  // blue, green, red
  Bytes pixels;  // the stored rows (or run-length data) as they are
};

Bytes Bmp(const BmpLayout& layout);

// Stored rows of a bits-per-pixel picture whose every byte is `fill`, rows padded to 4 bytes.
Bytes Rows(int width, int height, int bits, std::uint8_t fill = 0);

}  // namespace picture_test
