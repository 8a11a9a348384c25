#include "host/dialogs/font_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include "host/app/application.h"
#include "host/controls/form.h"
#include "host/core/error.h"
#include "host/core/text.h"

namespace host {

const ClassInfo& TFontDialog::Info() {
  static const ClassInfo info{"TFontDialog", &TComponent::Info(), {},
                              [](TComponent* owner) -> TComponent* { return new TFontDialog(owner); }};
  return info;
}

bool TFontDialog::Execute() {
  LOGFONTW font{};
  GetObjectW(font_.Handle(), sizeof(font), &font);
  CHOOSEFONTW choose{sizeof(choose)};
  TForm* owner = Application().ActiveForm();
  choose.hwndOwner = owner && owner->HandleAllocated() ? owner->WindowHandle() : nullptr;
  choose.lpLogFont = &font;
  choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  choose.rgbColors = ColourToRgb(font_.Color());
  if (!ChooseFontW(&choose)) {
    if (const DWORD err = CommDlgExtendedError(); err != 0)
      throw Error("The font dialog failed (error " + std::to_string(err) + ").");
    return false;
  }
  font_.SetName(Narrow(font.lfFaceName));
  font_.SetHeight(font.lfHeight);
  font_.SetStyle((font.lfWeight >= FW_BOLD ? fsBold : 0u) | (font.lfItalic ? fsItalic : 0u) |
                 (font.lfUnderline ? fsUnderline : 0u) | (font.lfStrikeOut ? fsStrikeOut : 0u));
  font_.SetColor(static_cast<int>(choose.rgbColors));
  return true;
}

}  // namespace host
