#include "skin/controls/dialog_pane.h"

#include "skin/controls/content_colours.h"
#include "skin/data/skin_data.h"

namespace skin {

bool TSkinBoxH::BeforeMessage(host::TMessage& m) {
  if (!SkinData) return TSkinControl::BeforeMessage(m);
  const SkinElements& skin = SkinData->Elements();
  switch (m.Msg) {
    case WM_ERASEBKGND: {
      RECT w;
      if (GetWindowRect(Handle, &w)) {
        const RECT r{0, 0, w.right - w.left, w.bottom - w.top};
        FillRect(reinterpret_cast<HDC>(m.WParam), &r, skin.ButtonFaceBrush);
      }
      m.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC:
      if (AnswerContentColour(skin, m)) return false;
      // The text's own colour stays; its background becomes the face.
      CallPrevious(m);
      SetBkColor(reinterpret_cast<HDC>(m.WParam), host::ColourToRgb(skin.Colours.ButtonFace));
      m.Result = reinterpret_cast<LRESULT>(skin.ButtonFaceBrush.get());
      return false;
  }
  return TSkinControl::BeforeMessage(m);
}

}  // namespace skin
