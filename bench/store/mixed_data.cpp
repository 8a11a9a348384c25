#include "mixed_data.h"

#include <algorithm>
#include <string>

namespace bench_data {

Bytes SkinBitmap(int width, int height, std::mt19937& rng) {
  const int stride = (width * 3 + 3) & ~3;
  Bytes b = {'B', 'M'};
  auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put32(54 + stride * height);
  put32(0);
  put32(54);
  put32(40);
  put32(width);
  put32(height);
  b.insert(b.end(), {1, 0, 24, 0});
  for (int i = 0; i < 6; ++i) put32(0);
  const int base = static_cast<int>(rng() % 200);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool key = x < 2 || x >= width - 2;
      const int shade = base + (y * 40) / std::max(1, height) + ((rng() % 16) == 0 ? static_cast<int>(rng() % 8) : 0);
      b.push_back(key ? 255 : static_cast<std::uint8_t>(shade));
      b.push_back(key ? 0 : static_cast<std::uint8_t>(shade + 10));
      b.push_back(key ? 255 : static_cast<std::uint8_t>(shade + 20));
    }
    b.insert(b.end(), static_cast<std::size_t>(stride - width * 3), 0);
  }
  return b;
}

Bytes MixedData(std::size_t total) {
  std::mt19937 rng(77);
  Bytes b;
  b.reserve(total);
  while (b.size() < total) {
    switch (rng() % 4) {
      case 0: {
        const Bytes bmp = SkinBitmap(64, 32, rng);
        b.insert(b.end(), bmp.begin(), bmp.end());
        break;
      }
      case 1: {
        static const std::string text = "[Buttons]\r\nBitmap=buttons.bmp\r\nLeftWidth=4\r\nMouseOverColour=255\r\n";
        for (int i = 0; i < 20; ++i) b.insert(b.end(), text.begin() + static_cast<long>(rng() % 10), text.end());
        break;
      }
      case 2: b.insert(b.end(), 500 + rng() % 4000, static_cast<std::uint8_t>(rng())); break;
      default:
        for (int i = 0; i < 4096; ++i) b.push_back(static_cast<std::uint8_t>(rng()));
    }
  }
  b.resize(total);
  return b;
}

}  // namespace bench_data
