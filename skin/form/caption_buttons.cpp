#include "skin/form/skin_form.h"
namespace skin {
void TNCObject::MouseDown() {}
void TNCObject::MouseUp() {}
void TNCObject::MouseEnter() {}
void TNCObject::MouseLeave() {}
void TWinSysButton::Paint() {}
void TSkinForm::CreateButtons() {}
void TSkinForm::FreeButtons() { FHotObject = nullptr; FButtons.clear(); }
bool TSkinForm::ButtonVisible(int) { return false; }
void TSkinForm::LayoutButtons() {}
void TSkinForm::PaintButtons(host::Canvas&) {}
TWinSysButton* TSkinForm::ButtonAt(POINT) { return nullptr; }
}  // namespace skin
