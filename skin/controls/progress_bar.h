#pragma once
// Progress bars painted wholly from the skin's Progress element: a stretched
// bar (frame 1 the empty track, frame 2 the filled part) or, with the
// element's Style 1, a row of Progress.Chunk pictures over the track.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinProgress : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

private:
  // The filled part of a bar `length` long, from the control's range and position.
  int FilledLength(int length) const;

  host::DibBitmap picture_;  // laid out horizontally; turned for a vertical bar
};

}  // namespace skin
