#include <bit>

#include "skin/picture/bmp.h"
#include "skin/picture/bmp_rle.h"
#include "skin/picture/bytes.h"

namespace skin::picture {
namespace {

// A colour channel of a bit-field pixel, scaled to 0..255.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint64_t top = mask >> shift;
  const std::uint64_t value = (pixel & mask) >> shift;
  return static_cast<std::uint8_t>((value * 255 + top / 2) / top);
}

void DecodeRow(std::span<const std::uint8_t> in, const BmpInfo& info, std::uint8_t* out) {
  const int n = info.width;
  switch (info.bits) {
    case 1: case 4: case 8: {
      const int per_byte = 8 / info.bits;
      const unsigned max = (1u << info.bits) - 1;
      for (int x = 0; x < n; ++x) {
        const unsigned shift = static_cast<unsigned>(8 - info.bits * (x % per_byte + 1));
        const std::size_t index = (in[static_cast<std::size_t>(x / per_byte)] >> shift) & max;
        static constexpr std::array<std::uint8_t, 3> kBlack{};
        const auto& colour = index < info.palette.size() ? info.palette[index] : kBlack;
        for (int c = 0; c < 3; ++c) *out++ = colour[static_cast<std::size_t>(c)];
      }
      break;
    }
    case 16: case 32:
      if (info.bits == 32 && info.coding == Coding::Rgb) {
        std::copy(in.begin(), in.begin() + 4 * n, out);
        break;
      }
      for (int x = 0; x < n; ++x) {
        const std::uint32_t p = info.bits == 16 ? Le16(in, 2 * static_cast<std::size_t>(x)) : Le32(in, 4 * static_cast<std::size_t>(x));
        *out++ = Channel(p, info.masks[2]);
        *out++ = Channel(p, info.masks[1]);
        *out++ = Channel(p, info.masks[0]);
        if (info.bits == 32) *out++ = 0;
      }
      break;
    default:
      std::copy(in.begin(), in.begin() + 3 * n, out);
  }
}

}  // namespace

std::string DecodeBmp(std::span<const std::uint8_t> file, const BmpInfo& info, const RowSink& sink) {
  if (!Fits(file, info.pixels_at, info.pixels_size)) return "its pixels lie outside the file";
  const auto data = file.subspan(info.pixels_at, info.pixels_size);
  if (info.coding == Coding::Rle8 || info.coding == Coding::Rle4) return DecodeRunLengths(data, info, sink);

  const std::size_t stride = (static_cast<std::size_t>(info.width) * static_cast<std::size_t>(info.bits) + 31) / 32 * 4;
  if (stride * static_cast<std::size_t>(info.height) > data.size()) return "its pixels end early";
  std::vector<std::uint8_t> row(static_cast<std::size_t>(info.width) * static_cast<std::size_t>(info.BytesPerPixel()));
  for (int r = 0; r < info.height; ++r) {
    DecodeRow(data.subspan(static_cast<std::size_t>(r) * stride, stride), info, row.data());
    sink(info.top_down ? r : info.height - 1 - r, row);
  }
  return {};
}

}  // namespace skin::picture
