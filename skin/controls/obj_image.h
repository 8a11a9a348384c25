#pragma once
// Skinners that paint nothing: they hand the skin's check or radio pictures
// to a control that can show pictures of its own through published
// properties, and take them back when skinning ends.
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/skin_control.h"
#include "skin/data/descriptors.h"

namespace skin {

// What kind of control takes the pictures.
enum TGlyphMode : int {
  gmCheckBox = 1,  // "CustomGlyphs", "UseCustomGlyphs", "transparentcolor"
  gmRadio = 2,     // the same, with the radio pictures
  gmGlyphProp = 3, // the bitmap "Glyph" of its object property "Properties"
};

class TSkinObjImage : public TSkinControl {
public:
  TSkinObjImage(host::TComponent* owner, int glyph_mode) : TSkinControl(owner), GlyphMode(glyph_mode) {}
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void Restore() override;
  void SkinChanged() override;

  int GlyphMode;

private:
  void HandOver();
};

// The strip a control of that mode takes: source frames copied side by side
// into slots of one frame's width; empty when the skin has no such picture.
// Slots whose frame is missing keep the skin's transparent colour.
host::DibBitmap GlyphStrip(const TDataSkinButton* buttons, int glyph_mode);

}  // namespace skin
