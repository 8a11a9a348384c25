#pragma once
// Track bars skinned through the control's custom-draw notification: the
// skin gives the channel and the thumb, the control keeps its tick marks.
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/skin_control.h"

namespace skin {

// The control notifies its parent; a host form hands the notification back
// to the control (CN_NOTIFY), which is where this skinner answers it.
class TSkinTrackBar : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(host::TMessage& m) override;
  // The control repaints on a change of focus: it takes the focus and gives
  // it back, which redraws it with the new skin.
  void SkinChanged() override;

private:
  // The answer to one custom-draw notification of the control.
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw) const;
  bool Vertical() const;
  void DrawThumb(HDC dc) const;
  void DrawChannel(HDC dc) const;
};

}  // namespace skin
