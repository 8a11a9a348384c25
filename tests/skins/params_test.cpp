// Parameter sets and definition templates: faults are refused with a reason.
#include <gtest/gtest.h>

#include "definition.h"
#include "skin_support.h"

namespace {

std::string defaultParams() { return skintest::readText(skintest::sourceDir() / "default" / "params.txt"); }

std::string replaceLine(std::string text, const std::string& key, const std::string& line) {
  const size_t at = text.find("\n" + key + " ");
  EXPECT_NE(at, std::string::npos) << key;
  const size_t end = text.find('\n', at + 1);
  return text.replace(at + 1, end - at - 1, line);
}

void expectRefused(const std::string& text, const std::string& reason) {
  try {
    skingen::themeFromText(text, "params");
    ADD_FAILURE() << "accepted; expected: " << reason;
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
  }
}

TEST(SkinParams, TheShippedSetsAreAccepted) {
  for (const std::string& name : skintest::kSkins)
    EXPECT_NO_THROW(skingen::loadTheme(skintest::sourceDir() / name / "params.txt")) << name;
}

TEST(SkinParams, InheritedSetsOverrideTheirBase) {
  const auto light = skingen::loadTheme(skintest::sourceDir() / "default" / "params.txt");
  const auto dark = skingen::loadTheme(skintest::sourceDir() / "dark" / "params.txt");
  EXPECT_EQ(dark.captionHeight, light.captionHeight);
  EXPECT_NE(dark.chrome, light.chrome);
  EXPECT_NE(dark.name, light.name);
}

TEST(SkinParams, FaultsAreRefusedWithTheirReason) {
  const std::string base = defaultParams();
  expectRefused(replaceLine(base, "caption_height", "caption_height = 31"), "caption_height");
  expectRefused(replaceLine(base, "border", "border = 2"), "border");
  expectRefused(replaceLine(base, "accent", "accent = 300 0 0"), "accent");
  expectRefused(replaceLine(base, "accent", "accent = 255 0 255"), "colour key");
  expectRefused(replaceLine(base, "face", "face = 1 2"), "face");
  expectRefused(replaceLine(base, "bevel", "bevel = one"), "bevel");
  expectRefused(replaceLine(base, "progress_style", "progress_style = dots"), "progress_style must be bar or chunks");
  expectRefused(replaceLine(base, "danger", "dangr = 1 2 3"), "missing key danger");
  expectRefused(base + "\nflair = 3\n", "unknown key flair");
  expectRefused(base + "\njust words\n", "key = value");
  expectRefused(replaceLine(base, "corner_radius", "corner_radius = 10") + "\nborder = 3\n", "corner_radius");
  expectRefused("inherit = ../default/params.txt\n", "inherit needs a file");
  // Text that does not stand out from its background: mid grey on white, light grey on dark.
  expectRefused(replaceLine(base, "window_text", "window_text = 128 128 128"),
                "window_text on window has a contrast of 3.95:1, below 4.5:1");
  expectRefused(base + "\nface = 45 47 52\ntext = 228 230 234\nmuted = 100 104 110\n", "muted on face");
}

TEST(SkinTemplate, UnknownOrUnterminatedReferencesNameTheirLine) {
  const std::map<std::string, std::string> vars{{"a", "1"}};
  EXPECT_EQ(skingen::expandDefinition("x=${a}\r\ny=${a}${a}", vars, "t"), "x=1\r\ny=11");
  try {
    skingen::expandDefinition("x=1\ny=${b}\n", vars, "t");
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("t:2: unknown value ${b}"), std::string::npos) << e.what();
  }
  EXPECT_THROW(skingen::expandDefinition("x=${a\ny=}\n", vars, "t"), std::runtime_error);
  EXPECT_EQ(skingen::expandDefinition("cost=$5 {not a reference}", vars, "t"), "cost=$5 {not a reference}");
}

}  // namespace
