#include "skin/controls/check_box.h"

#include <algorithm>

#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "skin/controls/content_colours.h"
#include "skin/data/skin_data.h"
#include "skin/draw/single_frame.h"
#include "skin/draw/text.h"

namespace skin {
namespace {

constexpr int kBackdropTag = 5555;

bool HasProp(const host::TControl* control, std::string_view name) {
  return control && control->Class().FindProp(name) != nullptr;
}

bool IsTrue(const host::TControl* control, std::string_view name) {
  return host::LowerCase(GetEnumPropText(control, name)) == "true";
}

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

}  // namespace

// ---- TSkinCheckControl ----

void TSkinCheckControl::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  TSkinControl::Attach(form, data, use_skin_colour, canvas);
  ReadOptions();
}

void TSkinCheckControl::AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) {
  TSkinControl::AttachWindow(window, data, form, canvas);
  ReadOptions();
}

void TSkinCheckControl::SkinChanged() {
  ReadOptions();
  TSkinControl::SkinChanged();
}

void TSkinCheckControl::ReadOptions() {
  OwnPaint = Control && SkinGlyph().picture;
  Transparent = (Control && Control->Tag() == kBackdropTag) || (SkinData && (SkinData->Options() & Bit(xoTransparent)));
}

bool TSkinCheckControl::BeforeMessage(host::TMessage& m) {
  if (!TSkinControl::BeforeMessage(m)) return false;
  switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      if (!OwnPaint) return true;
      PaintBuffered(m);
      return false;
    case WM_ERASEBKGND:
      if (!Transparent) return true;
      PaintParentBackground(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return false;
  }
  return true;
}

void TSkinCheckControl::AfterMessage(host::TMessage& m) {
  switch (m.Msg) {
    // The system button paints itself straight away on these, over the skin.
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_UPDATEUISTATE:
    case host::CM_EXIT:
    case host::CM_CHECKCHANGED:
      Refresh();
      return;
  }
  TSkinControl::AfterMessage(m);
}

TSkinCheckControl::Glyph TSkinCheckControl::SkinGlyph() const {
  if (!SkinData || !SkinData->Elements().Buttons) return {};
  const Glyph glyph = GlyphPicture(*SkinData->Elements().Buttons);
  if (!glyph.picture || glyph.picture->Empty()) return {};
  return {glyph.picture, std::max(glyph.frames, 1)};
}

bool TSkinCheckControl::Disabled() const { return (GetWindowLongAW(Handle, GWL_STYLE) & WS_DISABLED) != 0; }

bool TSkinCheckControl::RightToLeft() const {
  const std::string mode = host::LowerCase(GetEnumPropText(Control, "BiDiMode"));
  return !mode.empty() && mode != "bdlefttoright";
}

void TSkinCheckControl::Draw(HDC dc, const RECT&) {
  const Glyph glyph = SkinGlyph();
  if (!glyph.picture) {
    OwnPaint = false;
    return;
  }
  Enabled = !Disabled();
  RECT r{};
  GetClientRect(Handle, &r);
  if (OwnPaint) Transparent ? PaintParentBackground(dc) : FillParentColor(dc, r);

  const int w = glyph.picture->Width() / glyph.frames, h = glyph.picture->Height();
  const int top = r.top + (r.bottom - r.top - h) / 2;
  RECT box{r.left, top, r.left + w, top + h};
  RECT text{box.right + 2, r.top, r.right, r.bottom};
  UINT align = DT_LEFT;
  if (GetWindowLongAW(Handle, GWL_STYLE) & BS_LEFTTEXT) {
    box = {r.right - w - RightInset(), top, r.right - RightInset(), top + h};
    text = {r.left, r.top, box.left - 2, r.bottom};
    if (Control && RightToLeft()) align = DT_RIGHT;
  }
  const int frame = std::clamp(Frame(glyph.frames), 1, glyph.frames);
  CopySkinFrame(dc, box, *glyph.picture, frame, glyph.frames, true);
  if (OwnPaint) DrawCaption(dc, text, align);
}

void TSkinCheckControl::DrawCaption(HDC dc, RECT text_rect, UINT align) {
  Text = Control ? GetTextProp(Control, "Caption") : GetWindowTextWide(Handle);
  HFONT font = Control ? Control->Font()->Handle() : reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  const COLORREF own = Enabled ? host::ColourToRgb(Control ? Control->Font()->Color() : host::clBtnText)
                               : GetSysColor(COLOR_BTNSHADOW);
  const COLORREF colour = FaceTextColour(SkinData->Elements(), Enabled, own);
  const host::Selection selected(dc, font);
  const COLORREF old_text = SetTextColor(dc, colour);
  const COLORREF old_back = SetBkColor(dc, host::ColourToRgb(SkinData->Elements().Colours.ButtonFace));
  const int old_mode = SetBkMode(dc, TRANSPARENT);

  const UINT flags = DT_WORDBREAK | DT_EXPANDTABS | align;
  RECT measured = text_rect;
  DrawTextAW(dc, Text, measured, flags | DT_CALCRECT | DT_NOCLIP);
  OffsetRect(&text_rect, 0, ((text_rect.bottom - text_rect.top) - (measured.bottom - measured.top)) / 2);
  if (Focused && !(SkinData->Options() & Bit(xoNoFocusRect))) DrawTextFocus(dc, flags, text_rect);
  DrawTextAW(dc, Text, text_rect, flags);

  SetBkMode(dc, old_mode);
  SetBkColor(dc, old_back);
  SetTextColor(dc, old_text);
}

// ---- TSkinCheckBox ----

void TSkinCheckBox::AfterMessage(host::TMessage& m) {
  if (m.Msg == BM_SETCHECK) StoredState = static_cast<int>(m.WParam) + 1;
  TSkinCheckControl::AfterMessage(m);
}

TSkinCheckControl::Glyph TSkinCheckBox::GlyphPicture(const TDataSkinButton& buttons) const {
  return {&buttons.CheckImage, buttons.CheckFrames};
}

int TSkinCheckBox::Frame(int frames) const {
  const auto state = static_cast<UINT>(SendMessageW(Handle, BM_GETSTATE, 0, 0));
  int frame = (state & BST_CHECKED) ? 2 : 1;
  if (Control) {
    const host::PropInfo* prop = Control->Class().FindProp("State");
    if (prop && prop->kind == host::PropKind::Enum) {
      const std::string value = host::LowerCase(GetEnumPropText(Control, "State"));
      if (Contains(value, "uncheck"))
        frame = 1;
      else if (Contains(value, "check"))
        frame = 2;
      else if (Contains(value, "gray"))
        frame = 4;
    } else if (HasProp(Control, "Checked")) {
      frame = IsTrue(Control, "Checked") ? 2 : 1;
    }
    if (HasProp(Control, "DataField") && StoredState != 0) frame = StoredState == 3 ? 4 : StoredState;
    if (HasProp(Control, "DataBinding")) frame = 1;
  }
  const bool disabled = Disabled(), grey = (state & BST_INDETERMINATE) != 0;
  if (disabled) frame += 2;
  if (grey) frame = 4;
  if (frames == 12) {
    frame = frame == 2 ? 5 : frame == 3 ? 4 : frame == 4 ? 8 : frame;
    if (grey) frame = disabled ? 12 : 9;
  }
  return frame;
}

// ---- TSkinRadioButton ----

TSkinCheckControl::Glyph TSkinRadioButton::GlyphPicture(const TDataSkinButton& buttons) const {
  return {&buttons.RadioImage, buttons.RadioFrames};
}

int TSkinRadioButton::Frame(int frames) const {
  int frame = (SendMessageW(Handle, BM_GETCHECK, 0, 0) & BST_CHECKED) ? 2 : 1;
  if (HasProp(Control, "Checked")) frame = IsTrue(Control, "Checked") ? 2 : 1;
  if (Disabled()) frame += 2;
  if (frames == 8) frame = frame == 2 ? 5 : frame == 3 ? 4 : frame == 4 ? 8 : frame;
  return frame;
}

}  // namespace skin
