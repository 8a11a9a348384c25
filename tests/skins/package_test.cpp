// The packed skins of the build tree, read back with the engine's package reader.
#include <gtest/gtest.h>

#include "bmp.h"
#include "definition.h"
#include "skin/store/skin_reader.h"
#include "skin_support.h"

namespace {

TEST(SkinPackage, BuiltPackagesHoldTheDefinitionFirstAndEveryPicture) {
  for (const std::string& name : skintest::kSkins) {
    const auto file = skintest::binaryDir() / "skins" / (name + ".skn");
    if (!std::filesystem::exists(file)) GTEST_SKIP() << "no package built at " << file;
    SCOPED_TRACE(name);
    skin::store::TMemoryStream package(skintest::readBytes(file));
    skin::store::TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(package)) << reader.RefusalReason();
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    ASSERT_FALSE(reader.Names().empty());
    EXPECT_EQ(reader.Names().front(), "skin.ini");
    skin::store::TMemoryStream entry;
    std::string found;
    reader.ExtractByPattern(".ini", entry, found);
    EXPECT_EQ(found, "skin.ini");
    EXPECT_EQ(std::string(entry.Data().begin(), entry.Data().end()), s.definition);
    for (const std::string& picture : skingen::namedPictures(s.definition)) {
      reader.ExtractByName(picture, entry);
      ASSERT_FALSE(entry.Data().empty()) << picture;
      EXPECT_EQ(skingen::decodeBmp(entry.Data()), s.files.at(picture)) << picture;
    }
    EXPECT_EQ(reader.Count(), s.skin.pictures.size() + 1);
  }
}

}  // namespace
