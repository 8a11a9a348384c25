// Reading settings through the system's private-profile calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "host/core/text.h"
#include "host/system/ini_file.h"

using namespace host;

namespace {

TEST(IniInteger, DecimalHexadecimalAndJunk) {
  EXPECT_EQ(ParseIniInteger("2", 0), 2);
  EXPECT_EQ(ParseIniInteger("-1", 0), -1);
  EXPECT_EQ(ParseIniInteger("+3", 0), 3);
  EXPECT_EQ(ParseIniInteger(" 7 ", 0), 7);
  EXPECT_EQ(ParseIniInteger("0x2", 0), 2);
  EXPECT_EQ(ParseIniInteger("0X1f", 0), 31);
  EXPECT_EQ(ParseIniInteger("$10", 0), 16);
  EXPECT_EQ(ParseIniInteger("0xFFFFFFFF", 0), -1);
  EXPECT_EQ(ParseIniInteger("0x", 5), 5);    // "0x" alone is not hexadecimal, and not a number
  EXPECT_EQ(ParseIniInteger("0x1G", 5), 5);
  EXPECT_EQ(ParseIniInteger("abc", 5), 5);
  EXPECT_EQ(ParseIniInteger("", 5), 5);
  EXPECT_EQ(ParseIniInteger("12abc", 5), 5);
  EXPECT_EQ(ParseIniInteger("-", 5), 5);
  EXPECT_EQ(ParseIniInteger("2147483647", 0), 2147483647);
  EXPECT_EQ(ParseIniInteger("2147483648", 5), 5);
  EXPECT_EQ(ParseIniInteger("-2147483648", 0), -2147483647 - 1);
  EXPECT_EQ(ParseIniInteger("99999999999999999999", 5), 5);
  EXPECT_EQ(ParseIniInteger("0x100000000", 5), 5);
}

class IniFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    path = Narrow(dir) + "brindle-ini-test.ini";
    std::ofstream(Widen(path).c_str()) << "[General]\nLanguage=0x2\nName = Brindle.ini \nFlag=1\nLong="
                                       << std::string(5000, 'x') << "\n";
  }
  void TearDown() override { DeleteFileW(Widen(path).c_str()); }
  std::string path;
};

TEST_F(IniFileTest, ReadsValuesAndFallsBackToDefaults) {
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("General", "Language", 0), 2);
  EXPECT_EQ(ini.ReadString("General", "Name", ""), "Brindle.ini");
  EXPECT_TRUE(ini.ReadBool("General", "Flag", false));
  EXPECT_EQ(ini.ReadString("General", "Long", "").size(), 5000u);  // not cut at a buffer size
  EXPECT_EQ(ini.ReadInteger("General", "Missing", 9), 9);
  EXPECT_EQ(ini.ReadString("Other", "Name", "dflt"), "dflt");
  EXPECT_FALSE(TIniFile(path + ".none").ReadBool("General", "Flag", false));
}

}  // namespace
