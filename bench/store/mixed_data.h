#pragma once
// Generated data the store benchmarks compress and decode: pictures like a
// skin's, and a large mix of pictures, text, runs and noise.
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace bench_data {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit bitmap with what skin pictures hold: flat fills, gradients, a
// magenta key colour and a little noise.
Bytes SkinBitmap(int width, int height, std::mt19937& rng);

// `total` bytes: a quarter each of small pictures, definition text, runs of
// one byte and random bytes, in random order.
Bytes MixedData(std::size_t total);

}  // namespace bench_data
