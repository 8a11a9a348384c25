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
    Control->Invalidate();
  }
  Attached = true;
  LifeState = clAttached;
}

void TSkinBox::Restore() {
  if (UseSkinColor && Control) {
    SetParentBackground(false);
    Control->SetColor(SavedColor);
    Control->Invalidate();
  }
  LifeState = 2;
}

}  // namespace skin
