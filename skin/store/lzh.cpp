#include "lzh.h"

#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "lzhuf_model.h"

namespace skin::store {
namespace {

using namespace lzhuf;

constexpr const char* kNoMemory = "LZH : Cannot get memory for dictionary tables";

// Input and output pass through the callbacks a block at a time (output
// straight from the window); the bit stream and the output are exactly those of
// a byte-at-a-time reader and writer.
constexpr std::size_t kBlock = 4096;

// A Huffman tree whose deepest leaf lies d levels down weighs at least
// Fibonacci(d + 2) when every leaf weighs 1 or more; Fibonacci(24) exceeds
// MAX_FREQ, so codes have at most 21 bits.
constexpr unsigned kLongestCode = 21;
static_assert(MAX_FREQ < 46368, "the longest code would exceed kLongestCode");

class Decoder {
public:
  Decoder(const TLZH::WriteCallback& write, const TLZH::ReadCallback& read) : write_(write), read_(read) {
    tree_.Start();
    std::memset(window_.data(), BLANK, START_POSITION);
    std::memset(window_.data() + START_POSITION, 0, window_.size() - START_POSITION);
  }

  // True when every bit the output took came from the input.
  bool Run(std::uint32_t size) {
    std::uint64_t count = 0;
    unsigned r = START_POSITION;
    while (count < size) {
      // One symbol writes at most F bytes: room for them without overwriting
      // bytes not yet handed out.
      if (pending_ > N - F) Flush(r);
      const int c = DecodeChar();
      if (c < 256) {
        window_[r] = static_cast<std::uint8_t>(c);
        r = (r + 1) & (N - 1);
        ++count;
        ++pending_;
      } else {
        const unsigned start = (r - DecodePosition() - 1) & (N - 1);
        const unsigned length = static_cast<unsigned>(c - 255 + THRESHOLD);
        for (unsigned k = 0; k < length; ++k) {
          window_[r] = window_[(start + k) & (N - 1)];
          r = (r + 1) & (N - 1);
        }
        count += length;
        pending_ += length;
      }
    }
    Flush(r);
    return padding_ * 8 <= bits_;
  }

private:
  // One refill covers the whole walk: the tree is a Huffman tree of weights
  // that sum to at most MAX_FREQ, so no code is longer than kLongestCode.
  int DecodeChar() {
    if (bits_ < kLongestCode) Fill();
    AdaptiveTree::Node path[kLongestCode];
    int depth = 0;
    int c = tree_.son[R];
    while (c < T) {
      const int node = c + static_cast<int>((buffer_ >> --bits_) & 1u);
      path[depth++] = node;
      c = tree_.son[node];
    }
    c -= T;
    tree_.Update(c, path, depth);
    return c;
  }

  // A position code is a byte and then 1 to 6 more bits: one refill covers it.
  unsigned DecodePosition() {
    if (bits_ < 14) Fill();
    bits_ -= 8;
    const unsigned i = static_cast<unsigned>(buffer_ >> bits_) & 0xFFu;
    const unsigned upper = static_cast<unsigned>(kPositionTables.d_code[i]) << 6;
    // The remaining d_len - 2 bits shift in below the byte at once.
    const unsigned n = kPositionTables.d_len[i] - 2u;
    bits_ -= n;
    const unsigned low = static_cast<unsigned>(buffer_ >> bits_) & ((1u << n) - 1);
    return upper | (((i << n) | low) & 0x3F);
  }

  // Tops the bit buffer up to at least 57 bits; bits below the count are the
  // next bits of the stream, most significant first.
  [[gnu::noinline]] void Fill() {
    while (bits_ <= 56 && inPos_ < inEnd_) {
      buffer_ = (buffer_ << 8) | in_[inPos_++];
      bits_ += 8;
    }
    while (bits_ <= 56) {
      buffer_ = (buffer_ << 8) | NextInputByte();
      bits_ += 8;
    }
  }

  std::uint8_t NextInputByte() {
    if (inPos_ == inEnd_) {
      if (exhausted_) return Pad();
      inPos_ = 0;
      inEnd_ = read_(in_.data(), in_.size());
      if (inEnd_ == 0 || inEnd_ > in_.size()) {
        inEnd_ = 0;
        exhausted_ = true;
        return Pad();
      }
    }
    return in_[inPos_++];
  }

  // A zero byte past the end of the input; the buffer reads ahead, so only
  // padding that reaches the bits taken means the input was too short.
  std::uint8_t Pad() {
    ++padding_;
    return 0;
  }

  // Hands out the bytes written since the last flush, which end at window
  // position r (in two pieces when they wrap around).
  void Flush(unsigned r) {
    if (pending_ == 0) return;
    const unsigned from = (r - pending_) & (N - 1);
    if (from < r) {
      write_(window_.data() + from, pending_);
    } else {
      write_(window_.data() + from, N - from);
      if (r != 0) write_(window_.data(), r);
    }
    pending_ = 0;
  }

  const TLZH::WriteCallback& write_;
  const TLZH::ReadCallback& read_;
  AdaptiveTree tree_;
  std::array<std::uint8_t, N + F - 1> window_;
  std::uint64_t buffer_ = 0;
  unsigned bits_ = 0;
  std::array<std::uint8_t, kBlock> in_;
  std::size_t inPos_ = 0, inEnd_ = 0;
  bool exhausted_ = false;
  std::uint64_t padding_ = 0;  // zero bytes added past the end of the input
  unsigned pending_ = 0;  // output bytes in the window not yet handed out
};

}  // namespace

std::size_t TLZH::ReadInput(std::uint8_t* buffer, std::size_t wanted) { return input_.Read(buffer, wanted); }

void TLZH::WriteOutput(const std::uint8_t* buffer, std::size_t count) { output_.Write(buffer, count); }

bool TLZH::Decompress(std::uint32_t size, const WriteCallback& write, const ReadCallback& read) {
  if (size == 0) return true;
  std::unique_ptr<Decoder> decoder;
  try {
    decoder = std::make_unique<Decoder>(write, read);
  } catch (const std::bad_alloc&) {
    throw ElzhException(kNoMemory);
  }
  return decoder->Run(size);
}

bool TLZH::Decompress(std::uint32_t size) {
  return Decompress(
      size, [this](const std::uint8_t* b, std::size_t n) { WriteOutput(b, n); },
      [this](std::uint8_t* b, std::size_t n) { return ReadInput(b, n); });
}

}  // namespace skin::store
