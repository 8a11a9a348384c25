#include "skin/draw/panel_text.h"

#include "skin/draw/text.h"

namespace skin {

void DrawPanelText(host::Canvas& canvas, const RECT& rect, UINT alignment, bool enabled, std::wstring_view text) {
  HDC dc = canvas.Handle();
  if (!dc) return;
  SetBkMode(dc, TRANSPARENT);
  LOGFONTW font{};
  if (GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font) == sizeof font &&
      (font.lfWeight > FW_NORMAL || font.lfItalic || font.lfUnderline || font.lfStrikeOut)) {
    font.lfWeight = FW_NORMAL;
    font.lfItalic = font.lfUnderline = font.lfStrikeOut = FALSE;
    canvas.SetFont(font);
  }
  RECT measured = rect;
  DrawTextAW(dc, text, measured, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | alignment);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int text_width = measured.right - measured.left, text_height = measured.bottom - measured.top;
  RECT r;
  if (alignment & DT_CENTER) {
    r = {rect.left, rect.top, rect.left + text_width, rect.top + text_height};
    OffsetRect(&r, (width - text_width) / 2, (height - text_height) / 2 - 1);
  } else {
    r = {rect.left, rect.top, rect.right, rect.top + text_height};
    OffsetRect(&r, 0, (height - text_height) / 2 - 1);
  }
  if (!enabled) canvas.SetFontColour(GetSysColor(COLOR_BTNSHADOW));
  // Not clipped to the measured width: some systems draw a pixel or two wider than they measure.
  DrawTextAW(dc, text, r, DT_EXPANDTABS | DT_NOCLIP | alignment);
}

}  // namespace skin
