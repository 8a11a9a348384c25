#pragma once
// A drawing surface over a device context with its own brush, pen and font.
// The objects it selects are put back and freed when it goes away.
#include <windows.h>

#include <string_view>

#include "host/gdi/handles.h"

namespace host {

class DibBitmap;

class Canvas {
public:
  // Not bound to any DC yet.
  Canvas() noexcept = default;
  // The DC stays the caller's; the canvas only borrows it.
  explicit Canvas(HDC dc) noexcept;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas();

  HDC Handle() const noexcept { return dc_; }
  // Binds the canvas to another DC (or none): the old DC gets its own
  // objects back and the new one takes the canvas's brush, pen and font.
  void SetHandle(HDC dc);

  // Solid brush used by FillRect and Rectangle; white until set.
  void SetBrushColour(COLORREF colour);
  COLORREF BrushColour() const noexcept { return brush_colour_; }
  void SetPen(COLORREF colour, int width = 1, int style = PS_SOLID);
  COLORREF PenColour() const noexcept { return pen_colour_; }
  void SetFont(const LOGFONTW& font);
  // Takes a copy of the font's description; the caller keeps its handle.
  void SetFont(HFONT font);
  void SetFontColour(COLORREF colour) noexcept;
  void SetStretchMode(int mode) noexcept;

  void FillRect(const RECT& rect);
  void Rectangle(const RECT& rect);
  void MoveTo(int x, int y) noexcept;
  void LineTo(int x, int y) noexcept;
  void TextOut(int x, int y, std::wstring_view text) noexcept;

  // Copies the picture at (x, y) at its own size; a bitmap marked
  // transparent leaves the pixels of its transparent colour unchanged.
  void Draw(int x, int y, const DibBitmap& bitmap);
  void StretchDraw(const RECT& rect, const DibBitmap& bitmap);

private:
  void Select(HGDIOBJ object, HGDIOBJ& original);
  void PutBackOriginals() noexcept;

  HDC dc_ = nullptr;
  COLORREF brush_colour_ = RGB(255, 255, 255);
  COLORREF pen_colour_ = RGB(0, 0, 0);
  COLORREF font_colour_ = CLR_INVALID;  // CLR_INVALID: the DC's own
  Brush brush_;
  Pen pen_;
  Font font_;
  HGDIOBJ original_brush_ = nullptr;
  HGDIOBJ original_pen_ = nullptr;
  HGDIOBJ original_font_ = nullptr;
};

}  // namespace host
