// The library's own look of an owner-drawn menu item: a glyph box at the
// left, the caption, the key text at the right.
#include <algorithm>

#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "host/graphics/canvas.h"
#include "host/graphics/image_list.h"
#include "host/menus/menu.h"

namespace host {
namespace {

constexpr int kGlyph = 16;
constexpr int kSeparatorHeight = 8;

// The text left of a tab and the key text right of it; a caption's own tab
// part wins over the item's ShortCut.
struct ItemTexts {
  std::wstring text;
  std::wstring key;
};

ItemTexts SplitCaption(const TMenuItem& item) {
  const std::wstring caption = Widen(item.Caption());
  const std::size_t tab = caption.find(L'\t');
  if (tab == std::wstring::npos) return {caption, Widen(item.ShortCut())};
  return {caption.substr(0, tab), caption.substr(tab + 1)};
}

SIZE TextSize(HDC dc, const std::wstring& text) {
  RECT r{};
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
  return {text.empty() ? 0 : r.right - r.left, r.bottom - r.top};
}

HIMAGELIST ImagesOf(const TMenuItem& item) {
  const TMenu* menu = item.GetParentMenu();
  return menu && menu->Images() ? menu->Images()->HandleIfMade() : nullptr;
}

int GlyphSize(HIMAGELIST images) {
  int cx = kGlyph, cy = kGlyph;
  if (images) ImageList_GetIconSize(images, &cx, &cy);
  return std::max(cx, kGlyph);
}

}  // namespace

void TMenuItem::MeasureDefault(Canvas& canvas, int& width, int& height) const {
  if (IsLine()) {
    width = 0;
    height = kSeparatorHeight;
    return;
  }
  const ItemTexts texts = SplitCaption(*this);
  const SIZE text = TextSize(canvas.Handle(), texts.text);
  const SIZE key = TextSize(canvas.Handle(), texts.key);
  const int glyph = GlyphSize(ImagesOf(*this));
  width = 1 + glyph + 3 + text.cx + (texts.key.empty() ? 0 : kGlyph + key.cx) + 11;
  height = std::max(glyph + 2, static_cast<int>(text.cy) + 4);
}

void TMenuItem::DrawDefault(Canvas& canvas, const RECT& rect, bool selected) const {
  DrawWithColours(canvas, rect, selected,
                  {GetSysColor(COLOR_MENU), GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_MENUTEXT),
                   GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_GRAYTEXT)});
}

void TMenuItem::DrawWithColours(Canvas& canvas, const RECT& rect, bool selected, const MenuItemColours& colours) const {
  const HDC dc = canvas.Handle();
  const Brush back(CreateSolidBrush(selected && enabled_ ? colours.selected_back : colours.back));
  FillRect(dc, &rect, back);
  if (IsLine()) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2 - 1;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const HIMAGELIST images = ImagesOf(*this);
  const int glyph = GlyphSize(images);
  const RECT box{rect.left + 1, rect.top + 1, rect.left + 1 + glyph, rect.top + 1 + glyph};
  if (images && image_index_ >= 0 && image_index_ < ImageList_GetImageCount(images)) {
    ImageList_Draw(images, image_index_, dc, box.left, box.top, ILD_TRANSPARENT | (enabled_ ? 0 : ILD_BLEND50));
  } else if (checked_) {
    RECT mark = box;
    DrawFrameControl(dc, &mark, DFC_MENU, (radio_ ? DFCS_MENUBULLET : DFCS_MENUCHECK) | DFCS_TRANSPARENT);
  }
  const ItemTexts texts = SplitCaption(*this);
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour =
      SetTextColor(dc, !enabled_ ? colours.disabled_text : selected ? colours.selected_text : colours.text);
  const Font bold = default_ ? [&] {
    LOGFONTW font{};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    return Font(CreateFontIndirectW(&font));
  }() : Font();
  const Selection keep(dc, bold.get());
  RECT text{box.right + 3, rect.top, rect.right - 1, rect.bottom};
  DrawTextW(dc, texts.text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
  if (!texts.key.empty()) {
    RECT key{box.right + 3, rect.top, rect.right - 11, rect.bottom};
    DrawTextW(dc, texts.key.c_str(), -1, &key, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
}

}  // namespace host
