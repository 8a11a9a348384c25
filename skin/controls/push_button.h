#pragma once
// Push-button skinners: plain, glyph, menu and windowless speed buttons, all
// drawn from the skin's Buttons element (1 normal, 2 pressed, 3 disabled,
// 4 hot, 5 focused). The button never sees a left press, so it never
// captures the mouse nor clicks by itself: the skinner clicks on release.
#include <functional>
#include <string>

#include "host/graphics/dib_bitmap.h"
#include "skin/controls/skin_control.h"

namespace skin {

class TDataSkinButton;

class TSkinButton : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  bool BeforeMessage(host::TMessage& m) override;
  void AfterMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

  host::DibBitmap Buffer;
  bool ParentBackdrop = false;

protected:
  const TDataSkinButton* Element() const;
  // Enabled and Text as the window has them now.
  void ReadState();
  int ButtonFrame() const;
  // Sizes Buffer, paints the background and the element's frame into it.
  void PaintFace(const RECT& rect, int frame, bool with_element = true);
  HFONT ButtonFont() const;
  COLORREF TextColour(int frame, bool enabled) const;
  // Face and frame into Buffer, the button's font and text colour selected,
  // then `content` draws the rest and Buffer goes to dc in one copy.
  void Compose(HDC dc, const RECT& rect, int frame, bool with_element, const std::function<void(HDC buffer)>& content);
  void DrawCaption(HDC dc, const RECT& rect, UINT align, const std::wstring& text);
  // Text in rect, transparently, with the focus rectangle when asked.
  void DrawLabel(HDC dc, RECT rect, UINT format, bool focus);
  void DrawFocus(HDC dc, RECT text_rect) const;
  void Click();
};

class TSkinBitButton : public TSkinButton {
public:
  using TSkinButton::TSkinButton;
  void Draw(HDC dc, const RECT& rect) override;

  // Set to "PngImage" for buttons whose picture is a whole graphic.
  std::string GlyphPropertyName;

protected:
  struct Layout {
    POINT glyph{};
    POINT text{};
    SIZE text_size{};
    UINT flags = DT_WORDBREAK;
  };
  // Where glyph and text go in a W x H button; centred tells the bit
  // button's "tacenter" alignment, speed is the speed button's variant.
  Layout Arrange(HDC dc, const SIZE& window, const SIZE& glyph, const std::wstring& text, bool centred,
                 bool speed) const;
};

class TSkinMenuButton : public TSkinButton {
public:
  using TSkinButton::TSkinButton;
  void Draw(HDC dc, const RECT& rect) override;
};

class TSkinSpeedButton : public TSkinBitButton {
public:
  using TSkinBitButton::TSkinBitButton;
  void AttachSpeedButton(TSkinForm* form, TSkinData* data, host::Canvas* canvas);
  bool BeforeMessage(host::TMessage& m) override;
  void AfterMessage(host::TMessage& m) override;
  void PaintFrame(HDC dc) override;

  bool Painting = false;

private:
  void PaintSpeed(HDC dc, const RECT& rect);
};

// Draws glyph `index` of a strip of `count` onto target at (x, y), keyed in
// memory on its bottom-left pixel; glyph 2 (disabled) is greyed.
void DrawGlyph(host::DibBitmap& target, POINT at, int count, int index, const host::DibBitmap& glyphs);

}  // namespace skin
