// The filled-in definitions, read with the engine's own parser: every section and
// key the engine reads is there with a value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "skin_support.h"

namespace {

using Keys = std::vector<std::string>;

const Keys kMargins = {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"};
const Keys kColours = {"NormalColour", "MouseOverColour", "PressedColour",
                       "NormalColour2", "MouseOverColour2", "PressedColour2"};

Keys join(std::initializer_list<Keys> parts) {
  Keys all;
  for (const Keys& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// Section -> keys, as the engine's readers take them.
std::vector<std::pair<std::string, Keys>> schema() {
  const Keys plain = join({{"Image", "Style", "Frame", "Trans", "Tile"}, kMargins, kColours});
  const Keys secondImage = join({{"Image", "Style", "Trans", "Tile"}, kMargins, kColours});
  std::vector<std::pair<std::string, Keys>> s = {
      {"TitlebarSkin", {"SkinName"}},
      {"Fonts", {"FontHeight"}},
      {"Colours", {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar", "Menu",
                   "MenuText", "ButtonText", "ButtonHilight", "Buttonlight", "ButtonShadow", "ButtonDkShadow",
                   "MenuBarText", "TitleTextActive", "TitleTextNoActive"}},
      {"Customcolors", {"Color0", "Color1", "Color2", "Color3", "Color4", "Color5", "Color6", "Color7",
                        "Color8", "Color9"}},
      {"Buttons", join({{"Bitmap", "Trans", "Tile", "CheckButton", "RadioButton", "CheckButtonFrame",
                         "RadioButtonFrame"}, kMargins, kColours})},
      {"MDICONTROLS", {"Image"}},
      {"Progress", join({{"Bitmap", "Style", "Trans", "Tile"}, kMargins})},
      {"GroupBox", join({{"Image", "Style", "Trans", "Tile", "BackgroundAlignment", "BackgroundLeftShift",
                          "BackgroundRightShift"}, kMargins, kColours})},
      {"Tabs", join({secondImage, {"Border"}})},
      {"ComboButton", secondImage},
      {"UpDown.Horz", join({secondImage, {"GlyphImage"}})},
      {"UpDown.Vert", join({secondImage, {"GlyphImage"}})},
      {"HorzScrollThumb", join({plain, {"FrameCount"}})},
      {"VertScrollThumb", join({plain, {"FrameCount"}})},
  };
  for (const char* name : {"Progress.Chunk", "GroupBoxEdge", "StatusBarEdges", "Tab.Pane", "ToolBars", "SunkEdge",
                           "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll",
                           "VertScroll", "Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
                           "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown", "Track", "TRACKVERT"})
    s.push_back({name, plain});
  Keys personality = {"TextShift", "TextShiftVert", "TextRightClip", "TextAlignment", "Textbackground",
                      "TXTBackleft", "TXTBackRight", "ActiveTextR", "ActiveTextG", "ActiveTextB",
                      "InActiveTextR", "InActiveTextG", "InActiveTextB", "menuBar", "TileMenu", "TileLeftMenu",
                      "TileRightMenu"};
  for (const char* side : {"Left", "Right", "Top", "Bottom"})
    for (const char* suffix : {"", "Frame", "Stretch", "Trans", "TopHeight", "BotHeight"})
      personality.push_back(std::string(side) + suffix);
  s.push_back({"Personality", personality});
  return s;
}

const Keys kCaptionButtonKeys = {"Action", "Align", "Xcoord", "Ycoord", "Visibility", "Visibility1",
                                 "CombineOp", "frame", "ButtonImage"};

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
  return s;
}

// Caption buttons are the sections named BUTTON... other than the push-button ones.
std::vector<std::string> captionButtons(const skin::store::TQuickIni& ini) {
  std::vector<std::string> found;
  for (const std::string& s : skintest::sections(ini)) {
    const std::string u = upper(s);
    if (u.rfind("BUTTON", 0) != 0 || u == "BUTTONS" || u == "BUTTON.RADIO" || u == "BUTTON.CHECKBOX" ||
        u == "BUTTON")
      continue;
    if (ini.ReadInteger(s, "Action", 0) == -1 && ini.ReadInteger(s, "Visibility", -1) != 0) continue;
    found.push_back(s);
  }
  return found;
}

TEST(SkinDefinition, EverySectionAndKeyTheEngineReadsHasAValue) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    for (const auto& [section, keys] : schema())
      for (const std::string& key : keys)
        EXPECT_NE(s.ini.ReadString(section, key, "<missing>"), "<missing>") << name << " [" << section << "] " << key;
    // The one key left empty on purpose: the caption text needs no backdrop picture.
    EXPECT_NE(s.definition.find("\r\nTextBack=\r\n"), std::string::npos);
  }
}

TEST(SkinDefinition, ColourKeysHoldThreeComponentColours) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    for (const std::string& section : skintest::sections(s.ini))
      for (const std::string& key : join({kColours, {"color", "Color0", "Color9", "WindowText", "ButtonFace"}})) {
        const std::string v = s.ini.ReadString(section, key, "");
        const bool integerColour = key.find("Colour") != std::string::npos && key.back() != '2';
        if (v.empty() || integerColour) continue;
        int parts = 0;
        for (size_t i = 0; i < v.size(); ++i)
          if (std::isdigit(static_cast<unsigned char>(v[i])) && (i == 0 || !std::isdigit(static_cast<unsigned char>(v[i - 1])))) ++parts;
        EXPECT_EQ(parts, 3) << name << " [" << section << "] " << key << "=" << v;
      }
    // The integer form of the same colours is 0x00BBGGRR.
    const int32_t normal = s.ini.ReadInteger("Buttons", "NormalColour", -1);
    const skingen::Rgb c2 = skintest::colourText(s.ini.ReadString("Buttons", "NormalColour2", ""));
    EXPECT_EQ(normal, c2.r | c2.g << 8 | c2.b << 16);
  }
}

TEST(SkinDefinition, CaptionButtonsCoverEveryWindowCommand) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    std::map<int, int> actions;
    for (const std::string& section : captionButtons(s.ini)) {
      for (const std::string& key : kCaptionButtonKeys)
        EXPECT_NE(s.ini.ReadString(section, key, "<missing>"), "<missing>") << section << " " << key;
      ++actions[s.ini.ReadInteger(section, "Action", 0)];
    }
    EXPECT_EQ(actions[0], 1) << "close";
    EXPECT_EQ(actions[1], 2) << "maximise and restore";
    EXPECT_EQ(actions[2], 1) << "minimise";
    EXPECT_EQ(actions[3], 1) << "system menu";
    const int own = std::count_if(actions.begin(), actions.end(), [](auto& a) {
      return a.first > 12 && (a.first < 22 || a.first > 23) && (a.first < 60 || a.first > 62);
    });
    EXPECT_EQ(own, 1) << "one button with an application-defined action";
  }
}

TEST(SkinDefinition, MaximiseAndRestoreNeverShowTogether) {
  const skintest::LoadedSkin s = skintest::loadSkin("default");
  std::vector<int> visibility;
  for (const std::string& section : captionButtons(s.ini))
    if (s.ini.ReadInteger(section, "Action", 0) == 1) visibility.push_back(s.ini.ReadInteger(section, "Visibility", 0));
  std::sort(visibility.begin(), visibility.end());
  EXPECT_EQ(visibility, (std::vector<int>{1, 2}));  // maximised / not maximised
}

TEST(SkinDefinition, CaptionGeometryStaysInsideTheCaption) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    const int caption = s.files.at(s.ini.ReadString("Personality", "Top", "")).height() / 2;
    EXPECT_GE(caption, 22);
    EXPECT_LE(caption, 30);
    for (const std::string& section : captionButtons(s.ini)) {
      const skingen::Image& img = s.files.at(s.ini.ReadString(section, "ButtonImage", ""));
      const int y = s.ini.ReadInteger(section, "Ycoord", 0);
      EXPECT_GE(y, 1) << section;
      EXPECT_LE(y + img.height(), caption - 1) << section;
    }
  }
}

}  // namespace
