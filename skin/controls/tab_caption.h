#pragma once
// The caption of one tab: its image-list icon and its text side by side,
// placed left, centred or right in the tab and cut with an ellipsis when the
// tab is too narrow.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string_view>

#include "skin/data/skin_elements.h"

namespace skin {

// A tab's text colour; one the skin does not give is its button-text colour.
COLORREF TabTextColour(std::int32_t colour, const SkinColours& colours);

enum class TTabAlign { Left, Centre, Right };

// The text goes in the DC's font and text colour; a disabled tab's text in
// the system's button-shadow colour. An icon index of -1, no image list or
// an icon at least as wide as the tab leaves the icon out.
void DrawTabCaption(HDC dc, const RECT& rect, TTabAlign align, std::wstring_view text, int image, HIMAGELIST images,
                    bool enabled);

}  // namespace skin
