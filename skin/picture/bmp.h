#pragma once
// The one decoder of .bmp file images the engine has: headers (core, info and
// the longer ones, bit-field masks included), colour tables, 1, 4, 8, 16, 24
// and 32 bits per pixel, run-length coded 4 and 8 bits, rows stored top-down
// or bottom-up. Every read is checked against the file's length; nothing here
// allocates more than one row of pixels.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skin::picture {

enum class Coding { Rgb, Rle8, Rle4, BitFields };

// What the headers of a file say, checked against the file.
struct BmpInfo {
  int width = 0;
  int height = 0;
  int bits = 0;
  bool top_down = false;
  Coding coding = Coding::Rgb;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue: bit fields and 16-bit pictures
  std::vector<std::array<std::uint8_t, 3>> palette;  // blue, green, red
  std::size_t pixels_at = 0;  // the pixel data within the file
  std::size_t pixels_size = 0;

  // Decoded rows hold blue, green, red per pixel, and a fourth byte at 32 bits.
  int BytesPerPixel() const { return bits == 32 ? 4 : 3; }
};

// Greatest width and height taken; larger pictures are refused from their headers.
inline constexpr int kMaxSide = 16384;

// The checked headers, or nothing with `why` saying what is wrong.
std::optional<BmpInfo> ReadBmpInfo(std::span<const std::uint8_t> file, std::string& why);

// Receives decoded row y (0 is the top row), width * BytesPerPixel() bytes.
using RowSink = std::function<void(int y, std::span<const std::uint8_t> row)>;

// Decodes the pixels of a file ReadBmpInfo accepted. Rows a run-length
// picture skips are not handed out: they stay as the receiver started them
// (black). Returns why the pixels cannot be decoded, or an empty text.
std::string DecodeBmp(std::span<const std::uint8_t> file, const BmpInfo& info, const RowSink& sink);

}  // namespace skin::picture
