#include "skin/controls/size_grip.h"

#include "host/gdi/handles.h"

namespace skin {

bool TSkinSizer::BeforeMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case WM_PAINT: {
      RECT r;
      GetClientRect(Handle, &r);
      if (m.WParam) {
        Draw(reinterpret_cast<HDC>(m.WParam), r);
      } else {
        const host::PaintDc dc(Handle);
        Draw(dc, r);
      }
      m.Result = 0;
      return false;
    }
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinSizer::Draw(HDC dc, const RECT& rect) { FillFace(dc, rect); }

}  // namespace skin
