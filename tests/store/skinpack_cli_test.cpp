// The skinpack program end to end: packing a folder, listing, extracting,
// checking, and its answers to bad input.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "hostile_skins.h"
#include "skin/check/package_check.h"
#include "store_test_support.h"
#include "tools/skinpack/package_writer.h"

using namespace store_test;
namespace fs = std::filesystem;

namespace {

struct Result {
  int status;
  std::string output;
};

std::string Quote(const std::string& s) { return "'" + s + "'"; }

Result Skinpack(const std::string& args) {
  const std::string command = Quote(SKINPACK_PATH) + " " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, "popen failed"};
  std::string output;
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) output.append(buf, n);
  const int raw = pclose(pipe);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, output};
}

void Write(const fs::path& p, const Bytes& b) {
  std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A 4 x 2 bitmap, 24 bits per pixel.
Bytes Bitmap(std::uint8_t shade) {
  Bytes b = ToBytes("BM");
  PutLe32(b, 14 + 40 + 2 * 12);
  PutLe32(b, 0);
  PutLe32(b, 14 + 40);
  for (std::uint32_t v : {40u, 4u, 2u}) PutLe32(b, v);
  b.insert(b.end(), {1, 0, 24, 0});
  for (int i = 0; i < 6; ++i) PutLe32(b, 0);
  b.insert(b.end(), 24, shade);
  return b;
}

class SkinpackCli : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("skinpack-cli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "in");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string P(const std::string& rel) const { return Quote((dir_ / rel).string()); }
  void Put(const std::string& rel, const Bytes& b) const { Write(dir_ / rel, b); }

  fs::path dir_;
};

}  // namespace

TEST_F(SkinpackCli, PackListExtractAndCheckASoundSkin) {
  const Bytes ini = ToBytes("[Buttons]\r\nBitmap=Buttons.bmp\r\n[Personality]\r\nTop=top.bmp\r\n");
  Put("in/Skin.INI", ini);
  Put("in/Buttons.BMP", Bitmap(1));
  Put("in/top.bmp", Bitmap(2));
  Put("in/a.bmp", Bitmap(3));

  Result r = Skinpack("pack " + P("in") + " -o " + P("s.skn"));
  ASSERT_EQ(r.status, 0) << r.output;

  r = Skinpack("list " + P("s.skn"));
  ASSERT_EQ(r.status, 0) << r.output;
  // The definition first, the rest by name, all lower-cased.
  const std::size_t ini_at = r.output.find("skin.ini"), a_at = r.output.find("a.bmp"),
                    buttons_at = r.output.find("buttons.bmp"), top_at = r.output.find("top.bmp");
  ASSERT_NE(ini_at, std::string::npos) << r.output;
  EXPECT_LT(ini_at, a_at);
  EXPECT_LT(a_at, buttons_at);
  EXPECT_LT(buttons_at, top_at);
  EXPECT_NE(r.output.find(std::to_string(ini.size()) + "  skin.ini"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("4 entries"), std::string::npos) << r.output;

  r = Skinpack("extract " + P("s.skn") + " -o " + P("out"));
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(Read(dir_ / "out/skin.ini"), ini);
  EXPECT_EQ(Read(dir_ / "out/buttons.bmp"), Bitmap(1));
  EXPECT_EQ(Read(dir_ / "out/a.bmp"), Bitmap(3));

  r = Skinpack("check " + P("s.skn"));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("no problems"), std::string::npos) << r.output;
}

TEST_F(SkinpackCli, CheckReportsMissingPicturesNonBitmapsAndWrongNames) {
  Put("in/skin.ini", ToBytes("[Buttons]\nBitmap=buttons.bmp\nCheckButton=check.bmp\n[Personality]\nTop=Top.BMP\n"));
  Put("in/buttons.bmp", ToBytes("not a bitmap"));
  Put("in/notes.txt", ToBytes("hello"));
  ASSERT_EQ(Skinpack("pack " + P("in") + " -o " + P("s.skn")).status, 0);

  const Result r = Skinpack("check " + P("s.skn"));
  EXPECT_EQ(r.status, 1) << r.output;
  EXPECT_NE(r.output.find("\"buttons.bmp\" is not a BMP file"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("no entry \"check.bmp\""), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("Top=Top.BMP"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("\"notes.txt\": the extension"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("4 problem(s)"), std::string::npos) << r.output;
}

TEST_F(SkinpackCli, CheckRefusesEveryHostilePackageInTheEnginesWords) {
  for (const picture_test::HostileSkin& skin : picture_test::HostileSkins()) {
    const std::string file = (dir_ / (skin.name + ".skn")).string();
    Write(file, skin.package);
    const Result r = Skinpack("check " + P(skin.name + ".skn"));
    EXPECT_EQ(r.status, 1) << skin.name;
    EXPECT_NE(r.output.find(skin.phrase), std::string::npos) << r.output;
    skin::store::TSkinReader reader;
    reader.OnOldPackage = nullptr;
    for (const std::string& problem : skin::check::PackageProblems(skin.package, reader))
      EXPECT_NE(r.output.find(file + ": " + problem + "\n"), std::string::npos) << problem << "\n" << r.output;
  }
}

TEST_F(SkinpackCli, CheckReportsAPackageWithoutDefinition) {
  Write(dir_ / "s.skn", skinpack::BuildPackage({{"a.bmp", Bitmap(1)}}));
  const Result r = Skinpack("check " + P("s.skn"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("no definition"), std::string::npos) << r.output;
}

TEST_F(SkinpackCli, PackRefusesFoldersWithoutOneDefinitionOrWithClashingNames) {
  Put("in/a.bmp", Bitmap(1));
  Result r = Skinpack("pack " + P("in") + " -o " + P("s.skn"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("exactly one definition"), std::string::npos) << r.output;
  EXPECT_FALSE(fs::exists(dir_ / "s.skn"));

  Put("in/one.ini", ToBytes("[A]"));
  Put("in/two.ini", ToBytes("[B]"));
  EXPECT_EQ(Skinpack("pack " + P("in") + " -o " + P("s.skn")).status, 1);
  fs::remove(dir_ / "in/two.ini");

  Put("in/A.bmp", Bitmap(2));
  r = Skinpack("pack " + P("in") + " -o " + P("s.skn"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("same name"), std::string::npos) << r.output;
}

TEST_F(SkinpackCli, BadPathsAndBadPackagesFailWithAReason) {
  Result r = Skinpack("pack " + P("missing") + " -o " + P("s.skn"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("not a folder"), std::string::npos) << r.output;

  Put("in/skin.ini", ToBytes("[A]"));
  r = Skinpack("pack " + P("in") + " -o " + P("no/such/dir/s.skn"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("cannot write"), std::string::npos) << r.output;

  r = Skinpack("list " + P("missing.skn"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("cannot read"), std::string::npos) << r.output;

  Put("junk.skn", RandomBytes(300, 4));
  for (const char* cmd : {"list", "check"}) {
    r = Skinpack(std::string(cmd) + " " + P("junk.skn"));
    EXPECT_EQ(r.status, 1) << cmd;
    EXPECT_NE(r.output.find("not a usable skin package"), std::string::npos) << r.output;
  }
  r = Skinpack("extract " + P("junk.skn") + " -o " + P("out"));
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(fs::exists(dir_ / "out"));
}

TEST_F(SkinpackCli, AnOldPackageIsRefusedWithItsVersion) {
  Bytes c;
  PutLe32(c, 19999);
  c.resize(16, 0);
  Write(dir_ / "old.skn", skinpack::Compress(c));
  const Result r = Skinpack("list " + P("old.skn"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("version is 19999"), std::string::npos) << r.output;
}

TEST_F(SkinpackCli, ExtractRefusesNamesThatLeaveTheFolder) {
  Write(dir_ / "evil.skn", skinpack::BuildPackage({{"skin.ini", ToBytes("[A]")}, {"../evil.bmp", Bitmap(1)}}));
  const Result r = Skinpack("extract " + P("evil.skn") + " -o " + P("out"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("../evil.bmp"), std::string::npos) << r.output;
  EXPECT_FALSE(fs::exists(dir_ / "evil.bmp"));
  EXPECT_FALSE(fs::exists(dir_ / "out/skin.ini"));
}

TEST_F(SkinpackCli, ExtractWritesTheFirstOfDuplicateNames) {
  Write(dir_ / "dup.skn", skinpack::BuildPackage({{"skin.ini", ToBytes("[A]")}, {"a.bmp", ToBytes("1")}, {"a.bmp", ToBytes("2")}}));
  const Result r = Skinpack("extract " + P("dup.skn") + " -o " + P("out"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Read(dir_ / "out/a.bmp"), ToBytes("1"));
}

TEST_F(SkinpackCli, ExtractSaysSoWhenThePackageIsCutShort) {
  const Bytes whole = skinpack::BuildPackage({{"skin.ini", ToBytes("[A]")}, {"b.bmp", RandomBytes(3000, 5)}});
  Put("cut.skn", Bytes(whole.begin(), whole.end() - 100));
  const Result r = Skinpack("extract " + P("cut.skn") + " -o " + P("out"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("cut short"), std::string::npos) << r.output;
  EXPECT_EQ(Read(dir_ / "out/skin.ini"), ToBytes("[A]"));
}

TEST_F(SkinpackCli, ExtractRemovesAFileItCouldNotFinish) {
  Put("s.skn", skinpack::BuildPackage({{"skin.ini", ToBytes("[A]")}, {"b.bmp", RandomBytes(3000, 5)}}));
  fs::create_directories(dir_ / "out/b.bmp");  // a folder where the file should go
  const Result r = Skinpack("extract " + P("s.skn") + " -o " + P("out"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("cannot write"), std::string::npos) << r.output;
  EXPECT_TRUE(fs::is_directory(dir_ / "out/b.bmp"));
}

TEST_F(SkinpackCli, UsageErrorsExitWithTwo) {
  EXPECT_EQ(Skinpack("").status, 2);
  EXPECT_EQ(Skinpack("frobnicate x").status, 2);
  EXPECT_EQ(Skinpack("pack " + P("in")).status, 2);
  EXPECT_EQ(Skinpack("pack " + P("in") + " -x " + P("s.skn")).status, 2);
  EXPECT_EQ(Skinpack("list").status, 2);
  EXPECT_EQ(Skinpack("check a b").status, 2);
  const Result help = Skinpack("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("skinpack pack DIR -o FILE.skn"), std::string::npos);
}
