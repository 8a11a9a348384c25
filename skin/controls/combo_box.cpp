#include "skin/controls/combo_box.h"

#include "host/gdi/handles.h"
#include "skin/controls/skinner_factory.h"
#include "skin/data/skin_data.h"
#include "skin/draw/single_frame.h"
#include "skin/draw/skin_element.h"
#include "skin/form/engine_messages.h"

namespace skin {

void TSkinComBox::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, data, use_skin_colour, canvas);
  HookChildren();
}

void TSkinComBox::AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) {
  if (Attached) return;
  TSkinControl::AttachWindow(window, data, form, canvas);
  HookChildren();
}

void TSkinComBox::HookChildren() {
  if (!Handle) return;
  WndStyle = static_cast<DWORD>(GetWindowLongAW(Handle, GWL_STYLE));
  if ((WndStyle & 3) != CBS_SIMPLE) {
    EditWindow = GetTopWindow(Handle);
    if (EditWindow)
      edit_.Install(EditWindow, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
        return EditMessage(msg, wparam, lparam);
      }, IsWindowUnicode(EditWindow) != FALSE);
    return;
  }
  Info.cbSize = sizeof(Info);
  if (!GetComboBoxInfo(Handle, &Info)) return;
  ListWindow = Info.hwndList;
  // Hook for the list's scroll bars: the bare-window scroll-bar skinner
  // takes them once the factory makes one; until then they stay the system's.
  if (ListWindow && FormSkinner && !IsSkinned(ListWindow) && (GetWindowLongW(ListWindow, GWL_STYLE) & WS_CHILD))
    MakeSkinner({TSkinnerClass::Scrollbar, nullptr, ListWindow}, *FormSkinner);
}

LRESULT TSkinComBox::EditMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  // The edit's own handling may free the combo (and this skinner with it).
  const auto scope = EnterHandler();
  const LRESULT result = edit_.CallPrevious(msg, wparam, lparam);
  if (!SkinActive) return result;
  if (msg == WM_PAINT || TrackPress(msg)) PaintFrame(nullptr);
  return result;
}

bool TSkinComBox::TrackPress(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseFlags |= mfPressed;
      return true;
    case WM_LBUTTONUP:
      MouseFlags &= ~mfPressed;
      return true;
  }
  return false;
}

void TSkinComBox::Restore() {
  edit_.Remove();
  TSkinControl::Restore();
}

void TSkinComBox::AfterMessage(host::TMessage& m) {
  if (TrackPress(m.Msg)) {
    PaintFrame(nullptr);
    return;
  }
  switch (m.Msg) {
    case WM_DRAWITEM:
    case WM_NCPAINT:
      PaintFrame(nullptr);
      break;
    case host::CM_MOUSEENTER:
      if (IsWindowEnabled(Handle)) MouseFlags |= mfHot;
      break;
    case host::CM_MOUSELEAVE:
      if (IsWindowEnabled(Handle)) {
        MouseFlags &= ~mfHot;
        PaintFrame(nullptr);
      }
      break;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinComBox::Draw(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  const TDataSkinBorder* button = SkinData->Elements().ComboButton.get();
  if (!button || button->Image.Empty()) return;
  WndStyle = static_cast<DWORD>(GetWindowLongAW(Handle, GWL_STYLE));
  WndExStyle = static_cast<DWORD>(GetWindowLongAW(Handle, GWL_EXSTYLE));
  Info.cbSize = sizeof(Info);
  if (GetComboBoxInfo(Handle, &Info) && (Info.stateButton & STATE_SYSTEM_INVISIBLE)) return;
  const HWND focus = GetFocus();
  const bool focused = focus && (focus == Handle || focus == EditWindow);
  const bool enabled = !(WndStyle & WS_DISABLED);
  const bool left = WndExStyle & WS_EX_LEFTSCROLLBAR;
  const int state = (MouseFlags & mfPressed) ? 2 : (focused || (MouseFlags & mfHot)) ? 4 : 1;
  if (button->Style == 1) {
    DrawSimple(dc, rect, state == 1 && !enabled ? 3 : state);
    return;
  }
  const int frame = enabled ? state : 3;
  FillEditRing(dc, rect, enabled, left);
  if (button->Style == 2) {
    // One picture of the whole combo, its text area keyed out; the sunken
    // edge holds its mirror with the button on the left.
    const TDataSkinObject* whole = left ? SkinData->Elements().SunkEdge.get() : button;
    if (whole)
      DrawSkinElement(dc, rect, whole->Image, whole->Margins(), frame, whole->FrameCount, true, whole->Tile == 1,
                      Strip::Horizontal);
    return;
  }
  DrawComposed(dc, rect, frame, left);
}

void TSkinComBox::FillEditRing(HDC dc, const RECT& r, bool enabled, bool left) const {
  const SkinElements& e = SkinData->Elements();
  const HBRUSH content = enabled ? e.ContentBrush.get() : e.ContentDisabledBrush.get();
  if (!content || !EditWindow) return;
  RECT edit, combo;
  if (!GetWindowRect(EditWindow, &edit) || !GetWindowRect(Handle, &combo)) return;
  OffsetRect(&edit, -combo.left, -combo.top);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const RECT area = left ? RECT{r.left + a + 4, r.top + 2, r.right - 2, r.bottom - 2}
                         : RECT{r.left + 2, r.top + 2, r.right - a - 4, r.bottom - 2};
  const host::SavedDc saved(dc);
  ExcludeClipRect(dc, edit.left, edit.top, edit.right, edit.bottom);
  FillRect(dc, &area, content);
}

void TSkinComBox::DrawComposed(HDC dc, const RECT& r, int frame, bool left) const {
  const SkinElements& e = SkinData->Elements();
  const TDataSkinBorder& button = *e.ComboButton;
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const host::SavedDc saved(dc);
  if (left) {
    ExcludeClipRect(dc, r.left + a + 4, r.top + 2, r.right - 2, r.bottom - 2);
  } else {
    ExcludeClipRect(dc, r.left + 2, r.top + 2, r.right - a - 4, r.bottom - 2);
  }
  const RECT box = left ? RECT{r.left, r.top, r.left + a + 2, r.bottom} : RECT{r.right - a - 2, r.top, r.right, r.bottom};
  const RECT glyph = left ? RECT{2, r.top, a + 2, r.bottom} : RECT{box.left, r.top, r.right - 2, r.bottom};
  if (e.SunkEdge) DrawSkinObject(dc, r, e.SunkEdge->FrameCount, frame, *e.SunkEdge);
  CopySkinFrame(dc, box, left ? button.Image2 : button.Image, frame, button.FrameCount, true);
  // The arrow glyph is always opaque, whatever its element's Trans says.
  if (e.ExtraImages && !e.ExtraImages->Image.Empty())
    CenterSkinFrame(dc, glyph, e.ExtraImages->Image, frame, e.ExtraImages->FrameCount, false);
}

void TSkinComBox::DrawSimple(HDC dc, const RECT& rect, int state) const {
  const SkinElements& e = SkinData->Elements();
  const TDataSkinBorder& button = *e.ComboButton;
  const int frames = button.FrameCount > 0 ? button.FrameCount : 1;
  const int w = button.Image.Width() / frames, h = button.Image.Height();
  const int b = GetSystemMetrics(SM_CYVTHUMB);
  const bool left = WndExStyle & WS_EX_LEFTSCROLLBAR;
  const auto brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  ::FrameRect(dc, &inner, brush);
  InflateRect(&inner, -1, -1);
  ::FrameRect(dc, &inner, brush);
  const RECT strip = left ? RECT{inner.left, inner.top, inner.left + b, inner.bottom}
                          : RECT{inner.right - b, inner.top, inner.right, inner.bottom};
  FillRect(dc, &strip, brush);
  const host::Brush shadow(CreateSolidBrush(host::ColourToRgb(e.Colours.ButtonShadow)));
  ::FrameRect(dc, &rect, shadow);
  RECT box = left ? RECT{inner.left, inner.top, inner.left + w, inner.bottom}
                  : RECT{inner.right - w, inner.top, inner.right, inner.bottom};
  if (h < b) box.bottom = box.top + h;
  CopySkinFrame(dc, box, button.Image, state, frames, false);
}

}  // namespace skin
