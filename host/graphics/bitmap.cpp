#include "host/graphics/bitmap.h"

#include <cstring>

namespace host {

const ClassInfo& TBitmap::Info() {
  static const ClassInfo info{"TBitmap", nullptr, {
      props::Binary<&TBitmap::Data, &TBitmap::SetData>("Data"),
  }};
  return info;
}

bool TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  Clear();
  std::span<const std::uint8_t> file = bytes;
  if (file.size() >= 6 && !(file[0] == 'B' && file[1] == 'M')) {
    std::uint32_t length;
    std::memcpy(&length, file.data(), sizeof(length));
    if (length == file.size() - 4) file = file.subspan(4);
  }
  if (!dib_.LoadFromBmp(file)) return false;
  dib_.SetTransparent(true);
  dib_.SetTransparentColour(dib_.Pixel(0, dib_.Height() - 1));
  const auto length = static_cast<std::uint32_t>(file.size());
  data_.resize(4);
  std::memcpy(data_.data(), &length, sizeof(length));
  data_.insert(data_.end(), file.begin(), file.end());
  return true;
}

// A bitmap resource is a BMP file without its file header.
bool TBitmap::LoadFromResource(HINSTANCE instance, const wchar_t* name) {
  Clear();
  HRSRC res = FindResourceW(instance, name, MAKEINTRESOURCEW(2));  // RT_BITMAP
  HGLOBAL handle = res ? LoadResource(instance, res) : nullptr;
  const auto* info = static_cast<const std::uint8_t*>(handle ? LockResource(handle) : nullptr);
  const DWORD size = res ? SizeofResource(instance, res) : 0;
  if (!info || size < sizeof(BITMAPINFOHEADER)) return false;
  BITMAPINFOHEADER header;
  std::memcpy(&header, info, sizeof(header));
  const DWORD colours = header.biClrUsed ? header.biClrUsed : (header.biBitCount <= 8 ? 1u << header.biBitCount : 0);
  const DWORD masks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER) ? 12 : 0;
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + size), 0, 0,
                        static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + header.biSize + masks + colours * 4)};
  Bytes bytes(sizeof(file) + size);
  std::memcpy(bytes.data(), &file, sizeof(file));
  std::memcpy(bytes.data() + sizeof(file), info, size);
  return LoadFromBytes(bytes);
}

// The stored image is written as a BMP file of the picture's own depth.
void TBitmap::Assign(const DibBitmap& picture) {
  Clear();
  if (picture.Empty()) return;
  dib_ = picture.Clone();
  const auto rows = static_cast<DWORD>(picture.Stride()) * static_cast<DWORD>(picture.Height());
  BITMAPINFOHEADER info{sizeof(info), picture.Width(), picture.Height(), 1,
                        static_cast<WORD>(picture.BytesPerPixel() * 8), BI_RGB, rows};
  const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(info);
  const BITMAPFILEHEADER file{0x4D42, offset + rows, 0, 0, offset};
  const DWORD length = offset + rows;
  data_.resize(4 + offset + rows);
  std::memcpy(data_.data(), &length, sizeof(length));
  std::memcpy(data_.data() + 4, &file, sizeof(file));
  std::memcpy(data_.data() + 4 + sizeof(file), &info, sizeof(info));
  for (int y = 0; y < picture.Height(); ++y)  // bottom row first
    std::memcpy(data_.data() + 4 + offset + static_cast<size_t>(y) * picture.Stride(),
                picture.ScanLine(picture.Height() - 1 - y), static_cast<size_t>(picture.Stride()));
}

void TBitmap::Clear() {
  dib_ = DibBitmap();
  data_.clear();
}

}  // namespace host
