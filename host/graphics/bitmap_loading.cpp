#include "host/graphics/dib_bitmap.h"

#include <cstring>
#include <vector>

namespace host {

namespace {

// Pictures larger than this are refused rather than allocated.
constexpr std::int64_t kMaxDimension = 16384;

template <class T>
T Read(std::span<const std::uint8_t> data, size_t at) {
  T value;
  std::memcpy(&value, data.data() + at, sizeof value);
  return value;
}

}  // namespace

bool DibBitmap::LoadFromBmp(std::span<const std::uint8_t> file) {
  SetSize(0, 0);
  constexpr size_t kFileHeader = sizeof(BITMAPFILEHEADER);
  if (file.size() < kFileHeader + sizeof(BITMAPINFOHEADER)) return false;
  const auto fh = Read<BITMAPFILEHEADER>(file, 0);
  auto ih = Read<BITMAPINFOHEADER>(file, kFileHeader);
  if (fh.bfType != 0x4D42 || ih.biSize < sizeof(BITMAPINFOHEADER) || ih.biSize > file.size() - kFileHeader)
    return false;
  const std::int64_t width = ih.biWidth, height = ih.biHeight < 0 ? -std::int64_t{ih.biHeight} : ih.biHeight;
  if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension || ih.biPlanes != 1) return false;

  const WORD bits = ih.biBitCount;
  const DWORD compression = ih.biCompression;
  const bool rle = compression == BI_RLE8 || compression == BI_RLE4;
  if (rle ? !((compression == BI_RLE8 && bits == 8) || (compression == BI_RLE4 && bits == 4)) || ih.biHeight < 0
          : !(compression == BI_RGB || (compression == BI_BITFIELDS && (bits == 16 || bits == 32))))
    return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;

  // Colour table (or the three masks that follow a plain info header).
  std::int64_t colours = 0;
  if (bits <= 8) colours = ih.biClrUsed ? ih.biClrUsed : (1 << bits);
  if (colours > 256) return false;
  const std::int64_t masks = compression == BI_BITFIELDS && ih.biSize == sizeof(BITMAPINFOHEADER) ? 12 : 0;
  const std::int64_t header_end = static_cast<std::int64_t>(kFileHeader) + ih.biSize + masks + colours * 4;
  if (header_end > static_cast<std::int64_t>(file.size()) || fh.bfOffBits < header_end ||
      fh.bfOffBits >= file.size())
    return false;

  const std::int64_t available = static_cast<std::int64_t>(file.size()) - fh.bfOffBits;
  const std::int64_t stride = ((width * bits + 31) / 32) * 4;
  const std::int64_t needed = rle ? ih.biSizeImage : stride * height;
  if (needed <= 0 || needed > available) return false;

  // GDI reads the header, masks and colours as one block; a plain info
  // header stands in for longer ones.
  std::vector<std::uint8_t> info(sizeof(BITMAPINFOHEADER) + static_cast<size_t>(masks + colours * 4));
  ih.biSize = sizeof(BITMAPINFOHEADER);
  std::memcpy(info.data(), &ih, sizeof ih);
  const size_t extra_from = kFileHeader + Read<BITMAPINFOHEADER>(file, kFileHeader).biSize;
  std::memcpy(info.data() + sizeof ih, file.data() + extra_from, info.size() - sizeof ih);
  if (masks == 0 && compression == BI_BITFIELDS) {
    // Masks inside a longer header sit right after the plain part.
    info.resize(sizeof ih + 12);
    std::memcpy(info.data() + sizeof ih, file.data() + kFileHeader + sizeof ih, 12);
  }

  format_ = bits == 32 ? PixelFormat::Bits32 : PixelFormat::Bits24;
  SetSize(static_cast<int>(width), static_cast<int>(height));
  if (Empty()) return false;
  const int rows = SetDIBits(nullptr, bitmap_, 0, static_cast<UINT>(height), file.data() + fh.bfOffBits,
                             reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
  if (rows != static_cast<int>(height)) {
    SetSize(0, 0);
    return false;
  }
  return true;
}

bool DibBitmap::Assign(HBITMAP source) {
  BITMAP info{};
  if (!source || GetObjectW(source, sizeof info, &info) == 0) return false;
  format_ = PixelFormat::Bits24;
  SetSize(info.bmWidth, info.bmHeight);
  if (Empty()) return false;
  MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  Selection selected(dc, source);
  HDC target = Dc();
  // A monochrome source takes these: 0 black, 1 white.
  const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
  const COLORREF background = SetBkColor(target, RGB(255, 255, 255));
  const bool ok = BitBlt(target, 0, 0, width_, height_, dc, 0, 0, SRCCOPY) != FALSE;
  SetBkColor(target, background);
  SetTextColor(target, text);
  return ok;
}

}  // namespace host
