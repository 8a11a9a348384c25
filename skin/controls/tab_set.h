#pragma once
// The form library's old-style tab set painted from the skin's Tabs element,
// turned upside down so that the tabs hang from the top edge: frame 2 for
// the selected tab, frame 1 for the others.
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinTab31 : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  // The tab set is subclassed at the window level, not through its slot.
  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  bool BeforeMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  host::DibBitmap TabImage;

private:
  void LoadTabImage();
};

}  // namespace skin
