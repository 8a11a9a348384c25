#include "skin/form/skin_form.h"
namespace skin {
void TSkinForm::ShowSystemMenu(POINT) {}
void TSkinForm::BuildSystemMenu() {}
}  // namespace skin
