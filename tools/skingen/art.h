// Drawing steps shared by the art units.
#pragma once
#include "image.h"
#include "theme.h"

namespace skingen {

enum class Dir { Up, Down, Left, Right };

// A rounded box with a one-pixel outline, a fill and, with bevel > 0, a lighter
// top edge and a darker bottom edge of that many pixels. Painted over what the
// picture holds there, so its edge pixels blend with that backdrop.
struct Box {
  Rgb fill, outline, highlight, shade;
  int bevel = 0;
};
void drawBox(Image& img, double x0, double y0, double x1, double y1, double radius, const Box& box);

// Outline of the same rounded shape, for keying the surroundings out.
Mask boxShape(const Image& img, double x0, double y0, double x1, double y1, double radius);

// An open arrow head (chevron) of half-size h centred at (cx, cy).
void drawChevron(Image& img, double cx, double cy, double h, Dir d, Rgb c, double thickness = 1.5);
// A filled arrow triangle of half-size h.
void drawArrow(Image& img, double cx, double cy, double h, Dir d, Rgb c);

// A face box in the skin's usual raised look.
Box raisedBox(const Theme& t, Rgb fill, Rgb outline);

}  // namespace skingen
