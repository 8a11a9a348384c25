#pragma once
// A status bar painted from the skin: the simple text or each panel on its
// frame of StatusBarEdges (1 lowered, 2 raised, 3 no bevel), and the size
// grip from frame 5 of ExtraImages.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinStatusBar : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

private:
  void Edge(HDC dc, const RECT& area, int frame) const;
  void DrawGrip(HDC dc, const RECT& rect) const;
};

}  // namespace skin
