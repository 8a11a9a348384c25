#include "host/graphics/dib_bitmap.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "host/graphics/canvas.h"

namespace host {

namespace {

int StrideFor(int width, PixelFormat format) noexcept {
  return ((width * static_cast<int>(format) + 31) / 32) * 4;
}

// A top-down DIB section, so that row y lies at bits + y * stride.
Bitmap CreateDib(int width, int height, PixelFormat format, std::uint8_t*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(format);
  info.bmiHeader.biCompression = BI_RGB;
  void* raw = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &raw, nullptr, 0));
  bits = bitmap ? static_cast<std::uint8_t*>(raw) : nullptr;
  return bitmap;
}

}  // namespace

void DibBitmap::FreeMemory::operator()(std::uint8_t* p) const noexcept { std::free(p); }

DibBitmap::DibBitmap() noexcept = default;

DibBitmap::DibBitmap(int width, int height, PixelFormat format) : format_(format) {
  SetSize(width, height);
}

DibBitmap::DibBitmap(DibBitmap&& other) noexcept
    : bitmap_(std::move(other.bitmap_)),
      memory_(std::move(other.memory_)),
      bits_(std::exchange(other.bits_, nullptr)),
      written_(std::exchange(other.written_, false)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      format_(other.format_),
      transparent_(other.transparent_),
      transparent_colour_(other.transparent_colour_),
      dc_(std::move(other.dc_)),
      dc_original_bitmap_(std::exchange(other.dc_original_bitmap_, nullptr)),
      canvas_(std::move(other.canvas_)) {}

DibBitmap& DibBitmap::operator=(DibBitmap&& other) noexcept {
  if (this != &other) {
    canvas_.reset();
    DetachFromDc();
    dc_.reset();
    bitmap_ = std::move(other.bitmap_);
    memory_ = std::move(other.memory_);
    bits_ = std::exchange(other.bits_, nullptr);
    written_ = std::exchange(other.written_, false);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    format_ = other.format_;
    transparent_ = other.transparent_;
    transparent_colour_ = other.transparent_colour_;
    dc_ = std::move(other.dc_);
    dc_original_bitmap_ = std::exchange(other.dc_original_bitmap_, nullptr);
    canvas_ = std::move(other.canvas_);
  }
  return *this;
}

DibBitmap::~DibBitmap() {
  canvas_.reset();
  DetachFromDc();
}

void DibBitmap::DetachFromDc() const noexcept {
  if (dc_ && dc_original_bitmap_) SelectObject(dc_, dc_original_bitmap_);
  dc_original_bitmap_ = nullptr;
}

DibBitmap DibBitmap::Clone() const {
  DibBitmap copy(width_, height_, format_);
  if (!copy.Empty() && bits_) {
    if (bitmap_) GdiFlush();
    std::memcpy(copy.bits_, bits_, static_cast<size_t>(Stride()) * static_cast<size_t>(height_));
    copy.written_ = true;
  }
  copy.transparent_ = transparent_;
  copy.transparent_colour_ = transparent_colour_;
  return copy;
}

int DibBitmap::Stride() const noexcept { return StrideFor(width_, format_); }

DibBitmap::Pixels DibBitmap::Allocate(int width, int height, PixelFormat format) const {
  Pixels pixels;
  // Rows are addressed with int strides; a section could not be that wide either.
  if (width <= 0 || height <= 0 || width > (INT_MAX - 31) / 32) return pixels;
  // A bitmap GDI has had is a buffer that GDI will draw on again.
  if (bitmap_ || dc_) {
    pixels.section = CreateDib(width, height, format, pixels.bits);
    return pixels;
  }
  const std::uint64_t bytes = static_cast<std::uint64_t>(StrideFor(width, format)) * static_cast<std::uint64_t>(height);
  if (bytes > PTRDIFF_MAX) return pixels;
  // Zeroed by the allocator: untouched pages of a large picture cost nothing.
  pixels.memory.reset(static_cast<std::uint8_t*>(std::calloc(static_cast<size_t>(bytes), 1)));
  pixels.bits = pixels.memory.get();
  return pixels;
}

void DibBitmap::Replace(Pixels pixels, int width, int height, PixelFormat format) {
  if (dc_) {
    if (pixels.section) {
      HGDIOBJ previous = SelectObject(dc_, pixels.section);
      if (!dc_original_bitmap_) dc_original_bitmap_ = previous;
    } else {
      DetachFromDc();
    }
  }
  bitmap_ = std::move(pixels.section);
  memory_ = std::move(pixels.memory);
  bits_ = pixels.bits;
  written_ = false;
  width_ = bits_ ? width : 0;
  height_ = bits_ ? height : 0;
  format_ = format;
}

bool DibBitmap::ToSection() const noexcept {
  if (bitmap_) return true;
  if (!memory_) return false;
  std::uint8_t* bits = nullptr;
  Bitmap section = CreateDib(width_, height_, format_, bits);
  if (!section) return false;
  if (written_) std::memcpy(bits, memory_.get(), static_cast<size_t>(Stride()) * static_cast<size_t>(height_));
  bitmap_ = std::move(section);
  memory_.reset();
  bits_ = bits;
  return true;
}

HBITMAP DibBitmap::Handle() const noexcept { return ToSection() ? bitmap_.get() : nullptr; }

void DibBitmap::SetSize(int width, int height) { Replace(Allocate(width, height, format_), width, height, format_); }

void DibBitmap::SetFormat(PixelFormat format) {
  if (format == format_) return;
  if (Empty()) {
    format_ = format;
    return;
  }
  Pixels pixels = Allocate(width_, height_, format);
  if (!pixels.bits) return;
  if (bitmap_) GdiFlush();
  const int from = BytesPerPixel();
  const int to = static_cast<int>(format) / 8;
  const int to_stride = StrideFor(width_, format);
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* s = bits_ + static_cast<size_t>(y) * Stride();
    std::uint8_t* d = pixels.bits + static_cast<size_t>(y) * to_stride;
    for (int x = 0; x < width_; ++x, s += from, d += to) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
      if (to == 4) d[3] = 0;
    }
  }
  Replace(std::move(pixels), width_, height_, format);
  written_ = true;
}

std::uint8_t* DibBitmap::ScanLine(int y) noexcept {
  std::uint8_t* row = const_cast<std::uint8_t*>(std::as_const(*this).ScanLine(y));
  if (row) written_ = true;
  return row;
}

const std::uint8_t* DibBitmap::ScanLine(int y) const noexcept {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  if (bitmap_) GdiFlush();
  return bits_ + static_cast<size_t>(y) * Stride();
}

COLORREF DibBitmap::Pixel(int x, int y) const noexcept {
  const std::uint8_t* row = ScanLine(y);
  if (!row || x < 0 || x >= width_) return CLR_INVALID;
  const std::uint8_t* p = row + x * BytesPerPixel();
  return RGB(p[2], p[1], p[0]);
}

void DibBitmap::SetPixel(int x, int y, COLORREF colour) noexcept {
  std::uint8_t* row = ScanLine(y);
  if (!row || x < 0 || x >= width_) return;
  std::uint8_t* p = row + x * BytesPerPixel();
  p[0] = GetBValue(colour);
  p[1] = GetGValue(colour);
  p[2] = GetRValue(colour);
}

HDC DibBitmap::Dc() const {
  if (!ToSection()) return nullptr;
  if (!dc_) {
    dc_.reset(CreateCompatibleDC(nullptr));
    if (!dc_) return nullptr;
    dc_original_bitmap_ = SelectObject(dc_, bitmap_);
  }
  return dc_;
}

Canvas& DibBitmap::GetCanvas() {
  if (!canvas_) canvas_ = std::make_unique<Canvas>();
  // A canvas taken while the bitmap was still empty gets the DC once it exists.
  if (HDC dc = Dc(); dc && canvas_->Handle() != dc) canvas_->SetHandle(dc);
  return *canvas_;
}

Bitmap DibBitmap::Mask(COLORREF key) const { return Mask(key, width_, height_); }

Bitmap DibBitmap::Mask(COLORREF key, int width, int height) const {
  width = std::min(width, width_);
  height = std::min(height, height_);
  if (Empty() || width <= 0 || height <= 0) return Bitmap();
  // Monochrome rows are padded to 16 bits; bit 7 of a byte is its leftmost pixel.
  const int mask_stride = ((width + 15) / 16) * 2;
  std::vector<std::uint8_t> mono(static_cast<size_t>(mask_stride) * static_cast<size_t>(height), 0);
  const std::uint8_t kb = GetBValue(key), kg = GetGValue(key), kr = GetRValue(key);
  const int bpp = BytesPerPixel();
  if (bitmap_) GdiFlush();
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* p = bits_ + static_cast<size_t>(y) * Stride();
    std::uint8_t* m = mono.data() + static_cast<size_t>(y) * mask_stride;
    for (int x = 0; x < width; ++x, p += bpp) {
      if (p[0] == kb && p[1] == kg && p[2] == kr) m[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
    }
  }
  return Bitmap(CreateBitmap(width, height, 1, 1, mono.data()));
}

}  // namespace host
