#pragma once
// The text of a bar's panel (a status bar's panel, a tab): plain style, no
// background, vertically centred one pixel above the exact middle.
#include <windows.h>

#include <string_view>

#include "host/graphics/canvas.h"

namespace skin {

// alignment: DT_LEFT, DT_CENTER or DT_RIGHT. Disabled text is drawn in the
// system's button-shadow colour.
void DrawPanelText(host::Canvas& canvas, const RECT& rect, UINT alignment, bool enabled, std::wstring_view text);

}  // namespace skin
