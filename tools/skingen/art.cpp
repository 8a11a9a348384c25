#include "art.h"

namespace skingen {

Mask boxShape(const Image& img, double x0, double y0, double x1, double y1, double radius) {
  Mask m(img.width(), img.height());
  m.roundRect(x0, y0, x1, y1, radius);
  return m;
}

void drawBox(Image& img, double x0, double y0, double x1, double y1, double radius, const Box& box) {
  const Mask outer = boxShape(img, x0, y0, x1, y1, radius);
  paint(img, outer, box.outline);
  const double r = radius > 1 ? radius - 1 : 0;
  const Mask inner = boxShape(img, x0 + 1, y0 + 1, x1 - 1, y1 - 1, r);
  paint(img, inner, box.fill);
  if (box.bevel > 0) {
    Mask top = inner;
    top.cut(boxShape(img, x0 + 1, y0 + 1 + box.bevel, x1 - 1, y1 - 1 + box.bevel, r));
    paint(img, top, box.highlight);
    Mask bottom = inner;
    bottom.cut(boxShape(img, x0 + 1, y0 + 1 - box.bevel, x1 - 1, y1 - 1 - box.bevel, r));
    paint(img, bottom, box.shade);
  }
}

void drawChevron(Image& img, double cx, double cy, double h, Dir d, Rgb c, double thickness) {
  Mask m(img.width(), img.height());
  const double q = h / 2;  // depth of the chevron is half its width
  switch (d) {
    case Dir::Up:
      m.segment(cx - h, cy + q, cx, cy - q, thickness).segment(cx, cy - q, cx + h, cy + q, thickness);
      break;
    case Dir::Down:
      m.segment(cx - h, cy - q, cx, cy + q, thickness).segment(cx, cy + q, cx + h, cy - q, thickness);
      break;
    case Dir::Left:
      m.segment(cx + q, cy - h, cx - q, cy, thickness).segment(cx - q, cy, cx + q, cy + h, thickness);
      break;
    case Dir::Right:
      m.segment(cx - q, cy - h, cx + q, cy, thickness).segment(cx + q, cy, cx - q, cy + h, thickness);
      break;
  }
  paint(img, m, c);
}

void drawArrow(Image& img, double cx, double cy, double h, Dir d, Rgb c) {
  Mask m(img.width(), img.height());
  const double q = h / 2;
  switch (d) {
    case Dir::Up: m.triangle(cx - h, cy + q, cx + h, cy + q, cx, cy - q); break;
    case Dir::Down: m.triangle(cx - h, cy - q, cx + h, cy - q, cx, cy + q); break;
    case Dir::Left: m.triangle(cx + q, cy - h, cx + q, cy + h, cx - q, cy); break;
    case Dir::Right: m.triangle(cx - q, cy - h, cx - q, cy + h, cx + q, cy); break;
  }
  paint(img, m, c);
}

Box raisedBox(const Theme& t, Rgb fill, Rgb outline) {
  return {fill, outline, t.lighter(fill, 0.45), t.darker(fill, 0.06), t.bevel};
}

}  // namespace skingen
