#include "theme.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <stdexcept>

namespace skingen {
namespace {

using Values = std::map<std::string, std::string>;

std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void parse(const std::string& text, const std::string& origin, const std::filesystem::path* dir,
           Values& values, int depth) {
  if (depth > 8) throw std::runtime_error(origin + ": inherit chain too deep");
  std::istringstream in(text);
  std::string raw;
  for (int lineNo = 1; std::getline(in, raw); ++lineNo) {
    const std::string line = trim(raw.substr(0, raw.find('#')));
    if (line.empty()) continue;
    const auto eq = line.find('=');
    const std::string where = origin + ":" + std::to_string(lineNo);
    if (eq == std::string::npos) throw std::runtime_error(where + ": expected key = value");
    const std::string key = trim(line.substr(0, eq)), value = trim(line.substr(eq + 1));
    if (key.empty() || value.empty()) throw std::runtime_error(where + ": empty key or value");
    if (key == "inherit") {
      if (!dir) throw std::runtime_error(where + ": inherit needs a file");
      const auto base = *dir / value;
      const auto baseDir = base.parent_path();
      parse(readFile(base), base.string(), &baseDir, values, depth + 1);
      continue;
    }
    values[key] = value;
  }
}

class Reader {
 public:
  Reader(Values values, std::string origin) : values_(std::move(values)), origin_(std::move(origin)) {}

  std::string text(const std::string& key) {
    auto it = values_.find(key);
    if (it == values_.end()) throw std::runtime_error(origin_ + ": missing key " + key);
    std::string v = it->second;
    values_.erase(it);
    return v;
  }
  int integer(const std::string& key, int low, int high) {
    const std::string v = text(key);
    size_t used = 0;
    int n = 0;
    try {
      n = std::stoi(v, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used != v.size()) throw std::runtime_error(origin_ + ": " + key + " is not a whole number");
    if (n < low || n > high)
      throw std::runtime_error(origin_ + ": " + key + " = " + v + " is outside " + std::to_string(low) +
                               ".." + std::to_string(high));
    return n;
  }
  // One of the words; its index.
  int choice(const std::string& key, std::initializer_list<const char*> words) {
    const std::string v = text(key);
    int i = 0;
    std::string all;
    for (const char* w : words) {
      if (v == w) return i;
      all += (i++ ? " or " : "") + std::string(w);
    }
    throw std::runtime_error(origin_ + ": " + key + " must be " + all);
  }
  Rgb colour(const std::string& key) {
    std::istringstream in(text(key));
    int r = -1, g = -1, b = -1;
    std::string rest;
    if (!(in >> r >> g >> b) || (in >> rest) || r < 0 || g < 0 || b < 0 || r > 255 || g > 255 || b > 255)
      throw std::runtime_error(origin_ + ": " + key + " must be three numbers 0..255");
    const Rgb c{uint8_t(r), uint8_t(g), uint8_t(b)};
    if (c.r >= 250 && c.b >= 250 && c.g <= 8)
      throw std::runtime_error(origin_ + ": " + key + " is too close to the transparent colour key");
    return c;
  }
  void finish() {
    if (!values_.empty()) throw std::runtime_error(origin_ + ": unknown key " + values_.begin()->first);
  }

 private:
  Values values_;
  std::string origin_;
};

// Text and disabled text against every background they are written on.
void checkContrast(const Theme& t, const std::string& origin) {
  const struct {
    const char* text;
    Rgb fg;
    const char* background;
    Rgb bg;
  } pairs[] = {
      {"text", t.text, "face", t.face},
      {"muted", t.muted, "face", t.face},
      {"surface_text", t.surfaceText, "surface", t.surface},
      {"muted", t.muted, "surface", t.surface},
      {"window_text", t.windowText, "window", t.window},
      {"window_text", t.windowText, "window_disabled", t.windowDisabled},
      {"accent_text", t.accentText, "accent", t.accent},
      {"select_text", t.selectText, "select", t.select},
      {"chrome_text", t.chromeText, "chrome", t.chrome},
      {"chrome_text_inactive", t.chromeTextInactive, "chrome_inactive", t.chromeInactive},
      {"control_text", t.controlText, "control", t.control},
      {"focus_text", t.focusText, "focus", t.focus},
      {"danger_text", t.dangerText, "danger", t.danger},
      {"menubar_text", t.menubarText, "menubar", t.menubar},
      {"muted", t.muted, "menubar", t.menubar},
  };
  for (const auto& p : pairs)
    if (const double ratio = contrastRatio(p.fg, p.bg); ratio < kMinimumContrast) {
      char figures[64];
      std::snprintf(figures, sizeof figures, "%.2f:1, below %.1f:1", ratio, kMinimumContrast);
      throw std::runtime_error(origin + ": " + p.text + " on " + p.background + " has a contrast of " + figures);
    }
}

Theme build(Values values, const std::string& origin) {
  Reader r(std::move(values), origin);
  Theme t;
  t.name = r.text("name");
  t.captionHeight = r.integer("caption_height", 22, 30);
  t.border = r.integer("border", 3, 8);
  t.radius = r.integer("corner_radius", 0, 10);
  t.bevel = r.integer("bevel", 0, 2);
  t.fontHeight = r.integer("font_height", 8, 20);
  t.progressChunks = r.choice("progress_style", {"bar", "chunks"}) == 1;
  t.face = r.colour("face");
  t.surface = r.colour("surface");
  t.window = r.colour("window");
  t.windowText = r.colour("window_text");
  t.windowDisabled = r.colour("window_disabled");
  t.text = r.colour("text");
  t.surfaceText = r.colour("surface_text");
  t.muted = r.colour("muted");
  t.line = r.colour("line");
  t.accent = r.colour("accent");
  t.accentText = r.colour("accent_text");
  t.select = r.colour("select");
  t.selectText = r.colour("select_text");
  t.chrome = r.colour("chrome");
  t.chromeInactive = r.colour("chrome_inactive");
  t.chromeText = r.colour("chrome_text");
  t.chromeTextInactive = r.colour("chrome_text_inactive");
  t.chromeLine = r.colour("chrome_line");
  t.control = r.colour("control");
  t.controlText = r.colour("control_text");
  t.focus = r.colour("focus");
  t.focusText = r.colour("focus_text");
  t.danger = r.colour("danger");
  t.dangerText = r.colour("danger_text");
  t.menubar = r.colour("menubar");
  t.menubarText = r.colour("menubar_text");
  t.track = r.colour("track");
  t.thumb = r.colour("thumb");
  r.finish();
  checkContrast(t, origin);
  if (t.radius > t.border * 3)
    throw std::runtime_error(origin + ": corner_radius must be at most three times border, or the "
                                      "bottom corners would cut into the client area");
  return t;
}

}  // namespace

Rgb Theme::lighter(Rgb c, double amount) const { return mix(c, {255, 255, 255}, amount); }
Rgb Theme::darker(Rgb c, double amount) const { return mix(c, {0, 0, 0}, amount); }

Theme loadTheme(const std::filesystem::path& file) {
  Values values;
  const auto dir = file.parent_path();
  parse(readFile(file), file.string(), &dir, values, 0);
  return build(std::move(values), file.string());
}

Theme themeFromText(const std::string& text, const std::string& origin) {
  Values values;
  parse(text, origin, nullptr, values, 0);
  return build(std::move(values), origin);
}

}  // namespace skingen
