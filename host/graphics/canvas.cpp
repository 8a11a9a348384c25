#include "host/graphics/canvas.h"

#include "host/graphics/dib_bitmap.h"
#include "host/graphics/keyed_blit.h"

namespace host {

Canvas::Canvas(HDC dc) noexcept : dc_(dc) {}

// The DC's own objects go back before ours are freed or move to another DC.
Canvas::~Canvas() { PutBackOriginals(); }

void Canvas::PutBackOriginals() noexcept {
  if (dc_) {
    if (original_font_) SelectObject(dc_, original_font_);
    if (original_pen_) SelectObject(dc_, original_pen_);
    if (original_brush_) SelectObject(dc_, original_brush_);
  }
  original_font_ = original_pen_ = original_brush_ = nullptr;
}

void Canvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  PutBackOriginals();
  dc_ = dc;
  if (brush_) Select(brush_, original_brush_);
  if (pen_) Select(pen_, original_pen_);
  if (font_) Select(font_, original_font_);
  if (dc_ && font_colour_ != CLR_INVALID) SetTextColor(dc_, font_colour_);
}

void Canvas::Select(HGDIOBJ object, HGDIOBJ& original) {
  if (!dc_ || !object) return;
  HGDIOBJ previous = SelectObject(dc_, object);
  if (!original) original = previous;
}

void Canvas::SetBrushColour(COLORREF colour) {
  Brush brush(CreateSolidBrush(colour));
  if (!brush) return;
  Select(brush, original_brush_);
  brush_ = std::move(brush);
  brush_colour_ = colour;
}

void Canvas::SetPen(COLORREF colour, int width, int style) {
  Pen pen(CreatePen(style, width, colour));
  if (!pen) return;
  Select(pen, original_pen_);
  pen_ = std::move(pen);
  pen_colour_ = colour;
}

void Canvas::SetFont(const LOGFONTW& description) {
  Font font(CreateFontIndirectW(&description));
  if (!font) return;
  Select(font, original_font_);
  font_ = std::move(font);
}

void Canvas::SetFont(HFONT font) {
  LOGFONTW description{};
  if (font && GetObjectW(font, sizeof description, &description) == sizeof description) SetFont(description);
}

void Canvas::SetFontColour(COLORREF colour) noexcept {
  font_colour_ = colour;
  if (dc_) SetTextColor(dc_, colour);
}

void Canvas::SetStretchMode(int mode) noexcept { SetStretchBltMode(dc_, mode); }

void Canvas::FillRect(const RECT& rect) {
  if (!brush_) SetBrushColour(brush_colour_);
  ::FillRect(dc_, &rect, brush_);
}

void Canvas::Rectangle(const RECT& rect) {
  if (!brush_) SetBrushColour(brush_colour_);
  if (!pen_) SetPen(pen_colour_);
  ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::MoveTo(int x, int y) noexcept { MoveToEx(dc_, x, y, nullptr); }

void Canvas::LineTo(int x, int y) noexcept {
  if (!pen_) SetPen(pen_colour_);
  ::LineTo(dc_, x, y);
}

void Canvas::TextOut(int x, int y, std::wstring_view text) noexcept {
  ::TextOutW(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void Canvas::Draw(int x, int y, const DibBitmap& bitmap) {
  if (bitmap.Empty()) return;
  if (!bitmap.Transparent()) {
    BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.Dc(), 0, 0, SRCCOPY);
    return;
  }
  Bitmap mask = bitmap.Mask(bitmap.TransparentColour());
  if (!mask) return;
  KeyedBlit(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.Dc(), 0, 0, mask, PlatformKeyBlit());
}

void Canvas::StretchDraw(const RECT& rect, const DibBitmap& bitmap) {
  if (bitmap.Empty()) return;
  StretchBlt(dc_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bitmap.Dc(), 0, 0,
             bitmap.Width(), bitmap.Height(), SRCCOPY);
}

}  // namespace host
