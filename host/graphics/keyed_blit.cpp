#include "host/graphics/keyed_blit.h"

#include "host/gdi/handles.h"
#include "host/graphics/platform.h"

namespace host {

namespace {

// Raster operation that leaves the destination as it is.
constexpr DWORD kKeepDestination = 0x00AA0029;

bool ThroughMaskBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, HBITMAP mask) {
  return MaskBlt(dst, x, y, w, h, src, sx, sy, mask, sx, sy, MAKEROP4(kKeepDestination, SRCCOPY)) != FALSE;
}

// dst ^= src; dst &= mask (key pixels white, others black); dst ^= src.
// Key pixels come back to the destination, others end as the source.
bool ThroughThreeBitBlts(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, HBITMAP mask) {
  MemoryDc mask_dc(CreateCompatibleDC(dst));
  if (!mask_dc) return false;
  Selection selected(mask_dc, mask);
  // A monochrome source takes the destination's colours: 1 becomes the
  // background colour, 0 the text colour.
  const COLORREF background = SetBkColor(dst, RGB(255, 255, 255));
  const COLORREF text = SetTextColor(dst, RGB(0, 0, 0));
  const bool ok = BitBlt(dst, x, y, w, h, src, sx, sy, SRCINVERT) &&
                  BitBlt(dst, x, y, w, h, mask_dc, sx, sy, SRCAND) &&
                  BitBlt(dst, x, y, w, h, src, sx, sy, SRCINVERT);
  SetTextColor(dst, text);
  SetBkColor(dst, background);
  return ok;
}

}  // namespace

KeyBlit PlatformKeyBlit() noexcept {
  return Win32Platform() == VER_PLATFORM_WIN32_NT ? KeyBlit::MaskBlt : KeyBlit::ThreeBitBlt;
}

bool KeyedBlit(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, HBITMAP mask, KeyBlit how) {
  if (!dst || !src || !mask || w <= 0 || h <= 0) return false;
  return how == KeyBlit::MaskBlt ? ThroughMaskBlt(dst, x, y, w, h, src, sx, sy, mask)
                                 : ThroughThreeBitBlts(dst, x, y, w, h, src, sx, sy, mask);
}

}  // namespace host
