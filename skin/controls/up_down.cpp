#include "skin/controls/up_down.h"

#include <commctrl.h>

#include <optional>

#include "host/gdi/handles.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/data/skin_data.h"
#include "skin/draw/single_frame.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

// An edit's skinned border is three pixels wide.
constexpr int kEditBorder = 3;

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
  const host::Brush brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush);
}

}  // namespace

TSkinUpDown* FindUpDownSkinner(const TSkinForm* form, HWND window) {
  if (!form || !window) return nullptr;
  for (TSkinControl* s : form->FControls)
    if (s->Window() == window && s->LifeState != clGone) return dynamic_cast<TSkinUpDown*>(s);
  return nullptr;
}

void DrawSmallArrow(HDC dc, int x, int y, int kind, COLORREF colour) {
  POINT p[3];
  switch (kind) {
    case 0: p[0] = {x - 3, y + 1}; p[1] = {x + 3, y + 1}; p[2] = {x, y - 2}; break;
    case 1: p[0] = {x - 3, y - 1}; p[1] = {x + 3, y - 1}; p[2] = {x, y + 2}; break;
    case 2: p[0] = {x + 1, y - 3}; p[1] = {x + 1, y + 3}; p[2] = {x - 2, y}; break;
    default: p[0] = {x - 1, y - 3}; p[1] = {x - 1, y + 3}; p[2] = {x + 2, y}; break;
  }
  const host::Brush brush(CreateSolidBrush(colour));
  const host::Pen pen(CreatePen(PS_SOLID, 1, colour));
  const host::Selection with_brush(dc, brush), with_pen(dc, pen);
  Polygon(dc, p, 3);
}

bool TSkinUpDown::BeforeMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintClient(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return false;
    case WM_ERASEBKGND:
      if (!Control) {
        RECT client;
        GetClientRect(Handle, &client);
        FillColour(reinterpret_cast<HDC>(m.WParam), client, RGB(255, 255, 255));
      }
      m.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallPrevious(m);
      MouseFlags |= mfPressed;
      PaintFrame(nullptr);
      return false;
    case WM_LBUTTONUP:
      MouseFlags &= ~mfPressed;
      CallPrevious(m);
      PaintFrame(nullptr);
      return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinUpDown::PaintClient(HDC dc) {
  RECT client;
  GetClientRect(Handle, &client);
  if (dc) {
    Draw(dc, client);
    return;
  }
  const host::PaintDc paint(Handle);
  Draw(paint, client);
}

void TSkinUpDown::Draw(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  const SkinElements& e = SkinData->Elements();
  RECT r = rect;
  if (InEdit) {
    RECT client, own, parent;
    GetClientRect(Handle, &client);
    FillColour(dc, client, RGB(255, 255, 255));
    GetWindowRect(Handle, &own);
    GetWindowRect(GetParent(Handle), &parent);
    if (own.top - parent.top < kEditBorder) r.top += kEditBorder - (own.top - parent.top);
    if (parent.bottom - own.bottom < kEditBorder) r.bottom -= kEditBorder - (parent.bottom - own.bottom);
    if (parent.right - own.right < kEditBorder) r.right -= kEditBorder - (parent.right - own.right);
  }
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return;
  host::DibBitmap buffer(width, height);
  HDC b = buffer.Dc();
  if (!b) return;
  FillColour(b, {0, 0, width, height}, host::ColourToRgb(e.Colours.ButtonFace));
  POINT cursor;
  GetCursorPos(&cursor);
  ScreenToClient(Handle, &cursor);
  cursor.x -= r.left;
  cursor.y -= r.top;
  const DWORD style = static_cast<DWORD>(GetWindowLongAW(Handle, GWL_STYLE));
  const bool enabled = !(style & WS_DISABLED);
  const bool horizontal = Horizontal || (style & UDS_HORZ);
  const TDataSkinBorder* element = horizontal ? e.UpDownHorz.get() : e.UpDownVert.get();
  if (element && element->Image.Empty()) element = nullptr;
  for (int part = 0; part < 2; ++part) {
    const RECT button = horizontal ? RECT{part ? width / 2 : 0, 0, part ? width : width / 2, height}
                                   : RECT{0, part ? height / 2 : 0, width, part ? height : height / 2};
    const int kind = horizontal ? 2 + part : part;
    const int state = !enabled ? 3 : !PtInRect(&button, cursor) ? 1 : (MouseFlags & mfPressed) ? 2 : 4;
    if (element) {
      const int frame = state + 4 * kind - (horizontal ? 8 : 0);
      StretchSkinFrame(b, button, element->Image, frame, 8, element->Trans == 1);
      if (!element->Image2.Empty()) {
        const int gw = element->Image2.Width() / 8, gh = element->Image2.Height();
        const int x = button.left + (button.right - button.left - gw) / 2;
        const int y = button.top + (button.bottom - button.top - gh) / 2;
        StretchSkinFrame(b, {x, y, x + gw, y + gh}, element->Image2, frame, 8, true);
      }
      continue;
    }
    const bool lit = state == 2 || state == 4;
    FillColour(b, button, host::ColourToRgb(lit ? e.Colours.ButtonShadow : e.Colours.ButtonFace));
    const host::Brush outline(CreateSolidBrush(host::ColourToRgb(e.Colours.ButtonDkShadow)));
    FrameRect(b, &button, outline);
    const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2 - (horizontal ? 0 : 2);
    DrawSmallArrow(b, cx, cy, kind, host::ColourToRgb(enabled ? host::clWindowText : e.Colours.ButtonShadow));
  }
  BitBlt(dc, r.left, r.top, width, height, b, 0, 0, SRCCOPY);
}

}  // namespace skin
