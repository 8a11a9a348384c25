// Reading .bmp file images into the host bitmap, and copying GDI bitmaps.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/graphics/dib_bitmap.h"
#include "pictures.h"

namespace {

// A .bmp file image: headers, `palette` entries, then the rows as given.
std::vector<std::uint8_t> Bmp(int width, int height, int bits, const std::vector<RGBQUAD>& palette,
                              const std::vector<std::uint8_t>& pixels, DWORD compression = BI_RGB) {
  BITMAPFILEHEADER fh{};
  BITMAPINFOHEADER ih{};
  ih.biSize = sizeof ih;
  ih.biWidth = width;
  ih.biHeight = height;
  ih.biPlanes = 1;
  ih.biBitCount = static_cast<WORD>(bits);
  ih.biCompression = compression;
  ih.biSizeImage = static_cast<DWORD>(pixels.size());
  ih.biClrUsed = static_cast<DWORD>(palette.size());
  fh.bfType = 0x4D42;
  fh.bfOffBits = static_cast<DWORD>(sizeof fh + sizeof ih + palette.size() * sizeof(RGBQUAD));
  fh.bfSize = static_cast<DWORD>(fh.bfOffBits + pixels.size());
  std::vector<std::uint8_t> file(fh.bfSize);
  std::memcpy(file.data(), &fh, sizeof fh);
  std::memcpy(file.data() + sizeof fh, &ih, sizeof ih);
  if (!palette.empty()) std::memcpy(file.data() + sizeof fh + sizeof ih, palette.data(), palette.size() * 4);
  std::memcpy(file.data() + fh.bfOffBits, pixels.data(), pixels.size());
  return file;
}

// 3 x 2 at 24 bits, bottom row first, rows padded to 12 bytes.
std::vector<std::uint8_t> Bmp24() {
  return Bmp(3, 2, 24, {},
             {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0,  // bottom row
              10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0});
}

}  // namespace

TEST(LoadFromBmp, TwentyFourBitRowsBottomUp) {
  host::DibBitmap b;
  ASSERT_TRUE(b.LoadFromBmp(Bmp24()));
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Format(), host::PixelFormat::Bits24);
  EXPECT_EQ(b.Pixel(0, 1), RGB(3, 2, 1));
  EXPECT_EQ(b.Pixel(2, 0), RGB(18, 17, 16));
}

TEST(LoadFromBmp, PalettePicturesBecomeTwentyFourBit) {
  const std::vector<RGBQUAD> palette = {{0, 0, 0, 0}, {255, 0, 255, 0}, {10, 20, 30, 0}};
  host::DibBitmap b8, b4, b1;
  ASSERT_TRUE(b8.LoadFromBmp(Bmp(2, 1, 8, palette, {1, 2, 0, 0})));
  EXPECT_EQ(b8.Pixel(0, 0), drawtest::kMagenta);
  EXPECT_EQ(b8.Pixel(1, 0), RGB(30, 20, 10));
  ASSERT_TRUE(b4.LoadFromBmp(Bmp(3, 1, 4, palette, {0x21, 0x00, 0, 0})));
  EXPECT_EQ(b4.Pixel(0, 0), RGB(30, 20, 10));
  EXPECT_EQ(b4.Pixel(1, 0), drawtest::kMagenta);
  EXPECT_EQ(b4.Pixel(2, 0), RGB(0, 0, 0));
  ASSERT_TRUE(b1.LoadFromBmp(Bmp(9, 1, 1, {{0, 0, 0, 0}, {255, 255, 255, 0}}, {0x80, 0x80, 0, 0})));
  EXPECT_EQ(b1.Pixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(b1.Pixel(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(b1.Pixel(8, 0), RGB(255, 255, 255));
  EXPECT_EQ(b1.Format(), host::PixelFormat::Bits24);
}

TEST(LoadFromBmp, RunLengthEncodedPictures) {
  const std::vector<RGBQUAD> palette = {{0, 0, 0, 0}, {255, 0, 255, 0}};
  host::DibBitmap b;
  // Four pixels of colour 1, end of line, end of picture.
  ASSERT_TRUE(b.LoadFromBmp(Bmp(4, 1, 8, palette, {4, 1, 0, 0, 0, 1}, BI_RLE8)));
  EXPECT_EQ(b.Pixel(3, 0), drawtest::kMagenta);
}

TEST(LoadFromBmp, ThirtyTwoBitPicturesStayThirtyTwoBit) {
  host::DibBitmap b;
  ASSERT_TRUE(b.LoadFromBmp(Bmp(1, 1, 32, {}, {9, 8, 7, 0})));
  EXPECT_EQ(b.Format(), host::PixelFormat::Bits32);
  EXPECT_EQ(b.Pixel(0, 0), RGB(7, 8, 9));
}

TEST(LoadFromBmp, TopDownRows) {
  auto file = Bmp24();
  BITMAPINFOHEADER ih;
  std::memcpy(&ih, file.data() + sizeof(BITMAPFILEHEADER), sizeof ih);
  ih.biHeight = -2;
  std::memcpy(file.data() + sizeof(BITMAPFILEHEADER), &ih, sizeof ih);
  host::DibBitmap b;
  ASSERT_TRUE(b.LoadFromBmp(file));
  EXPECT_EQ(b.Pixel(0, 0), RGB(3, 2, 1));
}

TEST(LoadFromBmp, DamagedDataLeavesTheBitmapEmpty) {
  const auto good = Bmp24();
  auto damaged = [&](auto change) {
    auto file = good;
    change(file);
    host::DibBitmap b(5, 5);
    const bool ok = b.LoadFromBmp(file);
    return !ok && b.Empty();
  };
  auto header = [](std::vector<std::uint8_t>& f, auto edit) {
    BITMAPINFOHEADER ih;
    std::memcpy(&ih, f.data() + sizeof(BITMAPFILEHEADER), sizeof ih);
    edit(ih);
    std::memcpy(f.data() + sizeof(BITMAPFILEHEADER), &ih, sizeof ih);
  };
  EXPECT_TRUE(damaged([](auto& f) { f.resize(f.size() - 1); }));
  EXPECT_TRUE(damaged([](auto& f) { f.resize(20); }));
  EXPECT_TRUE(damaged([](auto& f) { f.clear(); }));
  EXPECT_TRUE(damaged([](auto& f) { f[0] = 'X'; }));
  EXPECT_TRUE(damaged([&](auto& f) { header(f, [](auto& ih) { ih.biWidth = 0; }); }));
  EXPECT_TRUE(damaged([&](auto& f) { header(f, [](auto& ih) { ih.biWidth = 100000; }); }));
  EXPECT_TRUE(damaged([&](auto& f) { header(f, [](auto& ih) { ih.biHeight = 0x7FFFFFFF; }); }));
  EXPECT_TRUE(damaged([&](auto& f) { header(f, [](auto& ih) { ih.biBitCount = 7; }); }));
  EXPECT_TRUE(damaged([&](auto& f) { header(f, [](auto& ih) { ih.biCompression = BI_RLE8; }); }));
  EXPECT_TRUE(damaged([&](auto& f) { header(f, [](auto& ih) { ih.biSize = 0xFFFFFFF0u; }); }));
  EXPECT_TRUE(damaged([](auto& f) { f[10] = 0xFF; f[11] = 0xFF; }));  // pixels beyond the end
  EXPECT_TRUE(damaged([](auto& f) { f[10] = 2; }));                    // pixels inside the header
  const std::vector<RGBQUAD> big(300, RGBQUAD{});
  host::DibBitmap b;
  EXPECT_FALSE(b.LoadFromBmp(Bmp(1, 1, 8, big, {0, 0, 0, 0})));
}

TEST(Assign, CopiesAnyGdiBitmap) {
  const auto coded = drawtest::CodedPicture(4, 3);
  host::DibBitmap copy;
  ASSERT_TRUE(copy.Assign(coded.Handle()));
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_EQ(copy.Pixel(3, 2), RGB(3, 2, 7));

  const WORD mono_rows[2] = {0x0080, 0x0000};  // pixel (0, 0) set
  host::Bitmap mono(CreateBitmap(2, 2, 1, 1, mono_rows));
  ASSERT_TRUE(copy.Assign(mono));
  EXPECT_EQ(copy.Pixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(copy.Pixel(1, 0), RGB(0, 0, 0));
  EXPECT_FALSE(copy.Assign(nullptr));
}
