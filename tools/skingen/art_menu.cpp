// Menu bar, menu items and the popup menu's background. Menus are plain
// rectangles (no window region), so their pictures are opaque except the item
// frames, which are keyed over the popup background.
#include "art.h"
#include "skin.h"

namespace skingen {

void addMenuArt(const Theme& t, Skin& skin) {
  // Stretched to the system's menu height: flat colour only, no thin lines that
  // a vertical stretch could drop or double.
  const int barW = 32, barH = 20;
  Image active(barW, barH, t.menubar), inactive(barW, barH, mix(t.menubar, t.chromeInactive, 0.3));
  skin.add("menubar.bmp", "Personality menuBar", joinFrames({active, inactive}, true), 2, true);

  // Items, 5 frames: 1 normal, 2 separator, 3 disabled, 4 selected, 5 selected and disabled.
  const int w = 24, h = 22, inset = 3;
  std::vector<Image> frames;
  for (int f = 1; f <= 5; ++f) {
    Image img(w, h, t.surface);
    Mask shape(w, h);
    if (f == 4 || f == 5) {
      shape.roundRect(inset, 1, w - inset, h - 1, 4);
      paint(img, shape, f == 4 ? t.select : mix(t.select, t.surface, 0.5));
    } else if (f == 2) {
      // The engine copies the bottom rows of this frame for a separator of that height.
      const int margin = inset + 4;
      shape.roundRect(margin, h - 5, w - margin, h - 4, 0);
      img.fill(margin, h - 5, w - margin, h - 4, mix(t.surface, t.line, 0.6));
    }
    keyOutside(img, shape);
    frames.push_back(std::move(img));
  }
  skin.add("menuitem.bmp", "MenuItem", joinFrames(frames), 5);
  skin.set("menuitem.margin", inset + 4);

  // Popup background: 1-pixel outline, then a 2-pixel gutter of the item colour.
  Image back(16, 16, t.surface);
  back.fill(0, 0, 16, 16, mix(t.surface, t.line, 0.85));
  back.fill(1, 1, 15, 15, t.surface);
  skin.add("menuback.bmp", "MenuBackground", back, 1);
}

}  // namespace skingen
