#include "host/controls/button_face.h"

#include "host/core/text.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/keyed_blit.h"

namespace host {

namespace {
constexpr std::string_view kLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
}  // namespace
const EnumInfo kButtonLayouts{"TButtonLayout", kLayoutNames};

void DrawButtonFace(HDC dc, const RECT& r, const ButtonFace& face) {
  const std::wstring text = Widen(face.caption);
  SIZE t{0, 0};
  if (!text.empty()) {
    RECT calc{0, 0, r.right - r.left, 0};
    DrawTextW(dc, text.c_str(), -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    t = {calc.right, calc.bottom};
  }
  const int count = face.num_glyphs < 1 ? 1 : face.num_glyphs;
  const bool has_glyph = face.glyph && !face.glyph->Empty();
  const SIZE g = has_glyph ? SIZE{face.glyph->Width() / count, face.glyph->Height()} : SIZE{0, 0};

  // Along the layout axis: margin, glyph, spacing, text.
  const bool across = face.layout == blGlyphLeft || face.layout == blGlyphRight;
  const int size = across ? r.right - r.left : r.bottom - r.top;
  const int gp = across ? g.cx : g.cy, tp = across ? t.cx : t.cy;
  int margin = face.margin, spacing = (gp && tp) ? face.spacing : 0;
  if (margin == -1) {
    if (spacing == -1) margin = spacing = (size - (gp + tp)) / 3;
    else margin = (size - (gp + spacing + tp)) / 2;
  } else if (spacing == -1) {
    spacing = (size - margin - gp - tp) / 2;
  }
  const bool glyph_first = face.layout == blGlyphLeft || face.layout == blGlyphTop;
  const int glyph_at = glyph_first ? margin : size - margin - gp;
  const int text_at = glyph_first ? margin + gp + spacing : glyph_at - spacing - tp;
  POINT gpos, tpos;
  if (across) {
    gpos = {r.left + glyph_at, r.top + (r.bottom - r.top - g.cy) / 2};
    tpos = {r.left + text_at, r.top + (r.bottom - r.top - t.cy) / 2};
  } else {
    gpos = {r.left + (r.right - r.left - g.cx) / 2, r.top + glyph_at};
    tpos = {r.left + (r.right - r.left - t.cx) / 2, r.top + text_at};
  }

  if (has_glyph) {
    const int index = face.glyph_index < count ? face.glyph_index : 0;
    const DibBitmap& dib = face.glyph->Dib();
    Bitmap mask = dib.Mask(face.glyph->TransparentColor());
    KeyedBlit(dc, gpos.x, gpos.y, g.cx, g.cy, dib.Dc(), index * g.cx, 0, mask, PlatformKeyBlit());
  }
  if (text.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  RECT tr{tpos.x, tpos.y, tpos.x + t.cx, tpos.y + t.cy};
  if (!face.enabled) {
    // The system's disabled look: an etched text.
    const COLORREF old = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    RECT shadow = tr;
    OffsetRect(&shadow, 1, 1);
    DrawTextW(dc, text.c_str(), -1, &shadow, DT_SINGLELINE);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), -1, &tr, DT_SINGLELINE);
    SetTextColor(dc, old);
    return;
  }
  DrawTextW(dc, text.c_str(), -1, &tr, DT_SINGLELINE);
}

}  // namespace host
