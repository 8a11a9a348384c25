#include "skin.h"

#include <cstdio>
#include <stdexcept>

namespace skingen {

void Skin::add(std::string file, std::string section, Image image, int frames, bool stacked) {
  pictures.push_back({std::move(file), std::move(section), std::move(image), frames, stacked});
}

void Skin::setColour(const std::string& name, Rgb c) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x00%02X%02X%02X", c.b, c.g, c.r);
  vars[name] = std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b);
  vars[name + ".int"] = hex;
  vars[name + ".r"] = std::to_string(c.r);
  vars[name + ".g"] = std::to_string(c.g);
  vars[name + ".b"] = std::to_string(c.b);
}

Image joinFrames(const std::vector<Image>& frames, bool stacked) {
  if (frames.empty()) throw std::logic_error("a picture needs at least one frame");
  const int w = frames[0].width(), h = frames[0].height();
  const int n = static_cast<int>(frames.size());
  Image out(stacked ? w : w * n, stacked ? h * n : h);
  for (int i = 0; i < n; ++i) {
    if (frames[i].width() != w || frames[i].height() != h)
      throw std::logic_error("frames of one picture differ in size");
    out.paste(frames[i], stacked ? 0 : i * w, stacked ? i * h : 0);
  }
  return out;
}

Skin generateSkin(const Theme& t) {
  Skin skin;
  skin.vars["name"] = t.name;
  skin.set("font_height", t.fontHeight);
  const std::pair<const char*, Rgb> palette[] = {
      {"face", t.face}, {"surface", t.surface}, {"window", t.window}, {"window_text", t.windowText},
      {"window_disabled", t.windowDisabled}, {"text", t.text}, {"surface_text", t.surfaceText},
      {"muted", t.muted}, {"line", t.line}, {"accent", t.accent}, {"accent_text", t.accentText},
      {"select", t.select}, {"select_text", t.selectText}, {"chrome", t.chrome},
      {"chrome_inactive", t.chromeInactive}, {"chrome_text", t.chromeText},
      {"chrome_text_inactive", t.chromeTextInactive}, {"chrome_line", t.chromeLine},
      {"control", t.control}, {"control_text", t.controlText}, {"focus", t.focus}, {"focus_text", t.focusText},
      {"danger", t.danger}, {"danger_text", t.dangerText}, {"menubar", t.menubar},
      {"menubar_text", t.menubarText}, {"track", t.track}, {"thumb", t.thumb}};
  for (const auto& [name, colour] : palette) skin.setColour(name, colour);
  skin.setColour("light", t.lighter(t.face, 0.6));
  skin.setColour("shade", t.darker(t.line, 0.35));
  skin.setColour("menubar_hot", mix(t.menubar, t.menubarText, 0.4));

  addFrameArt(t, skin);
  addMenuArt(t, skin);
  addButtonArt(t, skin);
  addScrollArt(t, skin);
  addFieldArt(t, skin);
  addSliderArt(t, skin);
  addContainerArt(t, skin);
  return skin;
}

}  // namespace skingen
