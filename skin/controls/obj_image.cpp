#include "skin/controls/obj_image.h"

#include <span>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "skin/data/skin_data.h"
#include "skin/draw/transparent.h"

namespace skin {
namespace {

// Source frame numbers of each slot, by mode.
constexpr int kCheckSlots[] = {1, 2, 5, 1, 2, 5, 3, 4, 5};
constexpr int kRadioSlots[] = {1, 2, 1, 2, 3, 4};
constexpr int kGlyphSlots[] = {1, 2, 5, 1, 2, 5};
// The transparent colour handed over with the pictures, as the control takes it.
constexpr char kKeyText[] = "16711935";

std::span<const int> SlotsOf(int mode) {
  switch (mode) {
    case gmCheckBox: return kCheckSlots;
    case gmRadio: return kRadioSlots;
    case gmGlyphProp: return kGlyphSlots;
    default: return {};
  }
}

host::TBitmap* BitmapProp(const host::TPersistent* component, std::string_view name) {
  return static_cast<host::TBitmap*>(GetObjectProp(component, name, host::TBitmap::Info()));
}

host::TBitmap* GlyphOfProperties(const host::TPersistent* control) {
  const host::TPersistent* properties = control ? host::GetObjectProp(*control, "Properties") : nullptr;
  return BitmapProp(properties, "Glyph");
}

}  // namespace

host::DibBitmap GlyphStrip(const TDataSkinButton* buttons, int glyph_mode) {
  const std::span<const int> slots = SlotsOf(glyph_mode);
  if (!buttons || slots.empty()) return {};
  const bool radio = glyph_mode == gmRadio;
  const host::DibBitmap& source = radio ? buttons->RadioImage : buttons->CheckImage;
  const int frames = radio ? buttons->RadioFrames : buttons->CheckFrames;
  if (source.Empty() || frames < 1) return {};
  const int w = source.Width() / frames, h = source.Height();
  if (w < 1) return {};
  host::DibBitmap strip(w * static_cast<int>(slots.size()), h);
  strip.GetCanvas().SetBrushColour(kSkinColourKey);
  strip.GetCanvas().FillRect({0, 0, strip.Width(), strip.Height()});
  for (size_t i = 0; i < slots.size(); ++i) {
    const int frame = slots[i];
    if (frame > frames || (frame == 5 && frames != 5)) continue;
    BitBlt(strip.Dc(), static_cast<int>(i) * w, 0, w, h, source.Dc(), (frame - 1) * w, 0, SRCCOPY);
  }
  return strip;
}

const host::ClassInfo& TSkinObjImage::Info() {
  static const host::ClassInfo info{"TSkinObjImage", &TSkinControl::Info(), {}};
  return info;
}

// The control keeps its own window procedure: only its properties change.
void TSkinObjImage::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  if (Attached) return;
  Control = dynamic_cast<host::TControl*>(Owner());
  SkinData = data;
  FormSkinner = form;
  FormCanvas = canvas;
  UseSkinColor = use_skin_colour;
  Register();
  HandOver();
  Attached = true;
  LifeState = clAttached;
}

void TSkinObjImage::SkinChanged() { HandOver(); }

void TSkinObjImage::HandOver() {
  if (!Control || !SkinData) return;
  const host::DibBitmap strip = GlyphStrip(SkinData->Elements().Buttons.get(), GlyphMode);
  if (strip.Empty()) return;
  if (GlyphMode == gmGlyphProp) {
    if (host::TBitmap* glyph = GlyphOfProperties(Control)) {
      glyph->Assign(strip);
      glyph->SetTransparentColor(kSkinColourKey);
      glyph->SetTransparent(false);
    }
    return;
  }
  if (host::TBitmap* glyphs = BitmapProp(Control, "CustomGlyphs")) glyphs->Assign(strip);
  SetPropText(Control, "transparentcolor", kKeyText);
  // Off and on again, so that the control reloads its pictures.
  SetPropText(Control, "UseCustomGlyphs", "false");
  SetPropText(Control, "UseCustomGlyphs", "true");
}

void TSkinObjImage::Restore() {
  if (!Control) return;
  if (GlyphMode == gmGlyphProp) {
    if (host::TBitmap* glyph = GlyphOfProperties(Control)) glyph->Clear();
  } else {
    SetPropText(Control, "UseCustomGlyphs", "false");
  }
}

}  // namespace skin
