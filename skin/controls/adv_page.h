#pragma once
// A page control that draws its tabs from pictures it publishes: the skin's
// tab pictures are handed to it, and the spin buttons it shows when its tabs
// overflow get a skinner of their own.
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/skin_control.h"

namespace skin {

// PageMode that hands the tab pictures over.
inline constexpr int kPageTabPictures = 4;

class TSkinAdvPage : public TSkinControl {
public:
  TSkinAdvPage(host::TComponent* owner, int page_mode) : TSkinControl(owner), PageMode(page_mode) {}
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void Restore() override;
  void Draw(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  int PageMode;

private:
  void HandOver();
};

// Frame k of the skin's "Tabs" composed at the size a page control's tab
// pictures have; empty without that element.
host::DibBitmap TabPicture(const TSkinData& data, int frame);

}  // namespace skin
