#pragma once
// A device-independent bitmap whose rows can be addressed directly, with a
// canvas for GDI drawing and an optional transparent colour.
//
// The pixels live in plain memory until GDI first needs the picture (Handle,
// Dc or GetCanvas), and in a DIB section from then on. Most skin pictures are
// only ever read or copied in memory, and a DIB section costs a system object
// and fresh pages. Pointers from ScanLine are valid until the next call of
// Handle, Dc, GetCanvas, SetSize or SetFormat.
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

  // Null for an empty bitmap, or when the system has no room for the section.
  HBITMAP Handle() const noexcept;
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
  struct FreeMemory {
    void operator()(std::uint8_t* p) const noexcept;
  };
  using Memory = std::unique_ptr<std::uint8_t[], FreeMemory>;
  // Pixels of one size and format: in memory, or in a section once GDI has
  // had the picture.
  struct Pixels {
    Bitmap section;
    Memory memory;
    std::uint8_t* bits = nullptr;
  };
  Pixels Allocate(int width, int height, PixelFormat format) const;
  void Replace(Pixels pixels, int width, int height, PixelFormat format);
  // Moves the pixels into a section; false when there are none or no room.
  bool ToSection() const noexcept;
  void DetachFromDc() const noexcept;

  mutable Bitmap bitmap_;
  mutable Memory memory_;
  mutable std::uint8_t* bits_ = nullptr;
  // Whether the memory was written since it was allocated all zero: a
  // section made from unwritten memory needs no copy of it.
  bool written_ = false;
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
