// Any bytes through our compressor and back through the engine's decoder.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/store/lzh.h"
#include "tools/skinpack/lzhuf_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skin::store;
  const std::vector<std::uint8_t> input(data, data + size);
  const skinpack::EncoderOptions options{.chainLimit = 1 + (size > 0 ? data[0] % 64 : 0), .lazy = size % 2 == 0};
  TMemoryStream packed(skinpack::Compress(input, options)), out;
  packed.Seek(4);
  // The whole stream is there: the decoder must not report it cut short.
  if (!TLZH(packed, out).Decompress(static_cast<std::uint32_t>(size))) __builtin_trap();
  if (out.Data() != input) __builtin_trap();
  return 0;
}
