#pragma once
// Little-endian reads from a span that never leave it: a read that does not
// fit gives 0, so a caller that checked the length once cannot go wrong later.
#include <cstddef>
#include <cstdint>
#include <span>

namespace skin::picture {

inline bool Fits(std::span<const std::uint8_t> data, std::size_t at, std::size_t count) {
  return at <= data.size() && count <= data.size() - at;
}

inline std::uint32_t Le16(std::span<const std::uint8_t> data, std::size_t at) {
  if (!Fits(data, at, 2)) return 0;
  return static_cast<std::uint32_t>(data[at]) | static_cast<std::uint32_t>(data[at + 1]) << 8;
}

inline std::uint32_t Le32(std::span<const std::uint8_t> data, std::size_t at) {
  if (!Fits(data, at, 4)) return 0;
  return Le16(data, at) | Le16(data, at + 2) << 16;
}

}  // namespace skin::picture
