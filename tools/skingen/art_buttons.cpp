// Push buttons, check boxes and radio buttons. All sit on the dialog face, so
// their rounded edges are blended with the face colour before the corners are keyed.
#include <algorithm>

#include "art.h"
#include "skin.h"

namespace skingen {
namespace {

constexpr int kButtonW = 32, kButtonH = 24;

// Frames: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused.
Image pushButton(const Theme& t, int frame) {
  Image img(kButtonW, kButtonH, t.face);
  const double r = std::clamp(t.radius / 2.0 + 1, 2.0, 5.0);
  Box box = raisedBox(t, t.control, t.line);
  switch (frame) {
    case 2:
      box.fill = mix(t.control, t.line, 0.28);
      box.highlight = box.fill;
      box.shade = box.fill;
      break;
    case 3:
      box = {mix(t.control, t.face, 0.6), mix(t.line, t.face, 0.5), mix(t.control, t.face, 0.6),
             mix(t.control, t.face, 0.6), 0};
      break;
    case 4:
      box = raisedBox(t, mix(t.control, t.accent, 0.10), mix(t.line, t.accent, 0.55));
      break;
    case 5:
      box = raisedBox(t, t.focus, t.accent);
      break;
    default:
      break;
  }
  drawBox(img, 0, 0, kButtonW, kButtonH, r, box);
  if (frame == 5) {
    // A second accent ring makes focus visible without relying on colour alone.
    Mask ring = boxShape(img, 1, 1, kButtonW - 1, kButtonH - 1, r - 1);
    ring.cut(boxShape(img, 2, 2, kButtonW - 2, kButtonH - 2, std::max(0.0, r - 2)));
    paint(img, ring, mix(t.accent, t.focus, 0.35));
  }
  keyOutside(img, boxShape(img, 0, 0, kButtonW, kButtonH, r));
  return img;
}

constexpr int kGlyph = 13;

struct GlyphState {
  bool hot = false, pressed = false, disabled = false;
};

Image checkBox(const Theme& t, int mark, GlyphState s) {  // mark: 0 none, 1 check, 2 indeterminate
  Image img(kGlyph, kGlyph, t.face);
  const bool filled = mark != 0;
  Rgb fill = filled ? t.accent : t.window, outline = filled ? t.accent : t.muted;
  if (s.hot) outline = filled ? t.darker(t.accent, 0.15) : t.accent, fill = filled ? t.lighter(t.accent, 0.12) : fill;
  if (s.pressed) fill = filled ? t.darker(t.accent, 0.2) : mix(t.window, t.line, 0.35);
  Rgb markColour = t.accentText;
  if (s.disabled) {
    fill = filled ? mix(t.accent, t.face, 0.6) : mix(t.window, t.face, 0.5);
    outline = mix(outline, t.face, 0.55);
    markColour = mix(t.accentText, fill, 0.2);
  }
  drawBox(img, 0, 0, kGlyph, kGlyph, 3, {fill, outline, fill, fill, 0});
  Mask m(kGlyph, kGlyph);
  if (mark == 1)
    m.segment(3.2, 6.8, 5.5, 9.1, 1.6).segment(5.5, 9.1, 9.9, 4.0, 1.6);
  else if (mark == 2)
    m.segment(3.5, 6.5, 9.5, 6.5, 1.8);
  paint(img, m, markColour);
  keyOutside(img, boxShape(img, 0, 0, kGlyph, kGlyph, 3));
  return img;
}

Image radio(const Theme& t, bool checked, GlyphState s) {
  Image img(kGlyph, kGlyph, t.face);
  const double c = kGlyph / 2.0;
  Rgb outline = checked ? t.accent : t.muted, fill = checked ? t.accent : t.window, dot = t.accentText;
  if (s.hot) outline = checked ? t.darker(t.accent, 0.15) : t.accent;
  if (s.pressed) fill = checked ? t.darker(t.accent, 0.2) : mix(t.window, t.line, 0.35);
  if (s.disabled) {
    outline = mix(outline, t.face, 0.55);
    fill = checked ? mix(t.accent, t.face, 0.6) : mix(t.window, t.face, 0.5);
    dot = mix(dot, fill, 0.2);
  }
  Mask outer(kGlyph, kGlyph), inner(kGlyph, kGlyph), centre(kGlyph, kGlyph);
  outer.ellipse(c, c, c, c);
  inner.ellipse(c, c, c - 1, c - 1);
  paint(img, outer, outline);
  paint(img, inner, fill);
  if (checked) {
    centre.ellipse(c, c, 2.6, 2.6);
    paint(img, centre, dot);
  }
  keyOutside(img, outer);
  return img;
}

}  // namespace

void addButtonArt(const Theme& t, Skin& skin) {
  std::vector<Image> frames;
  for (int f = 1; f <= 5; ++f) frames.push_back(pushButton(t, f));
  skin.add("button.bmp", "Buttons", joinFrames(frames), 5);
  skin.set("button.margin", std::clamp(t.radius / 2 + 3, 4, 7));

  // 12 frames in groups of four (normal, hot, pressed, disabled): unchecked,
  // checked, indeterminate. The engine shows frames 1, 4, 5, 8, 9 and 12.
  std::vector<Image> checks;
  for (int mark = 0; mark < 3; ++mark) {
    checks.push_back(checkBox(t, mark, {}));
    checks.push_back(checkBox(t, mark, {.hot = true}));
    checks.push_back(checkBox(t, mark, {.pressed = true}));
    checks.push_back(checkBox(t, mark, {.disabled = true}));
  }
  skin.add("checkbox.bmp", "Buttons CheckButton", joinFrames(checks), 12);

  // 8 frames: unchecked then checked, each normal, hot, pressed, disabled.
  std::vector<Image> radios;
  for (bool checked : {false, true}) {
    radios.push_back(radio(t, checked, {}));
    radios.push_back(radio(t, checked, {.hot = true}));
    radios.push_back(radio(t, checked, {.pressed = true}));
    radios.push_back(radio(t, checked, {.disabled = true}));
  }
  skin.add("radio.bmp", "Buttons RadioButton", joinFrames(radios), 8);
}

}  // namespace skingen
