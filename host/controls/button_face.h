#pragma once
// The face of a button with a glyph (bit buttons, speed buttons): the glyph
// and the caption laid out by layout, margin and spacing.
#include <windows.h>

#include <string>

#include "host/core/properties.h"

namespace host {

class TBitmap;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const EnumInfo kButtonLayouts;

struct ButtonFace {
  const TBitmap* glyph = nullptr;
  int num_glyphs = 1;    // glyphs side by side in the picture: up, disabled, clicked, down
  int glyph_index = 0;
  std::string caption;
  TButtonLayout layout = blGlyphLeft;
  int margin = -1;       // -1: glyph and caption centred
  int spacing = 4;       // -1: the free room shared out evenly
  bool enabled = true;
};

// Draws into r of dc with the font and text colour already selected.
void DrawButtonFace(HDC dc, const RECT& r, const ButtonFace& face);

}  // namespace host
