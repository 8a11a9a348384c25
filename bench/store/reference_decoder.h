#pragma once
// A plain LZHUF decoder that follows the published algorithm line by line:
// a 16-bit bit buffer fed one byte at a time and one output byte per call.
// The baseline for the engine's decoder in benchmarks and equivalence tests.
#include <cstdint>
#include <span>
#include <vector>

namespace reference {

// `package` is the 4-byte size followed by the bit stream.
std::vector<std::uint8_t> Decode(std::span<const std::uint8_t> package);

}  // namespace reference
