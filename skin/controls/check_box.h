#pragma once
// Check boxes and radio buttons drawn with the skin's check and radio glyphs
// (the Buttons element's CheckImage and RadioImage, frames side by side).
// On a host control the skinner paints the whole control; on a bare dialog
// button the system paints first and the glyph goes over its own.
#include "skin/controls/skin_control.h"

namespace skin {

class TDataSkinButton;

// What check boxes and radio buttons share: attaching, the paint pipeline,
// the layout of glyph and caption.
class TSkinCheckControl : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) override;
  bool BeforeMessage(host::TMessage& m) override;
  void AfterMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  // The skinner paints glyph, background and caption: a host control whose skin has the glyph.
  bool OwnPaint = false;
  // The parent shows behind glyph and caption instead of a fill.
  bool Transparent = false;

protected:
  struct Glyph {
    const host::DibBitmap* picture = nullptr;
    int frames = 0;
  };
  virtual Glyph GlyphPicture(const TDataSkinButton& buttons) const = 0;
  // The frame of the glyph for the control's state now, numbered from 1.
  virtual int Frame(int frames) const = 0;
  // How far a right-hand glyph stays off the control's right edge.
  virtual int RightInset() const { return 0; }
  bool Disabled() const;
  bool RightToLeft() const;
  // The glyph picture, or nothing when the skin has none.
  Glyph SkinGlyph() const;

private:
  void ReadOptions();
  void DrawCaption(HDC dc, RECT text_rect, UINT align);
};

class TSkinCheckBox : public TSkinCheckControl {
public:
  using TSkinCheckControl::TSkinCheckControl;
  void AfterMessage(host::TMessage& m) override;

  // The state last set with BM_SETCHECK: 1 unchecked, 2 checked, 3 indeterminate; 0 none yet.
  int StoredState = 0;

protected:
  Glyph GlyphPicture(const TDataSkinButton& buttons) const override;
  int Frame(int frames) const override;
};

class TSkinRadioButton : public TSkinCheckControl {
public:
  using TSkinCheckControl::TSkinCheckControl;

protected:
  Glyph GlyphPicture(const TDataSkinButton& buttons) const override;
  int Frame(int frames) const override;
  int RightInset() const override { return 1; }
};

}  // namespace skin
