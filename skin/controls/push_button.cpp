#include "skin/controls/push_button.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <optional>

#include "host/app/application.h"
#include "host/controls/font.h"
#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "host/graphics/canvas.h"
#include "host/graphics/graphic.h"
#include "skin/data/skin_data.h"
#include "skin/draw/bitmap_copy.h"
#include "skin/draw/bitmap_effects.h"
#include "skin/draw/parent_background.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/text.h"
#include "skin/draw/transparent.h"

namespace skin {
namespace {

constexpr int kBackdropTag = 5555;

// The first "||" starts a second line; later ones are shown as they are.
std::wstring LineBreak(std::wstring text) {
  if (const auto at = text.find(L"||"); at != std::wstring::npos) text.replace(at, 2, L"\r\n");
  return text;
}

bool IsTrue(const host::TPersistent* component, std::string_view name) {
  return host::LowerCase(GetEnumPropText(component, name)) == "true";
}

const host::DibBitmap* PictureProp(const host::TPersistent* component, std::string_view name) {
  if (!component) return nullptr;
  const auto* graphic = dynamic_cast<const host::IGraphicPicture*>(host::GetObjectProp(*component, name));
  return graphic && !graphic->Picture().Empty() ? &graphic->Picture() : nullptr;
}

// Glyph 1 up, 2 disabled, 3 pressed.
int GlyphIndex(int frame) { return frame == 2 ? 3 : frame == 3 ? 2 : 1; }

SIZE SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

void CopyBuffer(HDC dc, const RECT& rect, const host::DibBitmap& buffer) {
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, buffer.Dc(), 0, 0, SRCCOPY);
}

}  // namespace

void DrawGlyph(host::DibBitmap& target, POINT at, int count, int index, const host::DibBitmap& glyphs) {
  count = std::max(count, 1);
  const int width = glyphs.Width() / count, height = glyphs.Height();
  if (width <= 0 || height <= 0) return;
  const int left = width * ((index > count ? 1 : index) - 1);
  if (index != 2) {
    CopyKeyedPart(target, at.x, at.y, glyphs, {left, 0, left + width, height}, glyphs.Pixel(left, height - 1));
    return;
  }
  host::DibBitmap grey = CopyPart(glyphs, left, 0, width, height);
  GrayscaleBitmap(grey);
  CopyKeyedPart(target, at.x, at.y, grey, {0, 0, width, height}, grey.Pixel(0, height - 1));
}

// ---- TSkinButton ----

void TSkinButton::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  TSkinControl::Attach(form, data, use_skin_colour, canvas);
  const std::string cls = Control ? host::LowerCase(std::string(Control->ClassName())) : std::string();
  // These classes run their own mouse-down handling from the press.
  VariantFlag = cls.starts_with("trz") || cls.starts_with("tel") ? 1 : 0;
  ParentBackdrop = (Control && Control->Tag() == kBackdropTag) || (data && (data->Options() & Bit(xoTransparent)));
}

bool TSkinButton::BeforeMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      std::optional<host::PaintDc> paint;
      if (!dc) dc = paint.emplace(Handle);
      if (GetWindowRect(Handle, &WindowRect)) {
        const SIZE size = SizeOf(WindowRect);
        Draw(dc, {0, 0, size.cx, size.cy});
      }
      m.Result = 0;
      return false;
    }
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Focused) SetFocus(Handle);
      MouseFlags |= mfPressed;
      PaintFrame(nullptr);
      if (VariantFlag == 0 && Control) ForwardMouseDown(m);
      m.Result = 0;
      return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinButton::AfterMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      PaintFrame(nullptr);
      break;
    case WM_KEYDOWN:
      if (m.WParam == VK_SPACE) {
        MouseFlags |= mfPressed;
        Refresh();
      }
      break;
    case WM_KEYUP:
      if (m.WParam == VK_SPACE) {
        MouseFlags &= ~mfPressed;
        Refresh();
      }
      break;
    case WM_MOUSEMOVE: {
      if (Enabled && !(MouseFlags & mfHot)) {
        MouseFlags |= mfHot;
        Refresh();
      }
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle, 0};
      if (Handle) TrackMouseEvent(&track);
      break;
    }
    case WM_LBUTTONUP:
      if (MouseFlags & mfPressed) {
        MouseFlags &= ~mfPressed;
        Refresh();
        Click();
      }
      break;
    case WM_MOUSELEAVE:
      MouseFlags &= ~(mfHot | mfPressed);
      Refresh();
      break;
    case host::CM_DIALOGKEY:
    case host::CM_FOCUSCHANGED:
      Refresh();
      break;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinButton::Click() {
  // A button disabled while held down does not click.
  if (!Handle || !IsWindowEnabled(Handle)) return;
  if (Control) {
    // The click is the host's own work: its errors are reported the way
    // the host reports them, not taken for a painting error of the skin.
    try {
      Control->Click();
    } catch (const std::exception& e) {
      host::HandleException(e);
    }
    return;
  }
  HWND parent = GetParent(Handle);
  const bool framework_button = host::LowerCase(GetClassNameText(Handle)) == "tbutton";
  const WPARAM id = framework_button ? 0 : MAKEWPARAM(GetDlgCtrlID(Handle), BN_CLICKED);
  PostMessageW(parent, WM_COMMAND, id, reinterpret_cast<LPARAM>(Handle));
}

const TDataSkinButton* TSkinButton::Element() const {
  if (!SkinData) return nullptr;
  const TDataSkinButton* b = SkinData->Elements().Buttons.get();
  return b && !b->Image.Empty() ? b : nullptr;
}

void TSkinButton::ReadState() {
  Enabled = !(static_cast<DWORD>(GetWindowLongAW(Handle, GWL_STYLE)) & WS_DISABLED);
  Text = Control ? GetTextProp(Control, "Caption") : GetWindowTextWide(Handle);
}

int TSkinButton::ButtonFrame() const {
  if (!Enabled) return 3;
  if (MouseFlags & mfPressed) return 2;
  if (MouseFlags & mfHot) return 4;
  return Focused ? 5 : 1;
}

void TSkinButton::PaintFace(const RECT& rect, int frame, bool with_element) {
  const SIZE size = SizeOf(rect);
  if (Buffer.Width() != size.cx || Buffer.Height() != size.cy) Buffer.SetSize(size.cx, size.cy);
  HDC dc = Buffer.Dc();
  if (!dc) return;
  if (ParentBackdrop && Handle)
    DrawParentBackground(Handle, dc);
  else if (ParentBackdrop)
    FillParentColor(dc, rect);
  else
    FillFace(dc, rect);
  if (with_element) DrawSkinObject(Buffer, rect, Element()->FrameCount, frame, *Element());
}

HFONT TSkinButton::ButtonFont() const {
  if (auto* font = static_cast<host::TFont*>(GetObjectProp(Control, "Font", host::TFont::Info()))) return font->Handle();
  return Handle ? reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)) : nullptr;
}

COLORREF TSkinButton::TextColour(int frame, bool enabled) const {
  const TDataSkinButton& b = *Element();
  if (frame == 1 && b.HasNormalColour2) return host::ColourToRgb(b.NormalColour2);
  if (frame == 4 && b.HasMouseOverColour2) return host::ColourToRgb(b.MouseOverColour2);
  if (frame == 2 && b.HasPressedColour2) return host::ColourToRgb(b.PressedColour2);
  if (!enabled) return host::ColourToRgb(host::SystemColour(COLOR_BTNSHADOW));
  if (auto* font = static_cast<host::TFont*>(GetObjectProp(Control, "Font", host::TFont::Info())))
    return host::ColourToRgb(font->Color());
  return host::ColourToRgb(SkinData->Elements().Colours.ButtonText);
}

void TSkinButton::DrawFocus(HDC dc, RECT text_rect) const {
  if (!Focused || (SkinData->Options() & Bit(xoNoFocusRect))) return;
  InflateRect(&text_rect, 2, 2);
  DrawFocusRect(dc, &text_rect);
}

void TSkinButton::DrawCaption(HDC dc, const RECT& rect, UINT align, const std::wstring& text) {
  Text = LineBreak(text);
  RECT t = rect;
  InflateRect(&t, -2, -2);
  SetBkMode(dc, TRANSPARENT);
  DrawTextAW(dc, Text, t, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK | align);
  OffsetRect(&t, -t.left, -t.top);
  const SIZE r = SizeOf(rect), s = SizeOf(t);
  if (align == DT_CENTER) {
    OffsetRect(&t, (r.cx - s.cx) / 2, (r.cy - s.cy) / 2 - 1);
  } else {
    OffsetRect(&t, 0, (r.cy - s.cy) / 2 - 1);
    t.left = rect.left;
    t.right = rect.right;
  }
  DrawTextAW(dc, Text, t, DT_EXPANDTABS | DT_WORDBREAK | align);
  SetBkMode(dc, OPAQUE);
  DrawFocus(dc, t);
}

void TSkinButton::Compose(HDC dc, const RECT& rect, int frame, bool with_element,
                          const std::function<void(HDC buffer)>& content) {
  PaintFace(rect, frame, with_element);
  HDC buffer = Buffer.Dc();
  if (!buffer) return;
  const host::Selection font(buffer, ButtonFont());
  SetTextColor(buffer, TextColour(frame, Enabled));
  content(buffer);
  CopyBuffer(dc, rect, Buffer);
}

void TSkinButton::DrawLabel(HDC dc, RECT rect, UINT format, bool focus) {
  SetBkMode(dc, TRANSPARENT);
  DrawTextAW(dc, Text, rect, format);
  SetBkMode(dc, OPAQUE);
  if (focus) DrawFocus(dc, rect);
}

void TSkinButton::Draw(HDC dc, const RECT& rect) {
  if (!Element()) return;
  ReadState();
  Compose(dc, rect, ButtonFrame(), true, [&](HDC buffer) { DrawCaption(buffer, rect, DT_CENTER, Text); });
}

// ---- TSkinBitButton ----

TSkinBitButton::Layout TSkinBitButton::Arrange(HDC dc, const SIZE& w, const SIZE& g, const std::wstring& text,
                                               bool centred, bool speed) const {
  const std::string id = host::LowerCase(GetEnumPropText(Control, "Layout"));
  const int l = id == "blglyphright" ? 1 : id == "blglyphtop" ? 2 : id == "blglyphbottom" ? 3 : 0;
  const bool vertical = l >= 2;
  Layout out;
  RECT bounds{0, 0, w.cx, w.cy};
  InflateRect(&bounds, -2, -2);
  if (vertical)
    bounds.bottom -= g.cy + 2;
  else
    bounds.right -= g.cx + 2;
  if (!text.empty()) {
    DrawTextAW(dc, text, bounds, DT_CALCRECT | DT_WORDBREAK);
    out.text_size = SizeOf(bounds);
  }
  const SIZE s = out.text_size;
  if (vertical) {
    out.glyph.x = (w.cx - g.cx + 1) / 2;
    out.text.x = (w.cx - s.cx + 1) / 2;
  } else {
    out.glyph.y = (w.cy - g.cy + 1) / 2;
    out.text.y = (w.cy - s.cy + 1) / 2;
  }
  int margin = GetIntProp(Control, "Margin"), spacing = GetIntProp(Control, "Spacing");
  if (s.cx == 0 || g.cx == 0) spacing = 0;
  const int size = vertical ? w.cy : w.cx, pg = vertical ? g.cy : g.cx, ps = vertical ? s.cy : s.cx;
  if (margin == -1 || (centred && !speed)) {
    if (spacing == -1) {
      margin = (size - (pg + ps)) / 3;
      spacing = margin;
    } else {
      margin = (size - (pg + spacing + ps)) / 2 + (speed ? 1 : 0);
    }
  } else if (spacing == -1) {
    spacing = ((size - margin - pg) - ps) / 2;
  }
  switch (l) {
    case 0:
      out.glyph.x = margin;
      out.text.x = margin + g.cx + spacing;
      break;
    case 1:
      out.glyph.x = w.cx - margin - g.cx;
      out.text.x = out.glyph.x - spacing - s.cx;
      out.flags |= DT_RIGHT;
      break;
    case 2:
      out.glyph.y = margin;
      out.text.y = margin + g.cy + spacing;
      out.flags |= DT_CENTER;
      break;
    default:
      out.glyph.y = w.cy - margin - g.cy;
      out.text.y = out.glyph.y - spacing - s.cy;
      out.flags |= DT_CENTER;
  }
  return out;
}

void TSkinBitButton::Draw(HDC dc, const RECT& rect) {
  if (!Element()) return;
  ReadState();
  const int frame = ButtonFrame();
  const bool whole = !GlyphPropertyName.empty();
  const host::DibBitmap* glyph = PictureProp(Control, whole ? std::string_view(GlyphPropertyName) : "Glyph");
  const int count = whole ? 1 : std::max(GetIntProp(Control, "NumGlyphs"), 1);
  const SIZE g = glyph ? SIZE{glyph->Width() / count, glyph->Height()} : SIZE{0, 0};
  Text = LineBreak(Text);
  const bool centred = host::LowerCase(GetEnumPropText(Control, "Alignment")) == "tacenter";
  Compose(dc, rect, frame, true, [&](HDC buffer) {
    const Layout l = Arrange(buffer, SizeOf(rect), g, Text, centred, false);
    if (glyph && whole)
      Buffer.GetCanvas().Draw(l.glyph.x, l.glyph.y, *glyph);
    else if (glyph)
      DrawGlyph(Buffer, l.glyph, count, GlyphIndex(frame), *glyph);
    if (!Text.empty())
      DrawLabel(buffer, {l.text.x, l.text.y, l.text.x + l.text_size.cx, l.text.y + l.text_size.cy}, l.flags, true);
  });
}

// ---- TSkinMenuButton ----

void TSkinMenuButton::Draw(HDC dc, const RECT& rect) {
  if (!Element()) return;
  ReadState();
  const int frame = !Enabled ? 3 : (MouseFlags & mfPressed) ? 2 : ((MouseFlags & mfHot) || Focused) ? 4 : 1;
  Text = LineBreak(Text);
  Compose(dc, rect, frame, true, [&](HDC buffer) {
    const SIZE w = SizeOf(rect);
    RECT bounds{0, 0, w.cx - 17, w.cy};
    InflateRect(&bounds, -2, -2);
    SIZE s{0, 0};
    if (!Text.empty()) {
      DrawTextAW(buffer, Text, bounds, DT_CALCRECT | DT_WORDBREAK);
      s = SizeOf(bounds);
    }
    const int ty = (w.cy - s.cy + 1) / 2, tx = (w.cx - 17 - s.cx) / 2 + 2;
    const COLORREF arrow = host::ColourToRgb(Enabled ? host::clWindowText : host::SystemColour(COLOR_BTNSHADOW));
    {
      const host::Brush brush(CreateSolidBrush(arrow));
      const host::Pen pen(CreatePen(PS_SOLID, 1, arrow));
      const host::Selection with_brush(buffer, brush), with_pen(buffer, pen);
      const int m = w.cy / 2 + 2;
      const POINT corners[3] = {{w.cx - 12, m}, {w.cx - 15, m - 3}, {w.cx - 9, m - 3}};
      Polygon(buffer, corners, 3);
    }
    DrawLabel(buffer, {tx, ty, tx + s.cx, ty + s.cy}, DT_WORDBREAK, true);
  });
}

// ---- TSkinSpeedButton ----

void TSkinSpeedButton::AttachSpeedButton(TSkinForm* form, TSkinData* data, host::Canvas* canvas) {
  if (Attached) return;
  SkinData = data;
  FormCanvas = canvas;
  FormSkinner = form;
  Control = dynamic_cast<host::TControl*>(Owner());
  PaintTarget = Control;
  if (!Control) return;
  HookSlot(*Control);
  Register();
  ParentBackdrop = Control->Tag() == kBackdropTag || (data && (data->Options() & Bit(xoTransparent)));
  Attached = true;
  LifeState = clAttached;
  Control->Invalidate();
}

bool TSkinSpeedButton::BeforeMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (m.WParam && Control) PaintSpeed(reinterpret_cast<HDC>(m.WParam), {0, 0, Control->Width(), Control->Height()});
      m.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallPrevious(m);  // the speed button handles its press itself
      MouseFlags |= mfPressed;
      PaintFrame(nullptr);
      return false;
  }
  return TSkinButton::BeforeMessage(m);
}

void TSkinSpeedButton::AfterMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_NCDESTROY:
    case host::CM_RELEASE:
      ReleaseHooks();
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam == VK_SPACE) {
        MouseFlags = m.Msg == WM_KEYDOWN ? (MouseFlags | mfPressed) : (MouseFlags & ~mfPressed);
        PaintFrame(nullptr);
      }
      break;
    case WM_LBUTTONUP:
      MouseFlags &= ~mfPressed;
      PaintFrame(nullptr);
      break;
    case host::CM_MOUSEENTER:
      MouseFlags |= mfHot;
      PaintFrame(nullptr);
      break;
    case host::CM_MOUSELEAVE:
      MouseFlags &= ~(mfHot | mfPressed);
      if (Control && Control->Visible()) PaintFrame(nullptr);
      break;
    default:
      TSkinButton::AfterMessage(m);
  }
}

void TSkinSpeedButton::PaintFrame(HDC) {
  if (!Control || !Control->Parent() || !Control->Parent()->HandleAllocated()) return;
  const host::WindowDc dc(Control->Parent()->WindowHandle());
  if (!dc) return;
  const host::SavedDc saved(dc);
  const RECT b = Control->BoundsRect();
  IntersectClipRect(dc, b.left, b.top, b.right, b.bottom);
  SetViewportOrgEx(dc, b.left, b.top, nullptr);
  PaintSpeed(dc, {0, 0, b.right - b.left, b.bottom - b.top});
}

void TSkinSpeedButton::PaintSpeed(HDC dc, const RECT& rect) {
  if (Painting || !Element() || !Control) return;
  Painting = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{Painting};
  Enabled = IsTrue(Control, "Enabled");
  const bool down = IsTrue(Control, "Down");
  const int frame = down ? 2 : !Enabled ? 3 : (MouseFlags & mfPressed) ? 2 : (MouseFlags & mfHot) ? 4 : 1;
  Text = LineBreak(GetTextProp(Control, "Caption"));
  const host::DibBitmap* glyph = PictureProp(Control, "Glyph");
  const int count = std::max(GetIntProp(Control, "NumGlyphs"), 1);
  const SIZE g = glyph ? SIZE{glyph->Width() / count, glyph->Height()} : SIZE{0, 0};
  Compose(dc, rect, frame, frame == 2 || frame == 4 || !IsTrue(Control, "Flat"), [&](HDC buffer) {
    if (g.cx * g.cy == 0) {
      DrawCaption(buffer, rect, DT_CENTER, Text);
      return;
    }
    const Layout l = Arrange(buffer, SizeOf(rect), g, Text, false, true);
    DrawGlyph(Buffer, l.glyph, count, GlyphIndex(frame), *glyph);
    DrawLabel(buffer, {l.text.x, l.text.y, l.text.x + l.text_size.cx, l.text.y + l.text_size.cy}, l.flags, false);
  });
}

}  // namespace skin
