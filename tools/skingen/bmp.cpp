#include "bmp.h"

#include <cstdlib>
#include <stdexcept>

namespace skingen {
namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
uint32_t get32(const std::vector<uint8_t>& in, size_t at) {
  return in[at] | in[at + 1] << 8 | in[at + 2] << 16 | static_cast<uint32_t>(in[at + 3]) << 24;
}
uint16_t get16(const std::vector<uint8_t>& in, size_t at) { return in[at] | in[at + 1] << 8; }

}  // namespace

std::vector<uint8_t> encodeBmp(const Image& img) {
  const uint32_t stride = (img.width() * 3 + 3) & ~3u;
  const uint32_t dataSize = stride * img.height();
  std::vector<uint8_t> out;
  out.reserve(54 + dataSize);
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + dataSize);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, img.width());
  put32(out, img.height());
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // BI_RGB
  put32(out, dataSize);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = img.height() - 1; y >= 0; --y) {
    for (int x = 0; x < img.width(); ++x) {
      const Rgb c = img.at(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    for (uint32_t pad = img.width() * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

Image decodeBmp(const std::vector<uint8_t>& in) {
  if (in.size() < 54 || in[0] != 'B' || in[1] != 'M') throw std::runtime_error("not a bitmap file");
  const uint32_t offset = get32(in, 10);
  const int32_t width = static_cast<int32_t>(get32(in, 18));
  const int32_t rawHeight = static_cast<int32_t>(get32(in, 22));
  if (get32(in, 14) < 40 || get16(in, 28) != 24 || get32(in, 30) != 0)
    throw std::runtime_error("not an uncompressed 24-bit bitmap");
  if (width <= 0 || rawHeight == 0 || width > 16384 || std::abs(rawHeight) > 16384)
    throw std::runtime_error("bitmap size out of range");
  const int height = std::abs(rawHeight);
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  if (offset > in.size() || in.size() - offset < stride * height)
    throw std::runtime_error("bitmap pixel data truncated");
  Image img(width, height);
  for (int row = 0; row < height; ++row) {
    const int y = rawHeight > 0 ? height - 1 - row : row;
    const size_t base = offset + stride * row;
    for (int x = 0; x < width; ++x)
      img.set(x, y, {in[base + 3 * x + 2], in[base + 3 * x + 1], in[base + 3 * x]});
  }
  return img;
}

}  // namespace skingen
