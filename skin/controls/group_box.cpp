#include "skin/controls/group_box.h"

#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "skin/controls/content_colours.h"
#include "skin/controls/whole_paint.h"
#include "skin/data/skin_data.h"
#include "skin/draw/parent_background.h"
#include "skin/draw/text.h"

namespace skin {

namespace {

// Where the frame's top edge lies for the font selected into dc.
int FrameTop(HDC dc) {
  SIZE zero{};
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  return zero.cy / 2 - 1;
}

}  // namespace

void TSkinGroupBox::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  TSkinControl::Attach(form, data, use_skin_colour, canvas);
  if (Control) VariantFlag = 1;
}

bool TSkinGroupBox::BeforeMessage(host::TMessage& m) {
  const bool answer = TSkinControl::BeforeMessage(m);
  if (VariantFlag == 0) return answer;
  switch (m.Msg) {
    case WM_PAINT:
      PaintWhole(*this, m);
      return false;
    case WM_ERASEBKGND:
      DrawParentBackground(Handle, reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return false;
  }
  return answer;
}

void TSkinGroupBox::Draw(HDC dc, const RECT& r) {
  if (!SkinData || !Handle) return;
  const SkinElements& e = SkinData->Elements();
  Text = GetWindowTextWide(Handle);
  if (Text.empty() && Control) Text = host::Widen(Control->Caption());

  HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  COLORREF text_colour = GetTextColor(dc);
  if (Control && Control->Font()) {
    font = Control->Font()->Handle();
    text_colour = host::ColourToRgb(Control->Font()->Color());
  }
  const host::Selection with_font(dc, font ? static_cast<HGDIOBJ>(font) : GetCurrentObject(dc, OBJ_FONT));
  const int y = FrameTop(dc);

  if (!Control) {
    RECT edge{0, y, r.right, r.bottom};
    FrameRect(dc, &edge, e.ButtonFaceBrush);
    InflateRect(&edge, -1, -1);
    FrameRect(dc, &edge, e.ButtonFaceBrush);
  }
  {
    const host::Pen pen(CreatePen(PS_SOLID, 1, host::ColourToRgb(e.Colours.ButtonShadow)));
    const host::Selection with_pen(dc, pen), with_brush(dc, GetStockObject(HOLLOW_BRUSH));
    RoundRect(dc, 1, y, r.right - 1, r.bottom - 1, 5, 5);
  }
  const COLORREF old_back = SetBkColor(dc, host::ColourToRgb(e.Colours.ButtonFace));
  const COLORREF old_text = SetTextColor(dc, FaceTextColour(e, IsWindowEnabled(Handle) != FALSE, text_colour));
  RECT caption{r.left + 8, r.top, r.right, r.bottom};
  DrawTextAW(dc, Text, caption, DT_EXPANDTABS);
  SetTextColor(dc, old_text);
  SetBkColor(dc, old_back);

  if (VariantFlag == 1)
    if (auto* win = dynamic_cast<host::TWinControl*>(Control)) win->PaintControls(dc);
}

}  // namespace skin
