#include "png.h"

#include <array>
#include <string_view>

namespace skingen {
namespace {

std::array<uint32_t, 256> makeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void putBe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

void chunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
  putBe32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  putBe32(out, crc32(out.data() + start, out.size() - start));
}

}  // namespace

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc) {
  static const auto table = makeCrcTable();
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t adler32(const uint8_t* data, size_t size) {
  uint32_t a = 1, b = 0;
  for (size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

std::vector<uint8_t> encodePng(const Image& img) {
  std::vector<uint8_t> raw;  // filter byte 0 + RGB per row
  raw.reserve(static_cast<size_t>(img.height()) * (1 + 3 * img.width()));
  for (int y = 0; y < img.height(); ++y) {
    raw.push_back(0);
    for (int x = 0; x < img.width(); ++x) {
      const Rgb c = img.at(x, y);
      raw.insert(raw.end(), {c.r, c.g, c.b});
    }
  }
  std::vector<uint8_t> z{0x78, 0x01};
  size_t pos = 0;
  do {
    const size_t len = std::min<size_t>(65535, raw.size() - pos);
    z.push_back(pos + len == raw.size() ? 1 : 0);
    z.push_back(len & 0xFF);
    z.push_back(len >> 8);
    z.push_back(~len & 0xFF);
    z.push_back((~len >> 8) & 0xFF);
    z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + len);
    pos += len;
  } while (pos < raw.size());
  putBe32(z, adler32(raw.data(), raw.size()));

  std::vector<uint8_t> header;
  putBe32(header, img.width());
  putBe32(header, img.height());
  header.insert(header.end(), {8, 2, 0, 0, 0});

  std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  chunk(out, "IHDR", header);
  chunk(out, "IDAT", z);
  chunk(out, "IEND", {});
  return out;
}

}  // namespace skingen
