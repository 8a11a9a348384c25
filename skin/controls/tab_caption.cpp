#include "skin/controls/tab_caption.h"

#include <algorithm>

#include "host/gdi/handles.h"
#include "skin/draw/text.h"

namespace skin {
namespace {

constexpr UINT kCaptionFormat = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_SINGLELINE;

// The caption is always drawn upright and thin, whatever the control's font says.
host::Font PlainFont(HDC dc) {
  LOGFONTW font{};
  if (GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font) != sizeof font) return {};
  if (font.lfWeight <= FW_NORMAL && !font.lfItalic && !font.lfUnderline && !font.lfStrikeOut) return {};
  font.lfWeight = FW_NORMAL;
  font.lfItalic = font.lfUnderline = font.lfStrikeOut = FALSE;
  return host::Font(CreateFontIndirectW(&font));
}

}  // namespace

COLORREF TabTextColour(std::int32_t colour, const SkinColours& colours) {
  if (colour == kColourNotGiven || colour == kNoColour) colour = colours.ButtonText;
  return host::ColourToRgb(colour);
}

void DrawTabCaption(HDC dc, const RECT& r, TTabAlign align, std::wstring_view text, int image, HIMAGELIST images,
                    bool enabled) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  int cx = 0, cy = 0;
  if (images) ImageList_GetIconSize(images, &cx, &cy);
  const bool icon = image != -1 && images && cx < width;
  if (!icon) cx = 0;

  RECT q = r;
  if (icon) q.right += cx + 2;
  if (text.empty())
    q.right = q.left;
  else
    DrawTextAW(dc, text, q, kCaptionFormat | DT_CALCRECT | DT_NOCLIP);
  const int text_width = q.right - q.left, text_height = q.bottom - q.top;

  int x = align == TTabAlign::Left ? 3 : align == TTabAlign::Centre ? (width - cx - text_width) / 2
                                                                     : width - cx - text_width - 2;
  if (x < 2) x = 1;
  // The icon's width centres it vertically too: image-list icons are square.
  if (icon) ImageList_Draw(images, image, dc, r.left + x, r.top + (height - cx) / 2, ILD_TRANSPARENT);
  if (text.empty()) return;

  OffsetRect(&q, x + cx, (height - text_height) / 2);
  q.left = std::max(q.left, r.left);
  q.right = std::min(q.right, r.right);
  const host::Font plain = PlainFont(dc);
  const host::Selection with_plain(dc, plain);
  const host::SavedDc saved(dc);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawTextAW(dc, text, q, kCaptionFormat);
}

}  // namespace skin
