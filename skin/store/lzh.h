#pragma once
// TLZH: the LZHUF decompressor of skin packages (LZSS over a 4096-byte window,
// literals and match lengths in an adaptive Huffman tree, match positions in
// fixed upper-bit codes).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>

#include "stream.h"

namespace skin::store {

class ElzhException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TLZH {
public:
  // Delivers up to `wanted` input bytes into `buffer`; 0 means the input is exhausted.
  using ReadCallback = std::function<std::size_t(std::uint8_t* buffer, std::size_t wanted)>;
  // Takes `count` output bytes or raises.
  using WriteCallback = std::function<void(const std::uint8_t* buffer, std::size_t count)>;

  // Both streams belong to the caller and must outlive the object.
  TLZH(TStream& input, TStream& output) : input_(input), output_(output) {}

  // Reads from the input stream: the wanted count, or what remains.
  std::size_t ReadInput(std::uint8_t* buffer, std::size_t wanted);
  // Writes to the output stream; its error propagates.
  void WriteOutput(const std::uint8_t* buffer, std::size_t count);

  // Produces at least `size` bytes through `write` (a final match is copied
  // whole, so up to 59 more), taking the bit stream from `read`. Input that
  // ends early reads as zero bits. Corrupt input gives wrong bytes, never an
  // error and never an access outside the window. False when the input ended
  // before the output was complete.
  bool Decompress(std::uint32_t size, const WriteCallback& write, const ReadCallback& read);
  // The same, bound to this object's ReadInput and WriteOutput.
  bool Decompress(std::uint32_t size);

private:
  TStream& input_;
  TStream& output_;
};

}  // namespace skin::store
