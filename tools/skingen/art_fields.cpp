// Combo box parts, the sunken field edge, the extra glyphs and the spin buttons.
// The engine composes the combo box from the edge, the button and the arrow glyph
// on 50 x 21 cells, so these pictures are drawn for that cell.
#include "art.h"
#include "skin.h"

namespace skingen {
namespace {

// Frames 1 normal, 2 pressed, 3 disabled, 4 hot (or focused).
Rgb fieldOutline(const Theme& t, int state) {
  return state == 3 ? mix(t.line, t.face, 0.5) : state == 1 ? t.line : state == 4 ? t.accent : t.darker(t.accent, 0.15);
}

Image sunkEdge(const Theme& t, int state) {
  const int size = 16;
  Image img(size, size, t.face);
  drawBox(img, 0, 0, size, size, 3, {state == 3 ? mix(t.window, t.face, 0.5) : t.window, fieldOutline(t, state),
                                     t.window, t.window, 0});
  return img;
}

Image comboButton(const Theme& t, int state) {
  const int w = 18, h = 21;
  Image img(w, h, t.window);
  Mask tile(w, h);
  tile.roundRect(2, 3, w - 3, h - 3, 3);
  if (state == 2 || state == 4) paint(img, tile, state == 2 ? mix(t.window, t.text, 0.16) : mix(t.window, t.accent, 0.12));
  keyOutside(img, tile);
  return img;
}

Image extraGlyph(const Theme& t, int state) {
  const int size = 12;
  const Rgb back = state == 2 ? mix(t.window, t.text, 0.16) : state == 4 ? mix(t.window, t.accent, 0.12) : t.window;
  Image img(size, size, back);
  const Rgb ink = state == 3 ? mix(t.text, back, 0.6) : t.text;
  drawChevron(img, size / 2.0, size / 2.0 + 0.5, 3.5, Dir::Down, ink, 1.4);
  Mask keep(size, size);
  keep.roundRect(1, 2, size - 1, size - 2, 1);
  keyOutside(img, keep);
  return img;
}

// Size grip of the status bar: a triangle of dots in the bottom-right corner.
Image sizeGrip(const Theme& t) {
  const int size = 12;
  Image img(size, size, t.face);
  Mask dots(size, size), keep(size, size);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      if (row + col >= 2) {
        const double cx = 3.5 + 3 * col, cy = 3.5 + 3 * row;
        dots.ellipse(cx, cy, 1.0, 1.0);
        keep.ellipse(cx, cy, 1.5, 1.5);
      }
  paint(img, dots, mix(t.text, t.face, 0.35));
  keyOutside(img, keep);
  return img;
}

// Spin buttons are stretched whole into each half of the control, so the
// backgrounds are plain tiles and the arrows come from the separate glyph picture.
Image spinBack(const Theme& t, int w, int h, int state) {
  const Rgb fill = state == 2 ? mix(t.control, t.line, 0.28) : state == 3 ? mix(t.control, t.face, 0.6)
                   : state == 4 ? mix(t.control, t.accent, 0.12) : t.control;
  Image img(w, h, fill);
  return img;
}

Image spinGlyph(const Theme& t, int w, int h, Dir d, int state) {
  const Rgb back = state == 2 ? mix(t.control, t.line, 0.28) : state == 3 ? mix(t.control, t.face, 0.6)
                   : state == 4 ? mix(t.control, t.accent, 0.12) : t.control;
  Image img(w, h, back);
  drawArrow(img, w / 2.0, h / 2.0, 3, d, state == 3 ? mix(t.controlText, back, 0.6) : t.controlText);
  Mask keep(w, h);
  const bool horizontal = d == Dir::Left || d == Dir::Right;
  keep.roundRect(w / 2.0 - (horizontal ? 2.5 : 4), h / 2.0 - (horizontal ? 4 : 2.5),
                 w / 2.0 + (horizontal ? 2.5 : 4), h / 2.0 + (horizontal ? 4 : 2.5), 0);
  keyOutside(img, keep);
  return img;
}

}  // namespace

void addFieldArt(const Theme& t, Skin& skin) {
  std::vector<Image> edge, button, extra;
  for (int state = 1; state <= 4; ++state) {
    edge.push_back(sunkEdge(t, state));
    button.push_back(comboButton(t, state));
    extra.push_back(extraGlyph(t, state));
  }
  extra.push_back(sizeGrip(t));
  skin.add("sunkedge.bmp", "SunkEdge", joinFrames(edge), 4);
  skin.add("combobutton.bmp", "ComboButton", joinFrames(button), 4);
  skin.add("extra.bmp", "ExtraImages", joinFrames(extra), 5);

  // Vertical: frames 1-4 up, 5-8 down; horizontal: 1-4 left, 5-8 right.
  for (bool vertical : {true, false}) {
    const int w = vertical ? 16 : 14, h = vertical ? 10 : 16;
    std::vector<Image> backs, glyphs;
    const Dir directions[2] = {vertical ? Dir::Up : Dir::Left, vertical ? Dir::Down : Dir::Right};
    for (Dir d : directions)
      for (int state = 1; state <= 4; ++state) {
        backs.push_back(spinBack(t, w, h, state));
        glyphs.push_back(spinGlyph(t, 10, 10, d, state));
      }
    skin.add(vertical ? "updown_vert.bmp" : "updown_horz.bmp", vertical ? "UpDown.Vert" : "UpDown.Horz",
             joinFrames(backs), 8);
    skin.add(vertical ? "updown_vglyph.bmp" : "updown_hglyph.bmp",
             vertical ? "UpDown.Vert GlyphImage" : "UpDown.Horz GlyphImage", joinFrames(glyphs), 8);
  }
}

}  // namespace skingen
