#include "skin/controls/tab_set.h"

#include "host/controls/tab_set.h"
#include "host/core/text.h"
#include "skin/controls/tab_caption.h"
#include "skin/controls/whole_paint.h"
#include "skin/data/skin_data.h"
#include "skin/draw/bitmap_copy.h"
#include "skin/draw/bitmap_effects.h"
#include "skin/draw/panel_text.h"
#include "skin/draw/skin_element.h"

namespace skin {

void TSkinTab31::Attach(TSkinForm* form, TSkinData* data, bool, host::Canvas* canvas) {
  if (Attached) return;
  auto* tab_set = dynamic_cast<host::TWinControl*>(Owner());
  if (!tab_set) return;
  Control = tab_set;
  AttachWindow(tab_set->Handle(), data, form, canvas);
  LoadTabImage();
}

// The picture first: the repaint that follows shows the new skin.
void TSkinTab31::SkinChanged() {
  LoadTabImage();
  TSkinControl::SkinChanged();
}

void TSkinTab31::LoadTabImage() {
  TabImage = host::DibBitmap();
  const TDataSkinBorder* tabs = SkinData ? SkinData->Elements().Tabs.get() : nullptr;
  if (!tabs || tabs->Image.Empty()) return;
  CopyBitmap(tabs->Image, TabImage);
  FlipBitmap(TabImage);
}

bool TSkinTab31::BeforeMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      // The tab set still sees its paint: what it draws finds nothing left to cover.
      PaintWhole(*this, m);
      return true;
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinTab31::Draw(HDC dc, const RECT& rect) {
  auto* tab_set = dynamic_cast<host::TTabSet*>(Control);
  const TDataSkinBorder* tabs = SkinData ? SkinData->Elements().Tabs.get() : nullptr;
  if (TabImage.Empty() || !tab_set || !tabs) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  host::DibBitmap buffer(width, height);
  HDC b = buffer.Dc();
  if (!b) return;
  FillFace(b, {0, 0, width, height});
  host::Canvas& canvas = buffer.GetCanvas();
  canvas.SetFont(tab_set->Font()->Handle());

  const host::StringList& texts = tab_set->Tabs();
  const int room = width - tab_set->EndMargin();
  int x = tab_set->StartMargin();
  for (int i = tab_set->FirstIndex(); i < static_cast<int>(texts.size()); ++i) {
    const std::wstring text = host::Widen(texts[static_cast<size_t>(i)]);
    SIZE size{};
    GetTextExtentPoint32W(b, text.c_str(), static_cast<int>(text.size()), &size);
    const int w = size.cx + host::TTabSet::kTabPadding;
    if (x + w > room) continue;  // skipped: a later, shorter tab may still fit
    const bool selected = i == tab_set->TabIndex();
    const RECT r{x, 0, x + w, height};
    DrawSkinElement(buffer, r, TabImage, tabs->Margins(), selected ? 2 : 1, tabs->FrameCount, tabs->Trans == 1,
                    tabs->Tile == 1, Strip::Horizontal);
    canvas.SetFontColour(TabTextColour(selected ? tabs->MouseOverColour2 : tabs->NormalColour2,
                                       SkinData->Elements().Colours));
    DrawPanelText(canvas, r, DT_CENTER, true, text);
    x += w;
  }
  BitBlt(dc, rect.left, rect.top, width, height, b, 0, 0, SRCCOPY);
}

}  // namespace skin
