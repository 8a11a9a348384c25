#include "host/controls/graphic_control.h"

#include <windowsx.h>

namespace host {

const ClassInfo& TGraphicControl::Info() {
  static const ClassInfo info{"TGraphicControl", &TControl::Info(), {}};
  return info;
}

void TGraphicControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(m.WParam));
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(mbLeft, ShiftFromKeys(m.WParam), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      return;
    case WM_RBUTTONDOWN:
      MouseDown(mbRight, ShiftFromKeys(m.WParam), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      return;
  }
  TControl::WndProc(m);
}

// Moving or resizing repaints where the control was and where it is now.
void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  Invalidate();
  TControl::SetBounds(left, top, width, height);
  Invalidate();
}

void TGraphicControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  Invalidate();
  Perform(CM_VISIBLECHANGED, visible);
}

void TGraphicControl::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  TControl::SetEnabled(enabled);
  Invalidate();
  Perform(CM_ENABLEDCHANGED);
}

void TGraphicControl::SetCaption(std::string caption) {
  TControl::SetCaption(std::move(caption));
  Invalidate();
}

}  // namespace host
