#pragma once
// A device-independent bitmap whose rows can be addressed directly, with a
// canvas for GDI drawing and an optional transparent colour.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

#include "host/gdi/handles.h"
#include "skin/picture/picture_budget.h"

namespace host {

class Canvas;

enum class PixelFormat { Bits24 = 24, Bits32 = 32 };

class DibBitmap {
public:
  DibBitmap() noexcept;
  // A black picture; a width or height of 0 or less gives an empty bitmap.
  DibBitmap(int width, int height, PixelFormat format = PixelFormat::Bits24);
  DibBitmap(DibBitmap&& other) noexcept;
  DibBitmap& operator=(DibBitmap&& other) noexcept;
  DibBitmap(const DibBitmap&) = delete;
  DibBitmap& operator=(const DibBitmap&) = delete;
  ~DibBitmap();

  // Reads a .bmp file image (file header, info header, colours, pixels) of
  // any bit depth GDI reads; 32-bit pictures stay 32-bit, all others become
  // 24-bit. Damaged or truncated data, or a picture over the budget, leaves
  // the bitmap empty and gives false. Without a budget only the bound of one
  // picture applies.
  bool LoadFromBmp(std::span<const std::uint8_t> file);
  bool LoadFromBmp(std::span<const std::uint8_t> file, skin::picture::PictureBudget& budget);
  // Takes a copy of any GDI bitmap at 24 bits per pixel; false for no bitmap.
  bool Assign(HBITMAP bitmap);

  // An independent copy: pixels, format and transparency settings.
  DibBitmap Clone() const;

  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  bool Empty() const noexcept { return width_ <= 0 || height_ <= 0; }
  PixelFormat Format() const noexcept { return format_; }
  int BytesPerPixel() const noexcept { return static_cast<int>(format_) / 8; }
  // Bytes from one row to the next (rows are padded to 4 bytes).
  int Stride() const noexcept;

  // New black pixels of the given size; the old picture is dropped.
  void SetSize(int width, int height);
  // Converts the pixels in place (24 to 32 bits gives alpha 0).
  void SetFormat(PixelFormat format);

  // Row y, top to bottom, bytes blue, green, red (and a fourth at 32 bits).
  // Pending GDI drawing is flushed first. Null for a row outside the picture.
  std::uint8_t* ScanLine(int y) noexcept;
  const std::uint8_t* ScanLine(int y) const noexcept;
  COLORREF Pixel(int x, int y) const noexcept;
  void SetPixel(int x, int y, COLORREF colour) noexcept;

  HBITMAP Handle() const noexcept { return bitmap_.get(); }
  // The memory DC the picture is selected into, created on first use; null
  // for an empty bitmap.
  HDC Dc() const;
  // The canvas over Dc(); it keeps its brush, pen and font across resizes.
  Canvas& GetCanvas();

  bool Transparent() const noexcept { return transparent_; }
  void SetTransparent(bool on) noexcept { transparent_ = on; }
  COLORREF TransparentColour() const noexcept { return transparent_colour_; }
  void SetTransparentColour(COLORREF colour) noexcept { transparent_colour_ = colour; }

  // A monochrome bitmap of the same size: 1 (white) where the picture has
  // the key colour, 0 (black) elsewhere. Null for an empty bitmap.
  Bitmap Mask(COLORREF key) const;
  // The same for the top-left width x height part (clipped to the picture).
  Bitmap Mask(COLORREF key, int width, int height) const;

private:
  void Replace(Bitmap bitmap, std::uint8_t* bits, int width, int height, PixelFormat format);
  void DetachFromDc() const noexcept;

  Bitmap bitmap_;
  std::uint8_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Bits24;
  bool transparent_ = false;
  COLORREF transparent_colour_ = RGB(255, 0, 255);
  mutable MemoryDc dc_;
  mutable HGDIOBJ dc_original_bitmap_ = nullptr;
  std::unique_ptr<Canvas> canvas_;
};

}  // namespace host
