#include "skin/form/skin_form.h"
namespace skin {
void TSkinForm::PaintCaptionText(host::Canvas&, const RECT&) {}
}  // namespace skin
