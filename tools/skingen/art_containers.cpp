// Tabs and their pane, group box, status bar, tool bars and list headers.
#include <algorithm>

#include "art.h"
#include "skin.h"

namespace skingen {
namespace {

constexpr int kTabW = 24, kTabH = 22;

// Frames: 1 inactive, 2 selected, 3 hot, 4 disabled, 5 focused. The selected tab
// has no bottom line so it merges with the pane below; the others end on the
// pane's outline colour.
Image tab(const Theme& t, int frame) {
  Image img(kTabW, kTabH, t.face);
  const bool selected = frame == 2 || frame == 5;
  const Rgb fill = selected ? t.face : frame == 3 ? mix(t.face, t.window, 0.45) : mix(t.face, t.window, 0.25);
  const Rgb outline = frame == 4 ? mix(t.line, t.face, 0.5) : t.line;
  const double top = selected ? 0 : 2;
  const double r = std::clamp(t.radius / 2.0 + 1, 2.0, 5.0);
  Mask outer(kTabW, kTabH), inner(kTabW, kTabH);
  outer.roundRect(0, top, kTabW, kTabH + r + 1, r);
  inner.roundRect(1, top + 1, kTabW - 1, kTabH + r + 1, r - 1);
  paint(img, outer, outline);
  paint(img, inner, fill);
  if (selected) img.fill(static_cast<int>(r), 1, kTabW - static_cast<int>(r), 3, t.accent);
  if (!selected) img.fill(0, kTabH - 1, kTabW, kTabH, t.line);
  keyOutside(img, outer);
  return img;
}

Image pane(const Theme& t) {
  Image img(16, 16, t.face);
  img.fill(0, 0, 16, 16, t.line);
  img.fill(1, 1, 15, 15, t.face);
  return img;
}

// Status bar panels: 1 lowered (separator at the right), 2 raised (top highlight),
// 3 without bevel. The top row is the line between client area and status bar.
Image statusEdge(const Theme& t, int frame) {
  Image img(16, 16, t.face);
  img.fill(0, 0, 16, 1, mix(t.face, t.line, 0.7));
  if (frame == 1) img.fill(15, 4, 16, 12, mix(t.face, t.line, 0.8));
  if (frame == 2) img.fill(0, 1, 16, 2, t.lighter(t.face, 0.7));
  return img;
}

// Tool buttons: 1 normal (transparent), 2 pressed, 3 disabled, 4 hot, 5 checked.
Image toolButton(const Theme& t, int frame) {
  const int size = 22;
  Image img(size, size, t.face);
  Mask shape = boxShape(img, 0, 0, size, size, 4);
  if (frame == 2 || frame == 4 || frame == 5) {
    const Rgb fill = frame == 2 ? mix(t.face, t.line, 0.35) : frame == 4 ? mix(t.face, t.accent, 0.12) : mix(t.face, t.accent, 0.22);
    drawBox(img, 0, 0, size, size, 4, {fill, frame == 4 ? mix(t.line, t.accent, 0.5) : t.line, fill, fill, 0});
  } else {
    shape = Mask(size, size);
  }
  keyOutside(img, shape);
  return img;
}

// Header items: 1 normal, 2 hot, 3 pressed, 4 disabled, 5 sorted. The engine draws
// their text in the default black, so every frame keeps a light fill.
Image headerItem(const Theme& t, int frame) {
  const int w = 24, h = 20;
  const Rgb fill = frame == 2 ? mix(t.window, t.accent, 0.10) : frame == 3 ? mix(t.window, t.line, 0.3)
                   : frame == 5 ? mix(t.window, t.accent, 0.18) : t.window;
  Image img(w, h, fill);
  img.fill(0, h - 1, w, h, mix(t.window, t.line, 0.8));
  img.fill(w - 1, 4, w, h - 4, mix(t.window, t.line, 0.6));
  if (frame == 5) img.fill(0, h - 2, w, h - 1, t.accent);
  return img;
}

Image groupEdge(const Theme& t, bool enabled) {
  Image img(16, 16, t.face);
  drawBox(img, 0, 0, 16, 16, 3, {t.face, enabled ? t.line : mix(t.line, t.face, 0.5), t.face, t.face, 0});
  return img;
}

Image groupLabel(const Theme& t) {
  Image img(16, 14, t.face);
  return img;
}

}  // namespace

void addContainerArt(const Theme& t, Skin& skin) {
  std::vector<Image> tabs, status, tools, header;
  for (int f = 1; f <= 5; ++f) {
    tabs.push_back(tab(t, f));
    tools.push_back(toolButton(t, f));
    header.push_back(headerItem(t, f));
  }
  for (int f = 1; f <= 3; ++f) status.push_back(statusEdge(t, f));
  skin.add("tabs.bmp", "Tabs", joinFrames(tabs), 5);
  skin.add("tab_border.bmp", "Tabs Border", pane(t), 1);
  skin.add("tab_pane.bmp", "Tab.Pane", pane(t), 1);
  const int r = static_cast<int>(std::clamp(t.radius / 2.0 + 1, 2.0, 5.0));
  skin.set("tab.side", r + 1);
  skin.set("tab.top", r + 3);
  skin.add("statusbar.bmp", "StatusBarEdges", joinFrames(status), 3);
  skin.add("toolbars.bmp", "ToolBars", joinFrames(tools), 5);
  skin.add("header.bmp", "Headerbar", joinFrames(header), 5);
  skin.add("groupbox_edge.bmp", "GroupBoxEdge", joinFrames({groupEdge(t, true), groupEdge(t, false)}), 2);
  skin.add("groupbox.bmp", "GroupBox", groupLabel(t), 1);
}

}  // namespace skingen
