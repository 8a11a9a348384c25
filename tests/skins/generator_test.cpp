// The generator's output: byte-identical on every run, clean pictures, and a
// folder that holds exactly the skin.
#include <gtest/gtest.h>

#include <set>

#include "bmp.h"
#include "definition.h"
#include "output.h"
#include "png.h"
#include "sheet.h"
#include "skin_support.h"

namespace {

using skintest::kSkins;

std::map<std::string, std::vector<uint8_t>> folderBytes(const std::filesystem::path& dir) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    files[entry.path().filename().string()] = skintest::readBytes(entry.path());
  return files;
}

TEST(SkinGenerator, FindsTheShippedSkins) {
  EXPECT_EQ(kSkins, (std::vector<std::string>{"dark", "default"})) << "skins found in " << skintest::sourceDir();
}

TEST(SkinGenerator, TwoRunsWriteByteIdenticalFolders) {
  for (const std::string& name : kSkins) {
    SCOPED_TRACE(name);
    const auto first = skintest::freshDir(name + "-a"), second = skintest::freshDir(name + "-b");
    const skintest::LoadedSkin a = skintest::loadSkin(name), b = skintest::loadSkin(name);
    skingen::writeSkinFolder(a.skin, a.definition, first);
    skingen::writeSkinFolder(b.skin, b.definition, second);
    const auto bytesA = folderBytes(first), bytesB = folderBytes(second);
    EXPECT_EQ(bytesA.size(), a.skin.pictures.size() + 1);
    EXPECT_TRUE(bytesA == bytesB);
    std::filesystem::remove_all(first);
    std::filesystem::remove_all(second);
  }
}

TEST(SkinGenerator, BuildTreeSkinsMatchAFreshRun) {
  const auto built = skintest::binaryDir() / "skins";
  if (!std::filesystem::exists(built / "default" / skingen::kDefinitionName))
    GTEST_SKIP() << "the skins have not been built in " << built;
  for (const std::string& name : kSkins) {
    SCOPED_TRACE(name);
    const auto fresh = skintest::freshDir(name + "-fresh");
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    skingen::writeSkinFolder(s.skin, s.definition, fresh);
    EXPECT_TRUE(folderBytes(fresh) == folderBytes(built / name)) << "the build's skingen drew " << name
                                                                 << " differently";
    const auto sheet = skingen::encodePng(skingen::contactSheet(s.skin, s.theme.name, s.definition));
    EXPECT_TRUE(sheet == skintest::readBytes(built / (name + "-sheet.png"))) << "review sheet of " << name;
    std::filesystem::remove_all(fresh);
  }
}

TEST(SkinGenerator, PicturesHaveDistinctLowerCaseBmpNames) {
  for (const std::string& name : kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    std::set<std::string> seen;
    for (const skingen::Picture& p : s.skin.pictures) {
      EXPECT_TRUE(seen.insert(p.file).second) << p.file << " twice";
      EXPECT_EQ(p.file.substr(p.file.size() - 4), ".bmp");
      for (char c : p.file) EXPECT_FALSE(c >= 'A' && c <= 'Z') << p.file;
      EXPECT_EQ(p.file.find(".ini"), std::string::npos) << "would be taken for the definition";
    }
  }
}

// A pixel close to the colour key but not on it is a fringe: a shape blended
// into the key colour instead of into its backdrop. It would show as a purple
// speck, because only the exact key (and green + 1) is transparent.
TEST(SkinGenerator, NoPictureHasFringesAroundTheColourKey) {
  for (const std::string& name : kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    for (const skingen::Picture& p : s.skin.pictures)
      for (int y = 0; y < p.image.height(); ++y)
        for (int x = 0; x < p.image.width(); ++x) {
          const skingen::Rgb c = p.image.at(x, y);
          const bool nearKey = c.r >= 200 && c.b >= 200 && c.g <= 80 && !(c == skingen::kKey);
          ASSERT_FALSE(nearKey) << name << " " << p.file << " at " << x << "," << y;
        }
  }
}

TEST(SkinGenerator, WritingAFolderReplacesOldPicturesAndKeepsOtherFiles) {
  const auto dir = skintest::freshDir("replace");
  skingen::writeFile(dir / "renamed_long_ago.bmp", {1, 2, 3});
  skingen::writeFile(dir / "notes.txt", {'x'});
  const skintest::LoadedSkin s = skintest::loadSkin("default");
  skingen::writeSkinFolder(s.skin, s.definition, dir);
  EXPECT_FALSE(std::filesystem::exists(dir / "renamed_long_ago.bmp"));
  EXPECT_TRUE(std::filesystem::exists(dir / "notes.txt"));
  EXPECT_EQ(skintest::readText(dir / skingen::kDefinitionName), s.definition);
  std::filesystem::remove_all(dir);
}

TEST(SkinGenerator, DefinitionMustNameExactlyTheDrawnPictures) {
  const skintest::LoadedSkin s = skintest::loadSkin("default");
  EXPECT_NO_THROW(skingen::checkPictureNames(s.definition, s.skin));
  EXPECT_THROW(skingen::checkPictureNames(s.definition + "[Extra]\r\nImage=missing.bmp\r\n", s.skin),
               std::runtime_error);
  skingen::Skin more = s.skin;
  more.add("unnamed.bmp", "Nowhere", skingen::Image(2, 2), 1);
  EXPECT_THROW(skingen::checkPictureNames(s.definition, more), std::runtime_error);
}

}  // namespace
