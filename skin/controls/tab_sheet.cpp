#include "skin/controls/tab_sheet.h"

#include "skin/data/skin_data.h"

namespace skin {

bool TSkinTabSheet::BeforeMessage(host::TMessage& m) {
  if (!ParentBackgroundChanged) {
    switch (m.Msg) {
      case WM_PAINT:
      case WM_PRINT:
        PaintBuffered(m);
        return false;
      case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle, &client);
        FillRect(reinterpret_cast<HDC>(m.WParam), &client, SkinData->Elements().ButtonFaceBrush);
        m.Result = 1;
        return false;
      }
    }
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinTabSheet::Draw(HDC dc, const RECT& rect) {
  FillFace(dc, rect);
  if (auto* page = dynamic_cast<host::TWinControl*>(Control)) page->PaintControls(dc);
}

}  // namespace skin
