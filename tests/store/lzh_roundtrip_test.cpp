// Our compressor against the engine's decoder and the reference decoder.
#include <gtest/gtest.h>

#include "reference_decoder.h"
#include "store_test_support.h"
#include "tools/skinpack/lzhuf_encoder.h"

using namespace store_test;
using skinpack::Compress;
using skinpack::EncoderOptions;

namespace {

void ExpectRoundTrip(const Bytes& input, const EncoderOptions& options = {}) {
  const Bytes packed = Compress(input, options);
  ASSERT_GE(packed.size(), 4u);
  const std::uint32_t declared = packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<std::uint32_t>(packed[3]) << 24;
  EXPECT_EQ(declared, input.size());
  // Exactly the size: the encoder never lets a final match run past it.
  EXPECT_EQ(Decode(packed), input);
  EXPECT_EQ(reference::Decode(packed), input);
}

Bytes Repeat(std::string_view unit, std::size_t total) {
  Bytes b;
  while (b.size() < total) b.insert(b.end(), unit.begin(), unit.end());
  b.resize(total);
  return b;
}

// Bytes like a skin's: a text part, bitmap rows with flat runs and gradients, noise.
Bytes Mixed(std::size_t total, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b;
  while (b.size() < total) {
    switch (rng() % 4) {
      case 0: {
        const Bytes t = ToBytes("[Buttons]\r\nBitmap=buttons.bmp\r\nLeftWidth=4\r\nTrans=1\r\n");
        b.insert(b.end(), t.begin(), t.end());
        break;
      }
      case 1: b.insert(b.end(), 300 + rng() % 3000, static_cast<std::uint8_t>(rng())); break;
      case 2:
        for (int i = 0; i < 2000; ++i) b.push_back(static_cast<std::uint8_t>(i / 8 + (i % 3)));
        break;
      default: {
        const Bytes r = RandomBytes(500 + rng() % 2000, rng());
        b.insert(b.end(), r.begin(), r.end());
      }
    }
  }
  b.resize(total);
  return b;
}

}  // namespace

TEST(LzhRoundTrip, Empty) {
  const Bytes packed = Compress({});
  EXPECT_EQ(packed, Bytes(4, 0));
  EXPECT_TRUE(Decode(packed).empty());
}

TEST(LzhRoundTrip, OneByte) {
  ExpectRoundTrip({0x42});
  ExpectRoundTrip({0x20});
}

TEST(LzhRoundTrip, ShortInputsOfEveryLengthUpToAMatch) {
  for (std::size_t n = 1; n <= 130; ++n) ExpectRoundTrip(RandomBytes(n, static_cast<std::uint32_t>(n)));
  for (std::size_t n = 1; n <= 130; ++n) ExpectRoundTrip(Repeat("ab", n));
}

TEST(LzhRoundTrip, BlanksMatchThePresetWindowFromTheFirstByte) {
  const Bytes blanks(70000, ' ');
  ExpectRoundTrip(blanks);
  // Every byte comes from matches, the first into the preset blanks.
  EXPECT_LT(Compress(blanks).size(), 4 + blanks.size() / 40);
}

TEST(LzhRoundTrip, RandomBytes) {
  ExpectRoundTrip(RandomBytes(1000, 1));
  ExpectRoundTrip(RandomBytes(300000, 2));
}

TEST(LzhRoundTrip, LongRepetitiveRunsCompressFar) {
  const Bytes zeros(500000, 0);
  ExpectRoundTrip(zeros);
  EXPECT_LT(Compress(zeros).size(), zeros.size() / 40);
  ExpectRoundTrip(Repeat("abc", 200001));
  ExpectRoundTrip(Repeat("The quick brown fox. ", 123457));
}

TEST(LzhRoundTrip, MatchesReachTheWholeWindow) {
  // A random block repeated exactly one window later: only a match of the
  // farthest distance can shrink it.
  Bytes b = RandomBytes(4096, 9);
  b.insert(b.end(), b.begin(), b.end());
  ExpectRoundTrip(b);
  EXPECT_LT(Compress(b).size(), 4096u + 1200u);
}

TEST(LzhRoundTrip, LargeInputsRebuildTheTreeManyTimes) {
  // Each symbol adds one to the root: far more than 0x8000 symbols each.
  ExpectRoundTrip(Mixed(3u << 20, 5));
  ExpectRoundTrip(RandomBytes(1u << 20, 6));
}

TEST(LzhRoundTrip, EncoderOptionsKeepTheFormat) {
  const Bytes input = Mixed(200000, 8);
  ExpectRoundTrip(input, {.chainLimit = 1, .lazy = false});
  ExpectRoundTrip(input, {.chainLimit = 4096, .lazy = true});
}
