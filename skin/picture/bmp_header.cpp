#include "skin/picture/bmp.h"

#include "skin/picture/bytes.h"

namespace skin::picture {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kCoreHeader = 12;
constexpr std::size_t kInfoHeader = 40;
// Bit-field masks follow the 40-byte part of any info header, inside a longer
// header or after a short one.
constexpr std::size_t kMasksEnd = kFileHeader + kInfoHeader + 12;

std::string Text(std::int64_t n) { return std::to_string(n); }

std::optional<BmpInfo> Fail(std::string& why, std::string text) {
  why = std::move(text);
  return std::nullopt;
}

bool CodingFits(std::uint32_t compression, int bits, Coding& coding) {
  switch (compression) {
    case 0: coding = Coding::Rgb; return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case 1: coding = Coding::Rle8; return bits == 8;
    case 2: coding = Coding::Rle4; return bits == 4;
    case 3: coding = Coding::BitFields; return bits == 16 || bits == 32;
  }
  return false;
}

}  // namespace

std::optional<BmpInfo> ReadBmpInfo(std::span<const std::uint8_t> file, std::string& why) {
  if (file.size() < kFileHeader + 4) return Fail(why, "it is " + Text(file.size()) + " bytes, too short for a bitmap");
  if (file[0] != 'B' || file[1] != 'M') return Fail(why, "it does not start with \"BM\"");
  const std::size_t offset = Le32(file, 10);
  const std::size_t header = Le32(file, kFileHeader);
  const bool core = header == kCoreHeader;
  if ((!core && header < kInfoHeader) || !Fits(file, kFileHeader, header))
    return Fail(why, "its bitmap header size " + Text(header) + " does not fit a header in " + Text(file.size()) + " bytes");

  const std::size_t h = kFileHeader;
  const auto Signed32 = [&](std::size_t at) -> std::int64_t { return static_cast<std::int32_t>(Le32(file, at)); };
  const std::int64_t width = core ? std::int64_t{Le16(file, h + 4)} : Signed32(h + 4);
  const std::int64_t signed_height = core ? std::int64_t{Le16(file, h + 6)} : Signed32(h + 8);
  const std::uint32_t planes = Le16(file, h + (core ? 8 : 12));
  const int bits = static_cast<int>(Le16(file, h + (core ? 10 : 14)));
  const std::uint32_t compression = core ? 0 : Le32(file, h + 16);
  const std::int64_t height = signed_height < 0 ? -signed_height : signed_height;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
    return Fail(why, "its size " + Text(width) + " x " + Text(signed_height) + " is not one of 1 to " +
                         Text(kMaxSide) + " pixels a side");
  if (planes != 1) return Fail(why, "it has " + Text(planes) + " colour planes, not 1");

  BmpInfo info;
  info.width = static_cast<int>(width);
  info.height = static_cast<int>(height);
  info.bits = bits;
  info.top_down = signed_height < 0;
  if (!CodingFits(compression, bits, info.coding) || (core && bits > 8 && bits != 24))
    return Fail(why, "its compression " + Text(compression) + " with " + Text(bits) + " bits per pixel is not one the engine reads");
  const bool rle = info.coding == Coding::Rle8 || info.coding == Coding::Rle4;
  if (rle && info.top_down) return Fail(why, "a run-length coded picture cannot be stored top-down");

  std::size_t table_at = kFileHeader + header;
  if (info.coding == Coding::BitFields) {
    if (file.size() < kMasksEnd) return Fail(why, "its bit-field masks end past the end of the file");
    for (std::size_t i = 0; i < 3; ++i) info.masks[i] = Le32(file, kFileHeader + kInfoHeader + 4 * i);
    if (table_at < kMasksEnd) table_at = kMasksEnd;
  } else if (bits == 16) {
    info.masks = {0x7C00, 0x03E0, 0x001F};
  }

  if (bits <= 8) {
    const std::size_t used = core ? 0 : Le32(file, h + 32);
    const std::size_t colours = used ? used : std::size_t{1} << bits;
    if (colours > 256) return Fail(why, "its colour table has " + Text(colours) + " entries, more than 256");
    const std::size_t entry = core ? 3 : 4;
    if (!Fits(file, table_at, colours * entry)) return Fail(why, "its colour table ends past the end of the file");
    info.palette.resize(colours);
    for (std::size_t i = 0; i < colours; ++i)
      for (std::size_t c = 0; c < 3; ++c) info.palette[i][c] = file[table_at + i * entry + c];
    table_at += colours * entry;
  }

  if (offset < table_at || offset >= file.size())
    return Fail(why, "its pixels start at offset " + Text(offset) + ", outside the " + Text(table_at) + " to " +
                         Text(file.size()) + " bytes after its headers");
  const std::size_t available = file.size() - offset;
  info.pixels_at = offset;
  if (rle) {
    info.pixels_size = Le32(file, h + 20);
    if (info.pixels_size == 0 || info.pixels_size > available)
      return Fail(why, "its run-length data of " + Text(info.pixels_size) + " bytes does not fit the " +
                           Text(available) + " bytes that follow its headers");
  } else {
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    const std::uint64_t needed = stride * static_cast<std::uint64_t>(height);
    if (needed > available)
      return Fail(why, "its pixels need " + Text(static_cast<std::int64_t>(needed)) + " bytes but only " +
                           Text(available) + " follow its headers");
    info.pixels_size = static_cast<std::size_t>(needed);
  }
  return info;
}

}  // namespace skin::picture
