#include "skin/controls/box.h"

#include "skin/data/skin_data.h"

namespace skin {

void TSkinBox::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  if (Attached) return;
  UseSkinColor = use_skin_colour;
  SkinData = data;
  FormCanvas = canvas;
  FormSkinner = form;
  Control = dynamic_cast<host::TControl*>(Owner());
  if (auto* win = dynamic_cast<host::TWinControl*>(Control)) Handle = win->Handle();
  Register();
  if (UseSkinColor && Control) {
    SetParentBackground(true);
    SavedColor = Control->Color();
    Control->SetColor(data->Elements().Colours.ButtonFace);
    ApplyFaceText();
    Control->Invalidate();
  }
  Attached = true;
  LifeState = clAttached;
}

void TSkinBox::Restore() {
  if (UseSkinColor && Control) {
    SetParentBackground(false);
    Control->SetColor(SavedColor);
    if (font_recoloured_) Control->Font()->SetColor(saved_font_colour_);
    font_recoloured_ = false;
    Control->Invalidate();
  }
  LifeState = 2;
}

void TSkinBox::SkinChanged() {
  if (UseSkinColor && Control) ApplyFaceText();
  TSkinControl::SkinChanged();
}

void TSkinBox::ApplyFaceText() {
  const std::int32_t text = SkinData->Elements().Content.FaceText;
  if (!font_recoloured_) saved_font_colour_ = Control->Font()->Color();
  font_recoloured_ = text != kColourNotGiven;
  Control->Font()->SetColor(font_recoloured_ ? text : saved_font_colour_);
}

}  // namespace skin
