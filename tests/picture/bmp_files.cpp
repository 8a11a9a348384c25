#include "bmp_files.h"

#include <cstdlib>

namespace picture_test {
namespace {

void Put(Bytes& b, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

Bytes Bmp(const BmpLayout& s) {
  const bool core = s.header_size == 12;
  const bool masks_after = s.compression == 3 && s.header_size == 40;
  const std::size_t entry = core ? 3 : 4;
  const std::size_t offset = 14 + s.header_size + (masks_after ? 12 : 0) + s.palette.size() * entry;
  Bytes b(offset + s.pixels.size(), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
  Put(b, 10, static_cast<std::uint32_t>(offset), 4);
  Put(b, 14, s.header_size, 4);
  if (core) {
    Put(b, 18, static_cast<std::uint32_t>(s.width), 2);
    Put(b, 20, static_cast<std::uint32_t>(s.height), 2);
    Put(b, 22, 1, 2);
    Put(b, 24, static_cast<std::uint32_t>(s.bits), 2);
  } else {
    Put(b, 18, static_cast<std::uint32_t>(s.width), 4);
    Put(b, 22, static_cast<std::uint32_t>(s.height), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, static_cast<std::uint32_t>(s.bits), 2);
    Put(b, 30, s.compression, 4);
    Put(b, 34, static_cast<std::uint32_t>(s.pixels.size()), 4);
    Put(b, 46, static_cast<std::uint32_t>(s.palette.size()), 4);
    if (s.compression == 3 && (masks_after || s.header_size >= 52))
      for (std::size_t i = 0; i < 3; ++i) Put(b, 54 + 4 * i, s.masks[i], 4);
  }
  std::size_t at = 14 + s.header_size + (masks_after ? 12 : 0);
  for (const auto& colour : s.palette) {
    for (std::size_t c = 0; c < 3; ++c) b[at + c] = colour[c];
    at += entry;
  }
  std::copy(s.pixels.begin(), s.pixels.end(), b.begin() + static_cast<std::ptrdiff_t>(offset));
  return b;
}

Bytes Rows(int width, int height, int bits, std::uint8_t fill) {
  const std::size_t stride = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
  return Bytes(stride * static_cast<std::size_t>(std::abs(height)), fill);
}

}  // namespace picture_test
