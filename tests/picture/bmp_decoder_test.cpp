// The engine's BMP decoder: every depth and coding it reads, and the reason
// it gives for each file it refuses.
#include <gtest/gtest.h>

#include "bmp_files.h"
#include "guarded_bytes.h"
#include "skin/picture/bmp.h"

using namespace picture_test;
using skin::picture::BmpInfo;

namespace {

struct Decoded {
  std::string why;  // header or pixel fault, empty when decoded
  int width = 0, height = 0, bytes = 0;
  std::vector<Bytes> rows;  // top to bottom
  // Blue, green, red of pixel (x, y) as 0xRRGGBB.
  std::uint32_t At(int x, int y) const {
    if (y < 0 || y >= height || x < 0 || x >= width) return 0xBAD0BAD;
    const std::uint8_t* p = rows[static_cast<std::size_t>(y)].data() + x * bytes;
    return static_cast<std::uint32_t>(p[2]) << 16 | p[1] << 8 | p[0];
  }
};

Decoded Decode(std::span<const std::uint8_t> file) {
  Decoded d;
  const auto info = skin::picture::ReadBmpInfo(file, d.why);
  if (!info) return d;
  d.width = info->width;
  d.height = info->height;
  d.bytes = info->BytesPerPixel();
  d.rows.assign(static_cast<std::size_t>(d.height), Bytes(static_cast<std::size_t>(d.width * d.bytes), 0));
  d.why = skin::picture::DecodeBmp(file, *info, [&](int y, std::span<const std::uint8_t> row) {
    d.rows.at(static_cast<std::size_t>(y)).assign(row.begin(), row.end());
  });
  return d;
}
Decoded Decode(const BmpLayout& layout) { return Decode(Bmp(layout)); }

const std::vector<std::array<std::uint8_t, 3>> kPalette = {{0, 0, 0}, {255, 0, 255}, {30, 20, 10}};

TEST(BmpDecoder, EveryDepthGivesItsColours) {
  // 1, 4 and 8 bits through the colour table; an index past the table is black.
  Decoded d = Decode({.width = 9, .bits = 1, .palette = {{0, 0, 0}, {255, 255, 255}}, .pixels = {0x80, 0x80, 0, 0}});
  EXPECT_EQ(d.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(d.At(1, 0), 0u);
  EXPECT_EQ(d.At(8, 0), 0xFFFFFFu);
  d = Decode({.width = 3, .bits = 4, .palette = kPalette, .pixels = {0x21, 0x70, 0, 0}});
  EXPECT_EQ(d.At(0, 0), 0x0A141Eu);
  EXPECT_EQ(d.At(1, 0), 0xFF00FFu);
  EXPECT_EQ(d.At(2, 0), 0u);
  d = Decode({.width = 2, .bits = 8, .palette = kPalette, .pixels = {2, 200, 0, 0}});
  EXPECT_EQ(d.At(0, 0), 0x0A141Eu);
  EXPECT_EQ(d.At(1, 0), 0u);
  // 16 bits: 5-5-5 plain, 5-6-5 through bit fields.
  d = Decode({.bits = 16, .pixels = {0x1F, 0x7C, 0, 0}});
  EXPECT_EQ(d.At(0, 0), 0xFF00FFu);
  d = Decode({.bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}, .pixels = {0xE0, 0x07, 0, 0}});
  EXPECT_EQ(d.At(0, 0), 0x00FF00u);
  // 24 bits bottom-up; 32 bits keep their fourth byte, bit fields give 0 there.
  d = Decode({.width = 1, .height = 2, .pixels = {1, 2, 3, 0, 4, 5, 6, 0}});
  EXPECT_EQ(d.At(0, 1), 0x030201u);
  EXPECT_EQ(d.At(0, 0), 0x060504u);
  d = Decode({.width = 1, .height = -2, .pixels = {1, 2, 3, 0, 4, 5, 6, 0}});
  EXPECT_EQ(d.At(0, 0), 0x030201u);
  d = Decode({.bits = 32, .pixels = {9, 8, 7, 6}});
  EXPECT_EQ(d.bytes, 4);
  EXPECT_EQ(d.rows[0], (Bytes{9, 8, 7, 6}));
  d = Decode({.bits = 32, .compression = 3, .masks = {0xFF, 0xFF00, 0xFF0000}, .pixels = {1, 2, 3, 4}});
  EXPECT_EQ(d.rows[0], (Bytes{3, 2, 1, 0}));
  // A core header with its whole table of three-byte colours.
  d = Decode({.width = 2, .bits = 1, .header_size = 12, .palette = {{30, 20, 10}, {255, 0, 255}}, .pixels = {0x40, 0, 0, 0}});
  EXPECT_EQ(d.why, "");
  EXPECT_EQ(d.At(0, 0), 0x0A141Eu);
  EXPECT_EQ(d.At(1, 0), 0xFF00FFu);
}

TEST(BmpDecoder, RunLengthCodes) {
  // RLE8, bottom row first: a run of 3, end of line; literals 1 2 1 (padded),
  // a jump of one pixel right, a run of 1, end of picture.
  Decoded d = Decode({.width = 5, .height = 2, .bits = 8, .compression = 1, .palette = kPalette,
                      .pixels = {3, 1, 0, 0, 0, 3, 1, 2, 1, 0, 0, 2, 1, 0, 1, 2, 0, 1}});
  ASSERT_EQ(d.why, "");
  EXPECT_EQ(d.At(2, 1), 0xFF00FFu);
  EXPECT_EQ(d.At(3, 1), 0u);
  EXPECT_EQ(d.At(1, 0), 0x0A141Eu);
  EXPECT_EQ(d.At(3, 0), 0u);
  EXPECT_EQ(d.At(4, 0), 0x0A141Eu);
  // RLE4: a run alternates its two colours; literal nibbles; runs past the edge are dropped.
  d = Decode({.width = 4, .bits = 4, .compression = 2, .palette = kPalette, .pixels = {9, 0x12, 0, 1}});
  ASSERT_EQ(d.why, "");
  EXPECT_EQ(d.At(0, 0), 0xFF00FFu);
  EXPECT_EQ(d.At(1, 0), 0x0A141Eu);
  EXPECT_EQ(d.At(3, 0), 0x0A141Eu);
  d = Decode({.width = 4, .bits = 4, .compression = 2, .palette = kPalette, .pixels = {0, 3, 0x21, 0x20, 0, 1}});
  EXPECT_EQ(d.At(0, 0), 0x0A141Eu);
  EXPECT_EQ(d.At(2, 0), 0x0A141Eu);
  // Data that stops without its end-of-picture mark is cut short.
  for (const Bytes& cut : {Bytes{3, 1}, Bytes{0, 5, 1, 1}, Bytes{0, 2, 1}, Bytes{3}})
    EXPECT_NE(Decode({.width = 5, .height = 2, .bits = 8, .compression = 1, .palette = kPalette, .pixels = cut}).why, "");
}

TEST(BmpDecoder, BitFieldMasksOfEveryHeaderLength) {
  const std::array<std::uint32_t, 3> masks = {0xFF0000, 0xFF00, 0xFF};
  for (std::uint32_t header : {40u, 52u, 56u, 108u, 124u}) {
    const Decoded d = Decode({.bits = 32, .compression = 3, .header_size = header, .masks = masks, .pixels = {1, 2, 3, 4}});
    EXPECT_EQ(d.why, "") << header;
    EXPECT_EQ(d.At(0, 0), 0x030201u) << header;
  }
  // Headers of 41 to 51 bytes end inside the masks; a file that ends before
  // them, right at a page boundary, is refused without reading past its end.
  for (std::uint32_t header = 41; header < 52; ++header) {
    const GuardedBytes file(Bmp({.bits = 32, .compression = 3, .header_size = header, .pixels = {1, 2, 3, 4}}));
    const Decoded d = Decode(file.Span());
    if (file.Span().size() < 66) EXPECT_EQ(d.why, "its bit-field masks end past the end of the file") << header;
  }
}

TEST(BmpDecoder, DamagedFilesAreRefusedWithTheirFault) {
  const Bytes good = Bmp({.width = 3, .height = 2, .pixels = Rows(3, 2, 24)});
  ASSERT_EQ(Decode(good).why, "");
  const auto why = [&](auto change) {
    Bytes file = good;
    change(file);
    return Decode(file).why;
  };
  EXPECT_EQ(why([](Bytes& f) { f.resize(f.size() - 1); }), "its pixels need 24 bytes but only 23 follow its headers");
  EXPECT_EQ(why([](Bytes& f) { f.resize(10); }), "it is 10 bytes, too short for a bitmap");
  EXPECT_EQ(why([](Bytes& f) { f[0] = 'X'; }), "it does not start with \"BM\"");
  EXPECT_NE(why([](Bytes& f) { f[14] = 39; }).find("header size 39"), std::string::npos);
  EXPECT_NE(why([](Bytes& f) { f[14] = 0xF0, f[17] = 0xFF; }).find("does not fit"), std::string::npos);
  EXPECT_NE(why([](Bytes& f) { f[19] = 0x80; }).find("is not one of 1 to 16384"), std::string::npos);
  EXPECT_NE(why([](Bytes& f) { f[22] = 0, f[23] = 0; }).find("size 3 x 0"), std::string::npos);
  EXPECT_NE(why([](Bytes& f) { f[26] = 2; }).find("2 colour planes"), std::string::npos);
  EXPECT_NE(why([](Bytes& f) { f[28] = 7; }).find("with 7 bits"), std::string::npos);
  EXPECT_NE(why([](Bytes& f) { f[30] = 1; }).find("compression 1 with 24 bits"), std::string::npos);
  EXPECT_NE(why([](Bytes& f) { f[10] = 2; }).find("pixels start at offset 2"), std::string::npos);
  EXPECT_NE(why([](Bytes& f) { f[11] = 0xFF; }).find("outside"), std::string::npos);

  EXPECT_NE(Decode({.bits = 8, .palette = std::vector<std::array<std::uint8_t, 3>>(300), .pixels = {0, 0, 0, 0}})
                .why.find("300 entries"),
            std::string::npos);
  EXPECT_EQ(Decode({.height = -1, .bits = 8, .compression = 1, .palette = kPalette, .pixels = {0, 1}}).why,
            "a run-length coded picture cannot be stored top-down");
}

}  // namespace
