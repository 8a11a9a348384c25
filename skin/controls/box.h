#pragma once
// A panel-like host control (a panel, an embedded form) in the skin's face
// colour, its caption in the skin's face text when the skin gives one. It
// takes no messages: its children get skinners of their own.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinBox : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void Restore() override;
  void AfterMessage(host::TMessage&) override {}
  void SkinChanged() override;

private:
  void ApplyFaceText();

  host::TColor saved_font_colour_ = 0;
  bool font_recoloured_ = false;
};

}  // namespace skin
