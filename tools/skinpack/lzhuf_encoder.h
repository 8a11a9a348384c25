#pragma once
// LZHUF compressor: the encoder side of the skin package decompressor.
#include <cstdint>
#include <span>
#include <vector>

namespace skinpack {

struct EncoderOptions {
  // How many earlier positions with the same 3-byte hash are tried per match.
  int chainLimit = 256;
  // Defer a match by one byte when the next position has a longer one.
  bool lazy = true;
};

// Returns the 4-byte little-endian size followed by the LZHUF bit stream.
std::vector<std::uint8_t> Compress(std::span<const std::uint8_t> input, const EncoderOptions& options = {});

}  // namespace skinpack
