// The decoder on streams not made by our encoder: a hand-written stream, empty
// and truncated input, garbage (against the reference decoder), callbacks.
#include <gtest/gtest.h>

#include "reference_decoder.h"
#include "store_test_support.h"
#include "tools/skinpack/lzhuf_encoder.h"

using namespace store_test;
using skin::store::TLZH;
using skin::store::TMemoryStream;

namespace {

// Bits, most significant first:
//   111001101  literal 'A' (its code in the initial tree)
//   10001100   symbol 256, a match of length 3 (its code once 'A' was counted)
//   000        first 3 bits of position byte 0x00..0x1F: upper bits 0
//   000001     low 6 bits: position 1, i.e. start two bytes before the write position
// The match starts at window 4035, the last preset blank, and overlaps its own
// output: blank, 'A', then the blank it has just written.
const Bytes kHandStream = {0xE6, 0xC6, 0x00, 0x40};

struct Recorder {
  Bytes input;
  std::size_t at = 0;
  std::size_t chunk = SIZE_MAX;
  int reads = 0;
  int writes = 0;
  Bytes output;

  TLZH::ReadCallback Reader() {
    return [this](std::uint8_t* b, std::size_t n) {
      ++reads;
      const std::size_t k = std::min({n, chunk, input.size() - at});
      std::copy_n(input.begin() + static_cast<std::ptrdiff_t>(at), k, b);
      at += k;
      return k;
    };
  }
  TLZH::WriteCallback Writer() {
    return [this](const std::uint8_t* b, std::size_t n) {
      ++writes;
      output.insert(output.end(), b, b + n);
    };
  }
};

Bytes DecodeStream(const Bytes& stream, std::uint32_t size, std::size_t chunk = SIZE_MAX) {
  TMemoryStream unused_in, unused_out;
  Recorder rec;
  rec.input = stream;
  rec.chunk = chunk;
  TLZH(unused_in, unused_out).Decompress(size, rec.Writer(), rec.Reader());
  return rec.output;
}

Bytes WithSize(std::uint32_t size, const Bytes& stream) {
  Bytes p;
  PutLe32(p, size);
  p.insert(p.end(), stream.begin(), stream.end());
  return p;
}

}  // namespace

TEST(LzhDecoder, HandWrittenStreamDecodesLiteralThenMatchIntoPresetBlanks) {
  EXPECT_EQ(DecodeStream(kHandStream, 4), ToBytes("A A "));
  EXPECT_EQ(reference::Decode(WithSize(4, kHandStream)), ToBytes("A A "));
}

TEST(LzhDecoder, FinalMatchIsCopiedWholePastTheSize) {
  EXPECT_EQ(DecodeStream(kHandStream, 2), ToBytes("A A "));
}

TEST(LzhDecoder, SizeZeroProducesNothingAndReadsNothing) {
  TMemoryStream unused_in, unused_out;
  Recorder rec;
  rec.input = kHandStream;
  TLZH(unused_in, unused_out).Decompress(0, rec.Writer(), rec.Reader());
  EXPECT_EQ(rec.reads, 0);
  EXPECT_EQ(rec.writes, 0);
}

TEST(LzhDecoder, OwnStreamsAreReadAndWrittenThroughTheObject) {
  TMemoryStream in(WithSize(4, kHandStream)), out;
  in.Seek(4);
  TLZH(in, out).Decompress(4);
  EXPECT_EQ(out.Data(), ToBytes("A A "));
}

TEST(LzhDecoder, InputEndingEarlyDecodesZeroBitsUpToTheSize) {
  const Bytes out = DecodeStream({}, 5000);
  ASSERT_GE(out.size(), 5000u);
  EXPECT_LE(out.size(), 5000u + 59);
  EXPECT_EQ(out, reference::Decode(WithSize(5000, {})));
}

TEST(LzhDecoder, TellsWhetherTheInputHeldEveryBitTheOutputTook) {
  TMemoryStream unused_in, unused_out;
  Recorder rec;
  EXPECT_FALSE(TLZH(unused_in, unused_out).Decompress(5000, rec.Writer(), rec.Reader()));
  const Bytes packed = skinpack::Compress(RandomBytes(5000, 9));
  for (const std::size_t cut : {std::size_t{0}, std::size_t{1}}) {
    TMemoryStream in(Bytes(packed.begin(), packed.end() - static_cast<std::ptrdiff_t>(cut))), out;
    in.Seek(4);
    EXPECT_EQ(TLZH(in, out).Decompress(5000), cut == 0) << cut;
  }
}

TEST(LzhDecoder, ShortDeliveriesGiveTheSameBytes) {
  const Bytes stream = RandomBytes(3000, 7);
  EXPECT_EQ(DecodeStream(stream, 20000, 1), DecodeStream(stream, 20000));
  EXPECT_EQ(DecodeStream(stream, 20000, 3), DecodeStream(stream, 20000));
}

TEST(LzhDecoder, GarbageDecodesLikeTheReferenceWithoutLeavingTheWindow) {
  std::mt19937 rng(12345);
  for (int round = 0; round < 60; ++round) {
    const Bytes stream = RandomBytes(rng() % 40000, static_cast<std::uint32_t>(round));
    const std::uint32_t size = rng() % 200000;
    const Bytes expected = reference::Decode(WithSize(size, stream));
    ASSERT_EQ(DecodeStream(stream, size), expected) << "round " << round;
  }
}

// Zero bits always take the rarer branch, so every code is as long as the tree
// allows; ones and alternating bits walk the other edges.
TEST(LzhDecoder, StreamsThatWalkTheTreesEdgesDecodeLikeTheReference) {
  for (const std::uint8_t fill : {0x00, 0xFF, 0x55, 0x0F}) {
    const Bytes stream(60000, fill);
    const Bytes expected = reference::Decode(WithSize(400000, stream));
    ASSERT_EQ(DecodeStream(stream, 400000), expected) << int(fill);
  }
}

TEST(LzhDecoder, WriteFailurePropagatesAndStopsDecoding) {
  TMemoryStream unused_in, unused_out;
  Recorder rec;
  rec.input = RandomBytes(1000, 3);
  int calls = 0;
  auto failing = [&](const std::uint8_t*, std::size_t) {
    ++calls;
    throw skin::store::EStreamError("disk full");
  };
  EXPECT_THROW(TLZH(unused_in, unused_out).Decompress(100000, failing, rec.Reader()), skin::store::EStreamError);
  EXPECT_EQ(calls, 1);
}
