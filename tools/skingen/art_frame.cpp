// Window frame: the four border pictures cut from one drawn window so that they
// meet without seams, the caption buttons drawn over the caption's own colours,
// and the MDI child buttons of the menu bar.
#include <algorithm>
#include <cmath>
#include <functional>

#include "art.h"
#include "skin.h"

namespace skingen {
namespace {

struct FrameGeometry {
  int width, height;    // the drawn window
  int caption, border;  // top height, side and bottom thickness
  int sideBottom;       // rows of the side borders copied 1:1 at the bottom (corner)
  int capMargin;        // columns of top and bottom copied 1:1 at each end (corner)
};

FrameGeometry geometry(const Theme& t) {
  FrameGeometry g{};
  g.caption = t.captionHeight;
  g.border = t.border;
  g.sideBottom = std::max(t.radius, t.border) + 1;
  g.capMargin = std::max(t.radius - t.border, 0) + 2;
  g.width = 2 * g.border + 2 * g.capMargin + 16;
  g.height = g.caption + 8 + g.sideBottom;
  return g;
}

// The whole window in one look (active or inactive); the border pictures are cut from it.
Image drawWindow(const Theme& t, const FrameGeometry& g, bool active) {
  const Rgb chrome = active ? t.chrome : t.chromeInactive;
  Image img(g.width, g.height, chrome);
  img.gradient(0, 0, g.width, g.caption, t.lighter(chrome, active ? 0.10 : 0.05), chrome);
  img.fill(g.border, g.caption, g.width - g.border, g.height - g.border, t.face);

  // Hairline where frame meets client area and menu bar.
  const Rgb seam = mix(chrome, t.chromeLine, 0.35);
  img.fill(g.border - 1, g.caption - 1, g.width - g.border + 1, g.caption, seam);
  img.fill(g.border - 1, g.caption, g.border, g.height - g.border + 1, seam);
  img.fill(g.width - g.border, g.caption, g.width - g.border + 1, g.height - g.border + 1, seam);
  img.fill(g.border - 1, g.height - g.border, g.width - g.border + 1, g.height - g.border + 1, seam);

  const double r = t.radius;
  Mask outer(g.width, g.height), inner(g.width, g.height);
  outer.roundRect(0, 0, g.width, g.height, r);
  inner.roundRect(1, 1, g.width - 1, g.height - 1, std::max(0.0, r - 1));
  if (t.bevel > 0) {
    Mask glint = inner;
    Mask lowered(g.width, g.height);
    lowered.roundRect(1, 1 + t.bevel, g.width - 1, g.height - 1 + t.bevel, std::max(0.0, r - 1));
    glint.cut(lowered);
    paint(img, glint, t.lighter(chrome, active ? 0.35 : 0.2));
  }
  Mask ring = outer;
  ring.cut(inner);
  paint(img, ring, active ? t.chromeLine : mix(t.chromeLine, chrome, 0.4));
  keyOutside(img, outer);
  return img;
}

// The caption's colour at each row, for drawing buttons that sit on it.
Image captionBackdrop(const Image& window, int y, int w, int h) {
  Image out(w, h);
  for (int row = 0; row < h; ++row) out.fill(0, row, w, row + 1, window.at(window.width() / 2, y + row));
  return out;
}

using Glyph = std::function<void(Image&, Rgb)>;

struct ButtonLook {
  Rgb glyph, glyphHot, glyphPressed, glyphInactive;
  Rgb hot, pressed;
};

// Frames: 1 normal, 2 pressed, 3 hot, 4 inactive window.
Image captionButton(const Image& active, const Image& inactive, int w, int h, int y, double radius,
                    const ButtonLook& look, const Glyph& glyph) {
  std::vector<Image> frames;
  for (int f = 1; f <= 4; ++f) {
    Image img = captionBackdrop(f == 4 ? inactive : active, y, w, h);
    if (f == 2 || f == 3) {
      Mask tile(w, h);
      tile.roundRect(0, 0, w, h, radius);
      paint(img, tile, f == 2 ? look.pressed : look.hot);
    }
    glyph(img, f == 1 ? look.glyph : f == 2 ? look.glyphPressed : f == 3 ? look.glyphHot : look.glyphInactive);
    frames.push_back(std::move(img));
  }
  return joinFrames(frames);
}

Glyph closeGlyph(double s) {
  return [s](Image& img, Rgb c) {
    const double cx = img.width() / 2.0, cy = img.height() / 2.0;
    Mask m(img.width(), img.height());
    m.segment(cx - s, cy - s, cx + s, cy + s, 1.3).segment(cx - s, cy + s, cx + s, cy - s, 1.3);
    paint(img, m, c);
  };
}

Glyph maximiseGlyph(double s) {
  return [s](Image& img, Rgb c) {
    const double x0 = std::floor(img.width() / 2.0 - s), y0 = std::floor(img.height() / 2.0 - s);
    const double n = std::round(2 * s);
    Mask m(img.width(), img.height());
    m.roundRect(x0, y0, x0 + n + 1, y0 + n + 1, 1.5);
    Mask hole(img.width(), img.height());
    hole.roundRect(x0 + 1, y0 + 1, x0 + n, y0 + n, 0.5);
    m.cut(hole);
    paint(img, m, c);
  };
}

Glyph restoreGlyph(double s) {
  return [s](Image& img, Rgb c) {
    const double n = std::round(2 * s) - 2;
    const double x0 = std::floor(img.width() / 2.0 - s), y0 = std::floor(img.height() / 2.0 - s) + 2;
    Mask front(img.width(), img.height()), hole(img.width(), img.height());
    front.roundRect(x0, y0, x0 + n + 1, y0 + n + 1, 1.5);
    hole.roundRect(x0 + 1, y0 + 1, x0 + n, y0 + n, 0.5);
    Mask back(img.width(), img.height()), backHole(img.width(), img.height());
    back.roundRect(x0 + 2, y0 - 2, x0 + n + 3, y0 + n - 1, 1.5);
    backHole.roundRect(x0 + 3, y0 - 1, x0 + n + 2, y0 + n - 2, 0.5);
    back.cut(backHole);
    Mask frontArea(img.width(), img.height());
    frontArea.roundRect(x0, y0, x0 + n + 1, y0 + n + 1, 1.5);
    back.cut(frontArea);
    front.cut(hole);
    paint(img, back, c);
    paint(img, front, c);
  };
}

Glyph minimiseGlyph(double s) {
  return [s](Image& img, Rgb c) {
    const double cy = std::floor(img.height() / 2.0) + 0.5;
    Mask m(img.width(), img.height());
    m.segment(img.width() / 2.0 - s, cy, img.width() / 2.0 + s, cy, 1.0);
    paint(img, m, c);
  };
}

Glyph optionsGlyph(double s) {
  return [s](Image& img, Rgb c) {
    drawChevron(img, img.width() / 2.0, img.height() / 2.0 + 0.5, s * 0.8, Dir::Down, c, 1.3);
  };
}

// Stands in for the window icon where a window has none; the engine draws the icon itself.
Image systemMenuPicture(const Theme& t, const Image& active, int y) {
  Image img = captionBackdrop(active, y, 16, 16);
  drawBox(img, 1, 2, 15, 14, 2, {t.lighter(t.accent, 0.85), t.accent, t.accent, t.accent, 0});
  img.fill(2, 3, 14, 6, t.accent);
  return img;
}

}  // namespace

void addFrameArt(const Theme& t, Skin& skin) {
  const FrameGeometry g = geometry(t);
  const Image active = drawWindow(t, g, true), inactive = drawWindow(t, g, false);
  const int b = g.border, capW = g.width - 2 * b;

  skin.add("frame_left.bmp", "Personality Left",
           joinFrames({active.crop(0, 0, b, g.height), inactive.crop(0, 0, b, g.height)}), 2);
  skin.add("frame_right.bmp", "Personality Right",
           joinFrames({active.crop(g.width - b, 0, b, g.height), inactive.crop(g.width - b, 0, b, g.height)}), 2);
  skin.add("frame_top.bmp", "Personality Top",
           joinFrames({active.crop(b, 0, capW, g.caption), inactive.crop(b, 0, capW, g.caption)}, true), 2, true);
  skin.add("frame_bottom.bmp", "Personality Bottom",
           joinFrames({active.crop(b, g.height - b, capW, b), inactive.crop(b, g.height - b, capW, b)}, true), 2,
           true);
  skin.set("frame.side_top", g.caption);
  skin.set("frame.side_bottom", g.sideBottom);
  skin.set("frame.cap_margin", g.capMargin);

  // Caption buttons: tiles to the right, the window icon to the left of the title.
  const int h = std::clamp(t.captionHeight - 8, 14, 22);
  const int w = h + 8, gap = 2, y = (t.captionHeight - h) / 2;
  const double s = std::min(5.0, (h - 6) / 2.0);
  const ButtonLook plain{t.chromeText, t.chromeText, t.chromeText, t.chromeTextInactive,
                         mix(t.chrome, t.chromeText, 0.14), mix(t.chrome, t.chromeText, 0.26)};
  ButtonLook close = plain;
  close.hot = t.danger;
  close.pressed = t.darker(t.danger, 0.2);
  close.glyphHot = close.glyphPressed = t.dangerText;
  const double radius = std::min(4, t.radius);

  skin.add("caption_close.bmp", "Button0", captionButton(active, inactive, w, h, y, radius, close, closeGlyph(s)), 4);
  skin.add("caption_maximise.bmp", "Button1",
           captionButton(active, inactive, w, h, y, radius, plain, maximiseGlyph(s)), 4);
  skin.add("caption_restore.bmp", "Button2",
           captionButton(active, inactive, w, h, y, radius, plain, restoreGlyph(s)), 4);
  skin.add("caption_minimise.bmp", "Button3",
           captionButton(active, inactive, w, h, y, radius, plain, minimiseGlyph(s)), 4);
  skin.add("caption_sysmenu.bmp", "Button4", systemMenuPicture(t, active, (t.captionHeight - 16) / 2), 1);
  skin.add("caption_options.bmp", "Button5",
           captionButton(active, inactive, w, h, y, radius, plain, optionsGlyph(s)), 4);

  const int edge = b + 3;
  skin.set("caption.button_y", y);
  skin.set("caption.close_x", edge + w);
  skin.set("caption.maximise_x", edge + 2 * w + gap);
  skin.set("caption.minimise_x", edge + 3 * w + 2 * gap);
  skin.set("caption.options_x", edge + 4 * w + 3 * gap);
  skin.set("caption.icon_x", b + 6);
  skin.set("caption.icon_y", (t.captionHeight - 16) / 2);
  skin.set("caption.text_shift", 6 + 16 + 2);
  skin.set("caption.text_clip", 3 + 3 * w + 2 * gap + 8);

  // MDI child buttons shown in the menu bar: minimise, restore, close; 4 frames each,
  // frame 4 being the hot look inside the menu bar.
  const int a = 18, mh = 16;
  Image menubar(a, mh, t.menubar);
  const ButtonLook mdi{t.menubarText, t.menubarText, t.menubarText, t.menubarText,
                       mix(t.menubar, t.menubarText, 0.14), mix(t.menubar, t.menubarText, 0.26)};
  std::vector<Image> strip;
  const Glyph glyphs[] = {minimiseGlyph(4), restoreGlyph(4), closeGlyph(3.5)};
  for (const Glyph& glyph : glyphs) {
    for (int f = 1; f <= 4; ++f) {
      Image img = menubar;
      if (f != 1) {
        Mask tile(a, mh);
        tile.roundRect(0, 0, a, mh, 3);
        paint(img, tile, f == 2 ? mdi.pressed : mdi.hot);
      }
      glyph(img, t.menubarText);
      strip.push_back(std::move(img));
    }
  }
  skin.add("mdi_buttons.bmp", "MDICONTROLS", joinFrames(strip), 12);
}

}  // namespace skingen
