// BMP and PNG encoders: what the engine and an image viewer will read back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bmp.h"
#include "png.h"

namespace {

using skingen::Image;
using skingen::Rgb;

Image sample(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.set(x, y, {uint8_t(x * 37), uint8_t(y * 91), uint8_t(x ^ y)});
  return img;
}

uint32_t be32(const std::vector<uint8_t>& d, size_t at) {
  return uint32_t(d[at]) << 24 | d[at + 1] << 16 | d[at + 2] << 8 | d[at + 3];
}

TEST(BmpEncoder, OddWidthsRoundTripWithRowPadding) {
  for (int w : {1, 2, 3, 5, 13}) {
    const Image img = sample(w, 3);
    const auto bytes = skingen::encodeBmp(img);
    EXPECT_EQ(bytes.size(), 54u + ((w * 3 + 3) & ~3) * 3);
    EXPECT_EQ(skingen::decodeBmp(bytes), img);
  }
}

TEST(BmpEncoder, WritesABottomUpUncompressed24BitFile) {
  Image img(1, 2);
  img.set(0, 0, {1, 2, 3});
  img.set(0, 1, {4, 5, 6});
  const auto bytes = skingen::encodeBmp(img);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(bytes[28], 24);
  EXPECT_EQ(bytes[30], 0);
  // First stored row is the bottom one, blue first.
  EXPECT_EQ(bytes[54], 6);
  EXPECT_EQ(bytes[56], 4);
  EXPECT_EQ(bytes[58], 3);
}

TEST(BmpDecoder, RefusesBrokenFilesWithAReason) {
  auto bytes = skingen::encodeBmp(sample(4, 4));
  EXPECT_THROW(skingen::decodeBmp({}), std::runtime_error);
  auto truncated = bytes;
  truncated.resize(60);
  EXPECT_THROW(skingen::decodeBmp(truncated), std::runtime_error);
  auto paletted = bytes;
  paletted[28] = 8;
  EXPECT_THROW(skingen::decodeBmp(paletted), std::runtime_error);
  auto huge = bytes;
  huge[21] = 0x7F;  // width far beyond any skin picture
  EXPECT_THROW(skingen::decodeBmp(huge), std::runtime_error);
}

TEST(PngEncoder, ChecksumsMatchTheirPublishedCheckValues) {
  const std::string text = "123456789";
  EXPECT_EQ(skingen::crc32(reinterpret_cast<const uint8_t*>(text.data()), text.size()), 0xCBF43926u);
  const std::string wiki = "Wikipedia";
  EXPECT_EQ(skingen::adler32(reinterpret_cast<const uint8_t*>(wiki.data()), wiki.size()), 0x11E60398u);
}

// Walks the chunks, checks every CRC, and unpacks the stored deflate blocks.
TEST(PngEncoder, ChunksAndStoredBlocksCarryThePixels) {
  const Image img = sample(300, 120);  // more than one 64 KiB stored block
  const auto png = skingen::encodePng(img);
  ASSERT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  std::vector<uint8_t> idat;
  size_t at = 8;
  std::vector<std::string> order;
  while (at < png.size()) {
    const uint32_t len = be32(png, at);
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    order.push_back(type);
    EXPECT_EQ(skingen::crc32(png.data() + at + 4, len + 4), be32(png, at + 8 + len)) << type;
    if (type == "IHDR") {
      EXPECT_EQ(be32(png, at + 8), 300u);
      EXPECT_EQ(be32(png, at + 12), 120u);
    }
    if (type == "IDAT") idat.insert(idat.end(), png.begin() + at + 8, png.begin() + at + 8 + len);
    at += 12 + len;
  }
  EXPECT_EQ(order, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  ASSERT_GE(idat.size(), 6u);
  EXPECT_EQ((idat[0] * 256 + idat[1]) % 31, 0);
  std::vector<uint8_t> raw;
  size_t p = 2;
  bool last = false;
  int blocks = 0;
  while (!last) {
    last = idat[p] & 1;
    const uint16_t len = idat[p + 1] | idat[p + 2] << 8, nlen = idat[p + 3] | idat[p + 4] << 8;
    EXPECT_EQ(uint16_t(~nlen), len);
    raw.insert(raw.end(), idat.begin() + p + 5, idat.begin() + p + 5 + len);
    p += 5 + len;
    ++blocks;
  }
  EXPECT_GT(blocks, 1);
  EXPECT_EQ(be32(idat, p), skingen::adler32(raw.data(), raw.size()));
  ASSERT_EQ(raw.size(), 120u * (1 + 3 * 300));
  const size_t row = 1 + 3 * 300;
  EXPECT_EQ(raw[row * 7], 0);  // filter type none
  const Rgb c = img.at(11, 7);
  EXPECT_EQ(raw[row * 7 + 1 + 3 * 11], c.r);
  EXPECT_EQ(raw[row * 7 + 2 + 3 * 11], c.g);
  EXPECT_EQ(raw[row * 7 + 3 + 3 * 11], c.b);
}

}  // namespace
