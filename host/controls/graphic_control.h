#pragma once
#include "host/controls/control.h"

namespace host {

// A control without a window of its own. Its parent paints it through its
// slot with WM_PAINT (wParam: the parent's paint DC, clipped to the control,
// origin at its top-left) and passes it the mouse messages over it in its
// client coordinates, with CM_MOUSEENTER and CM_MOUSELEAVE as the mouse
// comes and goes.
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetCaption(std::string caption) override;

protected:
  void WndProc(TMessage& msg) override;
  virtual void Paint(HDC dc) = 0;
  void FontChanged() override { Invalidate(); }
};

}  // namespace host
