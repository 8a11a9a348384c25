// A 5 x 7 bitmap font (printable ASCII) for the labels of review sheets.
#pragma once
#include <string_view>

#include "image.h"

namespace skingen {

inline constexpr int kGlyphAdvance = 6;  // 5 columns and one blank
inline constexpr int kGlyphHeight = 7;

// Draws text with its top-left at (x, y), each font pixel scale x scale; returns the end x.
int drawText(Image& img, int x, int y, std::string_view text, Rgb colour, int scale = 1);
int textWidth(std::string_view text, int scale = 1);

}  // namespace skingen
