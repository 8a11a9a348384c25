#include "skin/form/skin_form.h"
namespace skin {
POINT TSkinForm::ToWindowPoint(int x, int y) const { return {x, y}; }
void TSkinForm::HandleNcHitTest(host::TMessage& m) { Default(m); }
void TSkinForm::HandleNcMouseMove(host::TMessage& m) { Default(m); }
void TSkinForm::HandleNcLButtonDown(host::TMessage& m) { Default(m); }
void TSkinForm::HandleNcLButtonUp(host::TMessage& m) { Default(m); }
void TSkinForm::HandleNcLButtonDblClk(host::TMessage& m) { Default(m); }
void TSkinForm::HandleNcRButtonDown(host::TMessage& m) { Default(m); }
void TSkinForm::DoButtonAction(int, int) {}
void TSkinForm::ToggleMaximize() {}
void TSkinForm::ToggleMinimize() {}
void TSkinForm::RestoreWindow() {}
void TSkinForm::HoverTick() {}
void TSkinForm::HandleSysCommand(host::TMessage& m) {
  switch (m.WParam & 0xFFF0) {
    case SC_MINIMIZE: FWindowState = TWindowState::Minimized; if (IsMDIChild()) SetCaptionStyle(true); break;
    case SC_MAXIMIZE: FWindowState = TWindowState::Maximized; break;
    case SC_RESTORE: FWindowState = TWindowState::Normal; if (IsMDIChild()) SetCaptionStyle(false); break;
  }
  Default(m);
}
}  // namespace skin
