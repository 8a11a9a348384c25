#pragma once
// Byte helpers shared by the store tests.
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "skin/store/lzh.h"
#include "skin/store/stream.h"

namespace store_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ToBytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

inline Bytes RandomBytes(std::size_t n, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  return b;
}

inline void PutLe32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Decodes a package (size field + bit stream) the way the reader does.
inline Bytes Decode(const Bytes& package) {
  skin::store::TMemoryStream in(package), out;
  std::uint8_t size[4] = {};
  in.Read(size, 4);
  skin::store::TLZH(in, out).Decompress(size[0] | size[1] << 8 | size[2] << 16 | static_cast<std::uint32_t>(size[3]) << 24);
  return out.Data();
}

}  // namespace store_test
