#include "skin/controls/whole_paint.h"

#include <optional>

#include "host/gdi/handles.h"

namespace skin {

void PaintWhole(TSkinControl& skinner, host::TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  std::optional<host::PaintDc> paint;
  if (!dc) dc = paint.emplace(skinner.Handle);
  if (GetWindowRect(skinner.Handle, &skinner.WindowRect)) {
    const RECT& w = skinner.WindowRect;
    skinner.Draw(dc, {0, 0, w.right - w.left, w.bottom - w.top});
  }
  m.Result = 0;
}

}  // namespace skin
