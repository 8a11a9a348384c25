#include "preview.h"

#include <algorithm>

#include "font.h"
#include "skin/store/quick_ini.h"

namespace skingen {
namespace {

using skin::store::TQuickIni;

struct Margins {
  int l = 0, t = 0, r = 0, b = 0;
};

// Nine-slice of frame k: corners 1:1, edges and centre stretched by dropping or
// repeating pixels (the engine's COLORONCOLOR stretching), or the centre tiled.
Image slice(const Image& src, int frames, int k, bool stacked, Margins m, int w, int h, bool tile = false) {
  const int fw = stacked ? src.width() : src.width() / frames, fh = stacked ? src.height() / frames : src.height();
  const int fx = stacked ? 0 : (k - 1) * fw, fy = stacked ? (k - 1) * fh : 0;
  if (m.l + m.r > w) m.l = m.r = 0;
  if (m.t + m.b > h) m.t = m.b = 0;
  Image out(std::max(w, 0), std::max(h, 0));
  auto map = [](int d, int d0, int d1, int s0, int s1, bool tiled) {
    if (tiled) return s0 + (d - d0) % std::max(1, s1 - s0);
    return s0 + (d - d0) * (s1 - s0) / std::max(1, d1 - d0);
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool centre = x >= m.l && x < w - m.r && y >= m.t && y < h - m.b;
      const int sx = x < m.l ? x : x >= w - m.r ? fw - (w - x) : map(x, m.l, w - m.r, m.l, fw - m.r, tile && centre);
      const int sy = y < m.t ? y : y >= h - m.b ? fh - (h - y) : map(y, m.t, h - m.b, m.t, fh - m.b, tile && centre);
      out.set(x, y, src.at(fx + std::clamp(sx, 0, fw - 1), fy + std::clamp(sy, 0, fh - 1)));
    }
  return out;
}

void blit(Image& dst, const Image& src, int x, int y, bool keyed) {
  for (int sy = 0; sy < src.height(); ++sy)
    for (int sx = 0; sx < src.width(); ++sx)
      if (dst.contains(x + sx, y + sy) && !(keyed && src.at(sx, sy) == kKey)) dst.set(x + sx, y + sy, src.at(sx, sy));
}

Image frameOf(const Image& src, int frames, int k) { return src.crop((k - 1) * (src.width() / frames), 0, src.width() / frames, src.height()); }

Rgb colourText(const std::string& text) {
  int v[3] = {0, 0, 0}, n = 0, cur = -1;
  for (char c : text + " ") {
    if (c >= '0' && c <= '9') cur = (cur < 0 ? 0 : cur * 10) + (c - '0');
    else if (cur >= 0) {
      if (n < 3) v[n++] = cur % 256;
      cur = -1;
    }
  }
  return {uint8_t(v[0]), uint8_t(v[1]), uint8_t(v[2])};
}

class Painter {
 public:
  Painter(const Skin& skin, const std::string& definition) : skin_(skin) {
    skin::store::TMemoryStream stream(std::vector<uint8_t>(definition.begin(), definition.end()));
    ini_.LoadFromStream(stream);
  }

  const Image& pic(const std::string& section, const std::string& key) const {
    const std::string file = ini_.ReadString(section, key, "");
    for (const Picture& p : skin_.pictures)
      if (p.file == file) return p.image;
    return empty_;
  }
  int num(const std::string& section, const std::string& key, int def = 0) const { return ini_.ReadInteger(section, key, def); }
  Rgb colour(const std::string& section, const std::string& key) const { return colourText(ini_.ReadString(section, key, "0 0 0")); }
  Margins margins(const std::string& section) const {
    return {num(section, "LeftWidth"), num(section, "TopHeight"), num(section, "RightWidth"), num(section, "BottomHeight")};
  }
  // An element of a plain section drawn into a rectangle.
  void element(Image& dst, const std::string& section, int frames, int k, int x, int y, int w, int h,
               const std::string& key = "Image") const {
    const Image& img = pic(section, key);
    if (img.empty()) return;
    blit(dst, slice(img, frames, k, false, margins(section), w, h, num(section, "Tile") == 1), x, y,
         num(section, "Trans") == 1);
  }
  void label(Image& dst, int x, int y, int w, int h, const std::string& text, Rgb c, bool centred = true) const {
    const int tx = centred ? x + (w - textWidth(text)) / 2 : x;
    drawText(dst, tx, y + (h - kGlyphHeight) / 2, text, c);
  }

  void window(Image& dst, int ox, int oy, int w, int h, bool active) const;
  void popup(Image& dst, int ox, int oy) const;

 private:
  const Skin& skin_;
  TQuickIni ini_;
  Image empty_;
};

void Painter::window(Image& dst, int ox, int oy, int w, int h, bool active) const {
  const int k = active ? 1 : 2;
  const Image& left = pic("Personality", "Left");
  const Image& right = pic("Personality", "Right");
  const Image& top = pic("Personality", "Top");
  const Image& bottom = pic("Personality", "Bottom");
  const int bl = left.width() / 2, br = right.width() / 2, bt = top.height() / 2, bb = bottom.height() / 2;
  const int menuH = 19;
  Image win(w, h, colour("Colours", "ButtonFace"));
  auto side = [&](const std::string& n) { return Margins{0, num("Personality", n + "TopHeight"), 0, num("Personality", n + "BotHeight")}; };
  auto across = [&](const std::string& n) { return Margins{num("Personality", n + "TopHeight"), 0, num("Personality", n + "BotHeight"), 0}; };
  blit(win, slice(left, 2, k, false, side("Left"), bl, h), 0, 0, false);
  blit(win, slice(right, 2, k, false, side("Right"), br, h), w - br, 0, false);
  blit(win, slice(bottom, 2, k, true, across("Bottom"), w - bl - br, bb), bl, h - bb, false);
  blit(win, slice(top, 2, k, true, across("Top"), w - bl - br, bt), bl, 0, false);

  // Caption text and buttons.
  const Rgb titleColour = colour("Colours", active ? "TitleTextActive" : "TitleTextNoActive");
  drawText(win, bl + num("Personality", "TextShift") + 6, (bt - kGlyphHeight) / 2, "Brindle", titleColour);
  for (int i = 0; i <= 4; ++i) {  // Button5 shows only on windows that ask for it
    const std::string section = "Button" + std::to_string(i);
    const int vis = num(section, "Visibility");
    if (vis == 1) continue;  // restore: the window is not maximised
    const Image& img = pic(section, "ButtonImage");
    const int frames = num(section, "frame", 1);
    const int x = num(section, "Align") == 1 ? w - num(section, "Xcoord") : num(section, "Xcoord");
    const int frame = frames < 4 ? 1 : !active ? 4 : (i == 0 ? 3 : 1);  // close shown hot
    blit(win, frameOf(img, frames, frame), x, num(section, "Ycoord"), true);
  }

  // Menu bar.
  const Image& bar = pic("Personality", "menuBar");
  blit(win, slice(bar, 2, k, true, {num("Personality", "TileLeftMenu"), 0, num("Personality", "TileRightMenu"), 0}, w - bl - br, menuH), bl, bt, false);
  int mx = bl + num("Personality", "TileLeftMenu") + 4;
  for (const char* item : {"File", "Edit", "View", "Help"}) {
    const int iw = textWidth(item) + 14;
    if (std::string(item) == "Edit" && active) {
      const Rgb frame = colour("Colours", "ButtonHilight");
      win.fill(mx, bt, mx + iw, bt + 1, frame);
      win.fill(mx, bt + menuH - 2, mx + iw, bt + menuH - 1, frame);
      win.fill(mx, bt, mx + 1, bt + menuH - 1, frame);
      win.fill(mx + iw - 1, bt, mx + iw, bt + menuH - 1, frame);
    }
    label(win, mx, bt, iw, menuH - 1, item, colour("Colours", std::string(item) == "Help" ? "ButtonShadow" : "MenuBarText"));
    mx += iw;
  }

  const int cx = bl + 10, cy = bt + menuH + 10;
  // Tabs with the pane.
  const int tabsW = w - bl - br - 20, tabH = 21;
  element(win, "Tab.Pane", 1, 1, cx, cy + tabH - 1, tabsW, h - bb - cy - tabH - 34);
  int tx = cx;
  for (const char* name : {"Files", "Options", "Log"}) {
    const bool selected = std::string(name) == "Files";
    const int twid = textWidth(name) + 24;
    element(win, "Tabs", 5, selected ? 2 : 1, tx, cy + (selected ? 0 : 2), twid, tabH + (selected ? 1 : -1));
    label(win, tx, cy + (selected ? 0 : 2), twid, tabH, name, colour("Tabs", selected ? "MouseOverColour2" : "NormalColour2"));
    tx += twid;
  }

  // List with a header and a scroll bar.
  const int px = cx + 10, py = cy + tabH + 10, listW = 200, listH = 112;
  const Rgb white{255, 255, 255};
  win.fill(px, py, px + listW, py + listH, colour("Colours", "ButtonShadow"));
  win.fill(px + 1, py + 1, px + listW - 1, py + listH - 1, white);
  element(win, "Headerbar", 5, 1, px + 1, py + 1, 110, 18);
  element(win, "Headerbar", 5, 2, px + 111, py + 1, listW - 2 - 16 - 110, 18);
  label(win, px + 6, py + 1, 100, 18, "Name", {0, 0, 0}, false);
  label(win, px + 117, py + 1, 60, 18, "Size", {0, 0, 0}, false);
  for (int i = 0; i < 4; ++i) drawText(win, px + 6, py + 26 + i * 15, "maps\\level" + std::to_string(i + 1) + ".bsp", {0, 0, 0});
  const Image& arrows = pic("Scrollbar", "Image");
  const int a = arrows.height(), sx = px + listW - 1 - a, sy = py + 1, sh = listH - 2;
  element(win, "VertScroll", 4, 1, sx, sy + a, a, sh - 2 * a);
  blit(win, frameOf(arrows, 23, 9), sx, sy, true);
  blit(win, frameOf(arrows, 23, 16), sx, sy + sh - a, true);
  element(win, "VertScrollThumb", 3, 3, sx, sy + a + 14, a, 40);
  blit(win, frameOf(arrows, 23, 22), sx, sy + a + 14 + (40 - a) / 2, true);

  // Check boxes and radio buttons.
  const Image& check = pic("Buttons", "CheckButton");
  const Image& radio = pic("Buttons", "RadioButton");
  const int gx = px + listW + 16;
  const std::pair<int, const char*> checks[] = {{5, "Overwrite"}, {1, "Verbose"}, {9, "Mixed"}, {8, "Locked"}};
  for (int i = 0; i < 4; ++i) {
    blit(win, frameOf(check, 12, checks[i].first), gx, py + i * 18, true);
    drawText(win, gx + check.height() + 5, py + i * 18 + 3, checks[i].second, {0, 0, 0});
  }
  for (int i = 0; i < 2; ++i) {
    blit(win, frameOf(radio, 8, i == 0 ? 5 : 1), gx, py + 76 + i * 18, true);
    drawText(win, gx + radio.height() + 5, py + 79 + i * 18, i == 0 ? "Fast" : "Full", {0, 0, 0});
  }

  // Combo box, composed the way the loader does: edge, button and arrow on a 50 x 21 cell.
  const int comboY = py + listH + 8;
  {
    const Image& edge = pic("SunkEdge", "Image");
    const Image& button = pic("ComboButton", "Image");
    const Image& extra = pic("ExtraImages", "Image");
    const int bw = 18, frame = active ? 4 : 1;
    Image cell(50, 21);
    blit(cell, slice(edge, 4, frame, false, margins("SunkEdge"), 50, 21), 0, 0, false);
    blit(cell, slice(button, 4, frame, false, margins("ComboButton"), bw, 21), 50 - bw, 0, true);
    const Image glyph = frameOf(extra, 5, frame);
    blit(cell, glyph, 50 - bw + (bw - glyph.width()) / 2, (21 - glyph.height()) / 2, true);
    cell.fill(2, 2, 49 - bw, 18, kKey);
    Margins m = margins("SunkEdge");
    m.l = 2;
    m.r = bw + 2;
    win.fill(px, comboY, px + 150, comboY + 21, white);
    blit(win, slice(cell, 1, 1, false, m, 150, 21), px, comboY, true);
    drawText(win, px + 6, comboY + 7, "English", {0, 0, 0});
  }
  // Progress bar and track bar.
  {
    const Image& progress = pic("Progress", "Bitmap");
    const Margins m = margins("Progress");
    const bool chunks = num("Progress", "Style") == 1;
    blit(win, slice(progress, chunks ? 1 : 2, 1, false, m, 150, 16), gx - 40, comboY + 2, true);
    if (chunks) {
      const Image& chunk = pic("Progress.Chunk", "Image");
      for (int x = 0; x + chunk.width() <= 90; x += chunk.width())
        blit(win, chunk, gx - 38 + x, comboY + 2 + (16 - chunk.height()) / 2, true);
    } else {
      blit(win, slice(progress, 2, 2, false, m, 90, 16), gx - 40, comboY + 2, true);
    }
    const Image& track = pic("Track", "Image");
    blit(win, slice(track, 1, 1, false, margins("Track"), 150, track.height()), px, comboY + 36, false);
    const Image& thumb = pic("Trackbar.ThumbHorz", "Image");
    blit(win, frameOf(thumb, 5, 2), px + 50, comboY + 36 + track.height() / 2 - thumb.height() / 2, false);
    const Image& thumbDown = pic("Trackbar.ThumbDown", "Image");
    blit(win, frameOf(thumbDown, 5, 2), px + 100, comboY + 36 + track.height() / 2 - thumbDown.height() / 2 - 4, false);
  }

  // Push buttons along the bottom, as on the launcher: normal, hot, focused, pressed.
  const int by = h - bb - 22 - 34, bwid = 80;
  const std::pair<int, const char*> buttons[] = {{1, "Add"}, {4, "Delete"}, {5, "Clear"}, {2, "Run"}, {3, "Stop"}};
  for (int i = 0; i < 5; ++i) {
    const int bx = cx + i * (bwid + 6);
    element(win, "Buttons", 5, buttons[i].first, bx, by, bwid, 25, "Bitmap");
    const char* key = buttons[i].first == 1 ? "NormalColour2" : buttons[i].first == 4 ? "MouseOverColour2" : "PressedColour2";
    const Rgb text = buttons[i].first == 5 ? Rgb{0, 0, 0} : buttons[i].first == 3 ? Rgb{128, 128, 128} : colour("Buttons", key);
    label(win, bx, by, bwid, 25, buttons[i].second, text);
  }

  // Status bar with panels and the size grip.
  const int sy2 = h - bb - 22;
  const int sw = w - bl - br;
  element(win, "StatusBarEdges", 3, 1, bl, sy2, 150, 22);
  element(win, "StatusBarEdges", 3, 1, bl + 150, sy2, 120, 22);
  element(win, "StatusBarEdges", 3, 3, bl + 270, sy2, sw - 270, 22);
  label(win, bl + 6, sy2, 140, 22, "4 maps", colour("StatusBarEdges", "NormalColour2"), false);
  label(win, bl + 156, sy2, 110, 22, "Ready", colour("StatusBarEdges", "NormalColour2"), false);
  const Image& extra = pic("ExtraImages", "Image");
  const Image grip = frameOf(extra, 5, 5);
  blit(win, grip, w - br - 1 - grip.width(), h - bb - 1 - grip.height(), true);

  blit(dst, win, ox, oy, true);
}

void Painter::popup(Image& dst, int ox, int oy) const {
  const int w = 150, itemH = 19;
  const char* items[] = {"Open...", "Save", "-", "Recent", "Disabled", "Exit"};
  const int h = 6 + 5 * itemH + 8;
  const Image& back = pic("MenuBackground", "Image");
  const Image bg = slice(back, 1, 1, false, margins("MenuBackground"), w, h);
  Image menu = bg;
  const Image& item = pic("MenuItem", "Image");
  const Margins m = margins("MenuItem");
  int y = 3;
  for (const char* text : items) {
    const std::string t = text;
    if (t == "-") {
      const int sh = 8, fw = item.width() / 5;
      const Image sep = item.crop(fw, item.height() - sh, fw, sh);
      blit(menu, slice(sep, 1, 1, false, {m.l, 0, m.r, 0}, w - 6, sh), 3, y, true);
      y += sh;
      continue;
    }
    const bool selected = t == "Save";
    blit(menu, slice(item, 5, selected ? 4 : 1, false, m, w - 6, itemH), 3, y, true);
    const Rgb c = t == "Disabled" ? colour("Colours", "ButtonShadow") : colour("Colours", selected ? "HilightText" : "MenuText");
    drawText(menu, 3 + 1 + m.l + 16 + 3, y + (itemH - kGlyphHeight) / 2, t, c);
    y += itemH;
  }
  blit(dst, menu, ox, oy, false);
}

}  // namespace

Image previewWindows(const Skin& skin, const std::string& definition) {
  const Painter painter(skin, definition);
  Image out(2 * 460 + 200, 360, {250, 250, 250});
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x)
      if ((x / 8 + y / 8) % 2) out.set(x, y, {236, 236, 240});
  painter.window(out, 10, 10, 440, 340, true);
  painter.window(out, 470, 10, 440, 340, false);
  painter.popup(out, 930, 60);
  return out;
}

}  // namespace skingen
