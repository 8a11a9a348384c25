#include "host/graphics/dib_bitmap.h"

#include <algorithm>

#include "skin/picture/bmp.h"

namespace host {

bool DibBitmap::LoadFromBmp(std::span<const std::uint8_t> file) {
  skin::picture::PictureBudget budget;
  return LoadFromBmp(file, budget);
}

bool DibBitmap::LoadFromBmp(std::span<const std::uint8_t> file, skin::picture::PictureBudget& budget) {
  SetSize(0, 0);
  std::string why;
  const auto info = skin::picture::ReadBmpInfo(file, why);
  if (!info || !budget.Take(info->width, info->height).empty()) return false;
  format_ = info->bits == 32 ? PixelFormat::Bits32 : PixelFormat::Bits24;
  SetSize(info->width, info->height);
  const std::size_t row_bytes = static_cast<std::size_t>(width_) * static_cast<std::size_t>(BytesPerPixel());
  const bool decoded = !Empty() && skin::picture::DecodeBmp(file, *info, [&](int y, std::span<const std::uint8_t> row) {
                                     std::copy_n(row.begin(), std::min(row.size(), row_bytes), ScanLine(y));
                                   }).empty();
  if (!decoded) SetSize(0, 0);
  return decoded;
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
