// The skingen command as the build runs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

#include "skin_support.h"

namespace {

std::filesystem::path tool() { return skintest::binaryDir() / "tools" / "skingen" / "skingen"; }

int run(const std::string& args, const std::filesystem::path& log) {
  const std::string command = tool().string() + " " + args + " >" + log.string() + " 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SkingenCommand, ReportsFaultsWithoutWritingAnything) {
  if (!std::filesystem::exists(tool())) GTEST_SKIP() << "no skingen at " << tool();
  const auto dir = skintest::freshDir("cli");
  const auto log = dir / "log.txt";
  EXPECT_EQ(run("", log), 2);
  EXPECT_NE(skintest::readText(log).find("usage"), std::string::npos);

  EXPECT_EQ(run((dir / "nowhere").string() + " " + (dir / "out").string(), log), 1);
  EXPECT_NE(skintest::readText(log).find("params.txt: cannot be read"), std::string::npos) << skintest::readText(log);
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));

  // A template naming a value nobody defines.
  std::filesystem::create_directories(dir / "broken");
  std::filesystem::copy_file(skintest::sourceDir() / "default" / "params.txt", dir / "broken" / "params.txt");
  std::ofstream(dir / "broken" / "skin.ini") << "[Personality]\r\nTop=${frame.nothing}\r\n";
  EXPECT_EQ(run((dir / "broken").string() + " " + (dir / "out").string(), log), 1);
  EXPECT_NE(skintest::readText(log).find("unknown value ${frame.nothing}"), std::string::npos) << skintest::readText(log);
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));
  std::filesystem::remove_all(dir);
}

TEST(SkingenCommand, WritesTheFolderAndTheSheet) {
  if (!std::filesystem::exists(tool())) GTEST_SKIP() << "no skingen at " << tool();
  const auto dir = skintest::freshDir("cli-ok");
  EXPECT_EQ(run((skintest::sourceDir() / "dark").string() + " " + (dir / "dark").string() + " --sheet " +
                    (dir / "dark.png").string(), dir / "log.txt"), 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "dark" / "skin.ini"));
  EXPECT_TRUE(std::filesystem::exists(dir / "dark" / "frame_top.bmp"));
  EXPECT_GT(std::filesystem::file_size(dir / "dark.png"), 1000u);
  std::filesystem::remove_all(dir);
}

}  // namespace
