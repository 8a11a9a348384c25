#include "skin/controls/status_bar.h"

#include <commctrl.h>

#include <optional>

#include "host/controls/status_bar.h"
#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "skin/controls/whole_paint.h"
#include "skin/data/skin_data.h"
#include "skin/draw/panel_text.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/draw/single_frame.h"
#include "skin/draw/skin_element.h"

namespace skin {
namespace {

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
  const host::Pen pen(CreatePen(PS_SOLID, 1, colour));
  const host::Selection with(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

// The one-pixel bevel of a skin without status-bar edges.
void Bevel(HDC dc, const RECT& r, bool raised) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF top_left = raised ? light : shadow, bottom_right = raised ? shadow : light;
  Line(dc, r.left, r.bottom - 1, r.left, r.top, top_left);
  Line(dc, r.left, r.top, r.right, r.top, top_left);
  Line(dc, r.right - 1, r.top, r.right - 1, r.bottom, bottom_right);
  Line(dc, r.left, r.bottom - 1, r.right - 1, r.bottom - 1, bottom_right);
}

// Left and right change places in a right-to-left panel.
UINT PanelAlignment(const host::TStatusPanel& panel) {
  const bool rtl = panel.BiDiMode() == host::TBiDiMode::bdRightToLeft;
  switch (panel.Alignment()) {
    case host::TAlignment::taCenter: return DT_CENTER;
    case host::TAlignment::taRightJustify: return rtl ? DT_LEFT : DT_RIGHT;
    default: return rtl ? DT_RIGHT : DT_LEFT;
  }
}

int PanelFrame(const host::TStatusPanel& panel) {
  switch (panel.Bevel()) {
    case host::pbRaised: return 2;
    case host::pbLowered: return 1;
    default: return 3;
  }
}

std::optional<RECT> PanelRect(HWND bar, int index) {
  RECT r{};
  if (!SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return std::nullopt;
  return r;
}

std::wstring OrSpace(std::wstring text) { return text.empty() ? L" " : text; }

}  // namespace

bool TSkinStatusBar::BeforeMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintWhole(*this, m);
      return false;
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinStatusBar::Edge(HDC dc, const RECT& area, int frame) const {
  const TDataSkinObject* edges = SkinData->Elements().StatusBarEdges.get();
  if (edges && !edges->Image.Empty()) {
    DrawSkinElement(dc, area, edges->Image, edges->Margins(), frame, 3, false, edges->Tile == 1, Strip::Horizontal);
  } else if (frame != 3) {
    Bevel(dc, area, frame == 2);
  }
}

void TSkinStatusBar::DrawGrip(HDC dc, const RECT& r) const {
  const TDataSkinObject* extra = SkinData->Elements().ExtraImages.get();
  if (!(GetWindowLongAW(Handle, GWL_STYLE) & SBARS_SIZEGRIP) || !extra || extra->Image.Empty()) return;
  const int n = extra->FrameCount > 0 ? extra->FrameCount : 1;
  const int width = extra->Image.Width() / n, height = extra->Image.Height();
  const RECT grip{r.right - 1 - width, r.bottom - 1 - height, r.right - 1, r.bottom - 1};
  StretchSkinFrame(dc, grip, extra->Image, 5, n, true);
}

void TSkinStatusBar::Draw(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  const SkinElements& e = SkinData->Elements();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  host::DibBitmap own;
  host::DibBitmap& buffer = ScratchBitmap() ? *ScratchBitmap() : own;
  buffer.SetSize(width, height);
  HDC b = buffer.Dc();
  const RECT r{0, 0, width, height};
  FillFace(b, r);

  auto* bar = dynamic_cast<host::TStatusBar*>(Control);
  host::Canvas& canvas = buffer.GetCanvas();
  if (Control) canvas.SetFont(Control->Font()->Handle());
  const TDataSkinObject* edges = e.StatusBarEdges.get();
  canvas.SetFontColour(edges && edges->NormalColour2 != kColourNotGiven
                           ? host::ColourToRgb(edges->NormalColour2)
                           : host::ColourToRgb(Control ? Control->Font()->Color() : host::clWindowText));

  if (!bar || bar->SimplePanel() || bar->Panels()->Count() == 0) {
    const UINT alignment = GetEnumPropText(Control, "BiDiMode") == "bdRightToLeft" ? DT_RIGHT : DT_LEFT;
    Edge(b, r, 1);
    RECT inner = r;
    InflateRect(&inner, -2, 0);
    DrawPanelText(canvas, inner, alignment, true, OrSpace(GetTextProp(Control, "simpletext")));
  } else {
    const int count = bar->Panels()->Count();
    for (int i = 0; i < count; ++i) {
      const host::TStatusPanel& panel = bar->Panels()->Item(i);
      std::optional<RECT> p = PanelRect(Handle, i);
      if (!p) continue;
      p->right += 2;
      if (i == count - 1) p->right = r.right;
      Edge(b, *p, PanelFrame(panel));
      if (panel.Style() != host::psText) continue;
      InflateRect(&*p, -2, 0);
      DrawPanelText(canvas, *p, PanelAlignment(panel), true, OrSpace(host::Widen(panel.Text())));
    }
  }
  DrawGrip(b, r);
  BitBlt(dc, rect.left, rect.top, width, height, b, 0, 0, SRCCOPY);

  if (auto* win = dynamic_cast<host::TWinControl*>(Control)) win->PaintControls(dc);
  if (!bar || !bar->OnDrawPanel || bar->SimplePanel()) return;
  for (int i = 0; i < bar->Panels()->Count(); ++i) {
    std::optional<RECT> p = PanelRect(Handle, i);
    if (!p) continue;
    InflateRect(&*p, -2, -2);
    bar->DrawPanel(dc, bar->Panels()->Item(i), *p);
  }
}

}  // namespace skin
