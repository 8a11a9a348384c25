#pragma once
// Tab controls painted from the skin's Tabs element: the strip of tabs on any
// of the four sides (drawn lying along the top and turned into place), the
// pane picture under the pages, and the control's scroll arrows as a skinned
// spin button.
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinUpDown;

// Where the tabs sit, from TCS_BOTTOM and TCS_VERTICAL.
enum TTabPosition : int { tpTop = 0, tpBottom = 1, tpLeft = 2, tpRight = 3 };
TTabPosition TabPositionOf(DWORD style);

class TSkinTab : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) override;
  bool BeforeMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  // The skinner of the scroll arrows while they and their window live.
  TSkinUpDown* SpinSkinner() const;

  host::DibBitmap TabImage;   // the Tabs picture, flipped for bottom tabs
  host::DibBitmap PaneImage;  // the pane picture, flipped or turned to the tabs' side
  host::DibBitmap StripBuffer;
  TTabPosition TabPosition = tpTop;
  bool UnicodeTabs = false;

private:
  // What either way of attaching ends with.
  void Prepare();
  void LoadTabImages();
  // Skins the scroll arrows once; gives their window while they are visible.
  HWND FindSpinButton();
  void DrawStrip(HDC dc, const RECT& window, const RECT& display);
  void DrawPane(HDC dc, const RECT& display) const;

  HWND spin_window_ = nullptr;  // the form skinner owns and frees the spin skinner
};

}  // namespace skin
