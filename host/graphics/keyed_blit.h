#pragma once
// Copying through a monochrome mask: where the mask is 1 the destination
// keeps its pixel, where it is 0 the source pixel is copied.
#include <windows.h>

namespace host {

enum class KeyBlit {
  MaskBlt,      // one MaskBlt with a four-operand raster code (NT family)
  ThreeBitBlt,  // invert, mask, invert: works on every family
};

// MaskBlt on the NT family, the three BitBlts elsewhere.
KeyBlit PlatformKeyBlit() noexcept;

// Copies w x h pixels from (sx, sy) of src to (x, y) of dst; mask pixel
// (sx, sy) belongs to source pixel (sx, sy). The mask must not be selected
// into any DC. Returns false when a GDI step fails.
bool KeyedBlit(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, HBITMAP mask, KeyBlit how);

}  // namespace host
