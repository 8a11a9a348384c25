// Text colours against the backgrounds the engine draws them on, at a contrast
// ratio of at least 4.5:1. Where the engine writes with the system's own text
// colour (black) instead of a skin colour, black is the text colour checked.
#include <gtest/gtest.h>

#include "skin_support.h"

namespace {

using skingen::Image;
using skingen::Rgb;

constexpr double kMinimum = 4.5;
constexpr Rgb kSystemText{0, 0, 0};

struct Checker {
  const skintest::LoadedSkin& s;
  std::string skinName;

  Rgb colour(const std::string& section, const std::string& key) const {
    const std::string text = s.ini.ReadString(section, key, "");
    EXPECT_FALSE(text.empty()) << section << " " << key;
    return skintest::colourText(text);
  }

  // The pixels text can sit on: the centre slice of frame k, less `inset` pixels
  // where the centre touches an edge, key pixels left out.
  std::vector<Rgb> centre(const std::string& section, const std::string& key, int frames, int k, bool stacked,
                          int inset = 0) const {
    const Image& img = s.files.at(s.ini.ReadString(section, key, ""));
    const int fw = stacked ? img.width() : img.width() / frames, fh = stacked ? img.height() / frames : img.height();
    const int fx = stacked ? 0 : (k - 1) * fw, fy = stacked ? (k - 1) * fh : 0;
    const bool personality = section == "Personality";
    const int l = personality ? s.ini.ReadInteger(section, "TopTopHeight", 0) : s.ini.ReadInteger(section, "LeftWidth", 0);
    const int r = personality ? s.ini.ReadInteger(section, "TopBotHeight", 0) : s.ini.ReadInteger(section, "RightWidth", 0);
    const int t = personality ? 0 : s.ini.ReadInteger(section, "TopHeight", 0);
    const int b = personality ? 0 : s.ini.ReadInteger(section, "BottomHeight", 0);
    std::vector<Rgb> pixels;
    for (int y = t + inset; y < fh - b - inset; ++y)
      for (int x = l; x < fw - r; ++x)
        if (!(img.at(fx + x, fy + y) == skingen::kKey)) pixels.push_back(img.at(fx + x, fy + y));
    EXPECT_FALSE(pixels.empty()) << section << " " << key << " frame " << k;
    return pixels;
  }

  void expect(const std::string& what, Rgb text, const std::vector<Rgb>& backgrounds) const {
    double worst = 100;
    for (Rgb bg : backgrounds) worst = std::min(worst, skingen::contrastRatio(text, bg));
    EXPECT_GE(worst, kMinimum) << skinName << ": " << what;
  }
  void expect(const std::string& what, Rgb text, Rgb background) const {
    expect(what, text, std::vector<Rgb>{background});
  }
};

class SkinContrast : public ::testing::TestWithParam<std::string> {
 protected:
  skintest::LoadedSkin skin = skintest::loadSkin(GetParam());
  Checker c{skin, GetParam()};
};

TEST_P(SkinContrast, CaptionText) {
  c.expect("active caption", c.colour("Colours", "TitleTextActive"), c.centre("Personality", "Top", 2, 1, true, 2));
  c.expect("inactive caption", c.colour("Colours", "TitleTextNoActive"), c.centre("Personality", "Top", 2, 2, true, 2));
  const Rgb active = c.colour("Colours", "TitleTextActive");
  EXPECT_EQ(skin.ini.ReadInteger("Personality", "ActiveTextR", -1), active.r);
  EXPECT_EQ(skin.ini.ReadInteger("Personality", "ActiveTextG", -1), active.g);
  EXPECT_EQ(skin.ini.ReadInteger("Personality", "ActiveTextB", -1), active.b);
}

TEST_P(SkinContrast, MenuBarAndMenus) {
  const Rgb barText = c.colour("Colours", "MenuBarText");
  c.expect("menu bar, active", barText, c.centre("Personality", "menuBar", 2, 1, true));
  c.expect("menu bar, inactive", barText, c.centre("Personality", "menuBar", 2, 2, true));
  c.expect("menu bar colour", barText, c.colour("Colours", "Menubar"));
  const Rgb menu = c.colour("Colours", "Menu"), menuText = c.colour("Colours", "MenuText");
  c.expect("menu item", menuText, menu);
  c.expect("menu background", menuText, c.centre("MenuBackground", "Image", 1, 1, false));
  c.expect("selected item colour", c.colour("Colours", "HilightText"), c.colour("Colours", "Hilight"));
  c.expect("selected item picture", c.colour("Colours", "HilightText"), c.centre("MenuItem", "Image", 5, 4, false));
  c.expect("disabled item", c.colour("Colours", "ButtonShadow"), menu);
  c.expect("disabled menu bar item", c.colour("Colours", "ButtonShadow"), c.colour("Colours", "Menubar"));
}

TEST_P(SkinContrast, PushButtons) {
  c.expect("normal", c.colour("Buttons", "NormalColour2"), c.centre("Buttons", "Bitmap", 5, 1, false));
  c.expect("pressed", c.colour("Buttons", "PressedColour2"), c.centre("Buttons", "Bitmap", 5, 2, false));
  c.expect("hot", c.colour("Buttons", "MouseOverColour2"), c.centre("Buttons", "Bitmap", 5, 4, false));
  // Focused: the engine uses the control's own font colour, or ButtonText in dialogs.
  c.expect("focused, host control", kSystemText, c.centre("Buttons", "Bitmap", 5, 5, false));
  c.expect("focused, dialog button", c.colour("Colours", "ButtonText"), c.centre("Buttons", "Bitmap", 5, 5, false));
}

TEST_P(SkinContrast, TabsStatusBarAndHeaders) {
  c.expect("tab", c.colour("Tabs", "NormalColour2"), c.centre("Tabs", "Image", 5, 1, false));
  c.expect("selected tab", c.colour("Tabs", "MouseOverColour2"), c.centre("Tabs", "Image", 5, 2, false));
  for (int k = 1; k <= 3; ++k)
    c.expect("status bar panel " + std::to_string(k), c.colour("StatusBarEdges", "NormalColour2"),
             c.centre("StatusBarEdges", "Image", 3, k, false));
  // Header captions: the skin's content text where it gives content colours, else the system's black.
  const bool content = !skin.ini.ReadString("Colours", "Content", "").empty();
  const Rgb header = content ? c.colour("Colours", "ContentText") : kSystemText;
  for (int k = 1; k <= 2; ++k)
    c.expect("header item " + std::to_string(k), header, c.centre("Headerbar", "Image", 5, k, false));
}

TEST_P(SkinContrast, TextsOnTheFaceAndInTheContent) {
  const Rgb face = c.colour("Colours", "ButtonFace");
  const bool content = !skin.ini.ReadString("Colours", "Content", "").empty();
  // Labels, check boxes and group boxes: the skin's face text, else the system's black.
  c.expect("texts on the face", content ? c.colour("Colours", "FaceText") : kSystemText, face);
  c.expect("window text", c.colour("Colours", "WindowText"), face);
  if (!content) return;
  c.expect("disabled texts on the face", c.colour("Colours", "FaceDisabledText"), face);
  c.expect("content", c.colour("Colours", "ContentText"), c.colour("Colours", "Content"));
  c.expect("read-only content", c.colour("Colours", "ContentDisabledText"), c.colour("Colours", "ContentDisabled"));
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinContrast, ::testing::ValuesIn(skintest::kSkins));

TEST(ContrastRatio, MatchesKnownValues) {
  EXPECT_NEAR(skingen::contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(skingen::contrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);
  EXPECT_NEAR(skingen::contrastRatio({10, 20, 30}, {10, 20, 30}), 1.0, 1e-9);
}

}  // namespace
