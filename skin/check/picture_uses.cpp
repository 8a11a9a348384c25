#include "skin/check/picture_uses.h"

#include <algorithm>

#include "skin/store/ascii.h"

namespace skin::check {
namespace {

using store::TQuickIni;

// How an element's frame count comes about after the engine's fixed rules.
enum class Count {
  Fixed,         // `frames`, whatever the text says
  Key,           // the key `frame_key`, default `frames`
  KeyOrDefault,  // the key, and `frames` when it reads 0
  Progress,      // 1 with a style, else 2
};

struct Element {
  std::string_view section;
  std::string_view image_key;
  std::string_view image2_key;
  Count count;
  std::int32_t frames;
  std::string_view frame_key = "Frame";
};

// The element sections in the order the engine reads them.
constexpr Element kElements[] = {
    {"Progress", "Bitmap", "", Count::Progress, 0},
    {"Progress.Chunk", "Image", "", Count::Key, 0},
    {"GroupBoxEdge", "Image", "", Count::Fixed, 2},
    {"GroupBox", "Image", "", Count::Fixed, 1},
    {"Tabs", "Image", "Border", Count::Fixed, 5},
    {"StatusBarEdges", "Image", "", Count::Fixed, 3},
    {"Tab.Pane", "Image", "", Count::Fixed, 1},
    {"ToolBars", "Image", "", Count::Fixed, 5},
    {"ComboButton", "Image", "****", Count::Fixed, 4},
    {"SunkEdge", "Image", "", Count::Fixed, 4},
    {"ExtraImages", "Image", "", Count::Fixed, 5},
    {"Headerbar", "Image", "", Count::KeyOrDefault, 5},
    {"MenuItem", "Image", "", Count::Fixed, 5},
    {"MenuBackground", "Image", "", Count::Fixed, 1},
    {"Scrollbar", "Image", "", Count::Fixed, 23},
    {"HorzScroll", "Image", "", Count::Fixed, 4},
    {"VertScroll", "Image", "", Count::Fixed, 4},
    {"HorzScrollThumb", "Image", "", Count::Key, 3, "FrameCount"},
    {"VertScrollThumb", "Image", "", Count::Key, 3, "FrameCount"},
    {"Trackbar.ThumbHorz", "Image", "", Count::Fixed, 5},
    {"Trackbar.ThumbVert", "Image", "", Count::Fixed, 5},
    {"Trackbar.ThumbLeft", "Image", "", Count::Fixed, 5},
    {"Trackbar.ThumbRight", "Image", "", Count::Fixed, 5},
    {"Trackbar.ThumbUp", "Image", "", Count::Fixed, 5},
    {"Trackbar.ThumbDown", "Image", "", Count::Fixed, 5},
    {"UpDown.Horz", "Image", "GlyphImage", Count::Fixed, 8},
    {"UpDown.Vert", "Image", "GlyphImage", Count::Fixed, 8},
    {"Track", "Image", "", Count::Key, 0},
    {"TRACKVERT", "Image", "", Count::Key, 0},
};

constexpr std::string_view kOtherSections[] = {"TitlebarSkin", "Personality", "Fonts", "Colours",
                                               "Customcolors", "Buttons", "MDICONTROLS"};
constexpr std::array<std::string_view, 4> kMarginKeys = {"LeftWidth", "TopHeight", "RightWidth", "BottomHeight"};

bool NamesPicture(std::string_view value) {
  const std::size_t dot = value.rfind('.');
  return dot != std::string_view::npos && value.substr(dot) == ".bmp";
}

class Collector {
public:
  explicit Collector(const TQuickIni& ini) : ini_(ini) {}

  // The picture under `key`, when its name is one the engine loads.
  void Add(std::string_view section, std::string_view key, std::optional<Slicing> slicing = std::nullopt) {
    std::string value = ini_.ReadString(section, key, "");
    if (NamesPicture(value)) uses_.push_back({std::string(section), std::string(key), std::move(value), std::move(slicing)});
  }
  std::int32_t Int(std::string_view section, std::string_view key, std::int32_t def) const {
    return ini_.ReadInteger(section, key, def);
  }
  bool Has(std::string_view section, std::string_view key) const { return !ini_.ReadString(section, key, "").empty(); }
  std::vector<PictureUse> Take() { return std::move(uses_); }

private:
  const TQuickIni& ini_;
  std::vector<PictureUse> uses_;
};

Slicing Margins(const Collector& c, std::string_view section) {
  Slicing s;
  for (std::size_t i = 0; i < 4; ++i) {
    s.margin_keys[i] = std::string(kMarginKeys[i]);
    s.margins[i] = c.Int(section, kMarginKeys[i], 0);
  }
  return s;
}

void FrameBorders(Collector& c) {
  for (std::string_view name : {"Left", "Right", "Top", "Bottom"}) {
    const std::string n(name);
    Slicing s;
    s.frames_key = n + "Frame";
    s.frames = c.Int("Personality", s.frames_key, 1);
    // The sides hold their frames side by side, top and bottom stacked; both
    // are cut along their length only.
    s.vertical = name == "Top" || name == "Bottom";
    const std::size_t first = s.vertical ? 0 : 1, last = s.vertical ? 2 : 3;
    s.margin_keys[first] = n + "TopHeight";
    s.margin_keys[last] = n + "BotHeight";
    s.margins[first] = c.Int("Personality", n + "TopHeight", 0);
    s.margins[last] = c.Int("Personality", n + "BotHeight", 0);
    c.Add("Personality", name, s);
  }
}

bool IsCaptionButton(const Collector& c, const std::string& section) {
  const std::string name = store::AsciiUpperCase(section);
  if (name == "BUTTONS" || name == "BUTTON.RADIO" || name == "BUTTON.CHECKBOX" || name == "BUTTON") return false;
  if (!name.starts_with("BUTTON")) return false;
  return !(c.Int(section, "Action", 0) == -1 && c.Int(section, "Visibility", -1) != 0);
}

// A count of 0 lets the engine choose from the picture: only a negative one is kept.
Slicing ChosenFrames(const Collector& c, std::string_view section, std::string_view key) {
  Slicing s;
  s.frames_key = std::string(key);
  s.frames = c.Int(section, key, 0);
  if (s.frames == 0) s.frames = 1;
  return s;
}

void AddElement(Collector& c, const Element& e) {
  if (!c.Has(e.section, e.image_key)) return;
  Slicing s = Margins(c, e.section);
  switch (e.count) {
    case Count::Fixed: s.frames = e.frames; break;
    case Count::Progress: s.frames = c.Int(e.section, "Style", 0) != 0 ? 1 : 2; break;
    case Count::Key:
    case Count::KeyOrDefault:
      s.frames_key = std::string(e.frame_key);
      s.frames = c.Int(e.section, e.frame_key, e.count == Count::Key ? e.frames : 0);
      if (e.count == Count::KeyOrDefault && s.frames == 0) s.frames = e.frames;
      break;
  }
  if (e.section == "Tab.Pane")
    for (std::int32_t& m : s.margins) m = std::min(m, 4);
  c.Add(e.section, e.image_key, s);
  if (!e.image2_key.empty()) c.Add(e.section, e.image2_key);
}

}  // namespace

std::vector<PictureUse> PictureUses(const TQuickIni& ini) {
  Collector c(ini);
  FrameBorders(c);

  std::vector<std::string> sections;
  ini.ReadSections(sections);
  for (const std::string& section : sections)
    if (IsCaptionButton(c, section)) c.Add(section, "ButtonImage", ChosenFrames(c, section, "frame"));
  c.Add("MDICONTROLS", "Image");

  Slicing buttons = Margins(c, "Buttons");
  buttons.frames = 5;
  c.Add("Buttons", "Bitmap", buttons);
  c.Add("Buttons", "CheckButton", ChosenFrames(c, "Buttons", "CheckButtonFrame"));
  c.Add("Buttons", "RadioButton", ChosenFrames(c, "Buttons", "RadioButtonFrame"));
  c.Add("Personality", "TextBack");

  for (std::size_t i = 0; i < 2; ++i) AddElement(c, kElements[i]);
  if (c.Has("Personality", "menuBar")) {
    Slicing bar;
    bar.frames = 2;
    bar.margin_keys = {"TileLeftMenu", "", "TileRightMenu", ""};
    bar.margins = {c.Int("Personality", "TileLeftMenu", 1), 0, c.Int("Personality", "TileRightMenu", 1), 0};
    c.Add("Personality", "menuBar", bar);
  }
  for (std::size_t i = 2; i < std::size(kElements); ++i) AddElement(c, kElements[i]);
  return c.Take();
}

std::string EntryName(std::string_view value) {
  const std::size_t slash = value.find_last_of("\\/");
  return store::AsciiLowerCase(slash == std::string_view::npos ? value : value.substr(slash + 1));
}

bool IsKnownSection(std::string_view section) {
  const std::string upper = store::AsciiUpperCase(section);
  if (upper.starts_with("COLOUR") || upper.starts_with("BUTTON")) return true;
  const auto same = [&](std::string_view known) { return store::AsciiEqualNoCase(known, section); };
  return std::any_of(std::begin(kOtherSections), std::end(kOtherSections), same) ||
         std::any_of(std::begin(kElements), std::end(kElements), [&](const Element& e) { return same(e.section); });
}

}  // namespace skin::check
