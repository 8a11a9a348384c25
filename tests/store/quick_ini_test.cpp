// The definition parser: lines, comments, sections, keys and numbers.
#include <gtest/gtest.h>

#include "skin/store/quick_ini.h"
#include "store_test_support.h"

using namespace store_test;
using skin::store::TMemoryStream;
using skin::store::TQuickIni;

namespace {

TQuickIni Parse(std::string_view text) {
  TMemoryStream s(ToBytes(text));
  TQuickIni ini;
  ini.LoadFromStream(s);
  return ini;
}

std::vector<std::string> Sections(const TQuickIni& ini) {
  std::vector<std::string> out{"stale"};
  ini.ReadSections(out);
  return out;
}

}  // namespace

TEST(QuickIniSections, NamesMatchWithoutCaseButBlanksInsideBracketsStay) {
  const TQuickIni ini = Parse("[buttons]\r\nA=1\r\n[ Buttons ]\r\nB=2\r\n");
  EXPECT_EQ(ini.ReadString("Buttons", "A", "d"), "1");
  EXPECT_EQ(ini.ReadString("BUTTONS", "a", "d"), "1");
  EXPECT_EQ(ini.ReadString("Buttons", "B", "d"), "d");
  EXPECT_EQ(ini.ReadString(" Buttons ", "B", "d"), "2");
}

TEST(QuickIniSections, ReadSectionsTrimsInsideTheBrackets) {
  const TQuickIni ini = Parse("  [One]  \n[ Two ]\nx=1\n[]\n[Three\n");
  EXPECT_EQ(Sections(ini), (std::vector<std::string>{"One", "Two", ""}));
}

TEST(QuickIniSections, ARepeatedHeaderHidesItsLines) {
  const TQuickIni ini = Parse("[A]\nx=1\n[B]\ny=2\n[a]\nx=3\nz=4\n");
  EXPECT_EQ(ini.ReadString("A", "x", "d"), "1");
  EXPECT_EQ(ini.ReadString("A", "z", "d"), "d");
  EXPECT_EQ(Sections(ini), (std::vector<std::string>{"A", "B", "a"}));
}

TEST(QuickIniSections, KeysBeforeAnyHeaderAreNeverFound) {
  const TQuickIni ini = Parse("x=1\n[A]\ny=2\n");
  EXPECT_EQ(ini.ReadString("", "x", "d"), "d");
  EXPECT_EQ(ini.ReadString("A", "x", "d"), "d");
}

TEST(QuickIniSections, LookupStopsAtTheNextHeader) {
  const TQuickIni ini = Parse("[A]\n[B]\nx=1\n");
  EXPECT_EQ(ini.ReadString("A", "x", "d"), "d");
}

TEST(QuickIniKeys, KeysMatchWithoutCaseAndTheFirstWins) {
  const TQuickIni ini = Parse("[S]\n  Rightwidth =  7  \nRIGHTWIDTH=9\n");
  EXPECT_EQ(ini.ReadString("S", "RightWidth", "d"), "7");
  EXPECT_EQ(ini.ReadInteger("S", "RightWidth", -1), 7);
}

TEST(QuickIniKeys, AnEmptyValueGivesTheDefaultAndHidesLaterLines) {
  const TQuickIni ini = Parse("[S]\nFrame=\nFrame=5\n");
  EXPECT_EQ(ini.ReadString("S", "Frame", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("S", "Frame", 42), 42);
}

TEST(QuickIniKeys, ALineWithoutEqualsIsNotAKey) {
  const TQuickIni ini = Parse("[S]\nFrame\nFrame=3\n");
  EXPECT_EQ(ini.ReadInteger("S", "Frame", 0), 3);
}

TEST(QuickIniKeys, ValueRunsFromTheFirstEquals) {
  const TQuickIni ini = Parse("[S]\nA = b=c \n");
  EXPECT_EQ(ini.ReadString("S", "a", "d"), "b=c");
}

TEST(QuickIniComments, OnlyALeadingSemicolonStartsAComment) {
  const TQuickIni ini = Parse("[S]\n ; x=1\nx=2\nTrans=1 ; a note\n#y=3\n");
  EXPECT_EQ(ini.ReadString("S", "x", "d"), "2");
  EXPECT_EQ(ini.ReadString("S", "Trans", "d"), "1 ; a note");
  EXPECT_EQ(ini.ReadInteger("S", "Trans", -5), -5);
  EXPECT_EQ(ini.ReadString("S", "#y", "d"), "3");
}

TEST(QuickIniLines, BreaksControlCharactersAndTheEndByte) {
  const std::string text = std::string("[S]\ra=1\nb=2\r\n\tc=3\x01\r\n\r\nd=4") + std::string("\0e=5\n", 5);
  const TQuickIni ini = Parse(text);
  EXPECT_EQ(ini.ReadString("S", "a", "-"), "1");
  EXPECT_EQ(ini.ReadString("S", "b", "-"), "2");
  EXPECT_EQ(ini.ReadString("S", "c", "-"), "3");
  EXPECT_EQ(ini.ReadString("S", "d", "-"), "4");
  EXPECT_EQ(ini.ReadString("S", "e", "-"), "-");
}

TEST(QuickIniLines, ReadsFromTheStreamPositionAndReloadsFromScratch) {
  TMemoryStream s(ToBytes("[Old]\nx=1\n[New]\ny=2\n"));
  s.Seek(10);
  TQuickIni ini;
  ini.LoadFromStream(s);
  EXPECT_EQ(ini.ReadString("New", "y", "d"), "2");
  EXPECT_EQ(ini.ReadString("Old", "x", "d"), "d");
  TMemoryStream empty;
  ini.LoadFromStream(empty);
  EXPECT_EQ(ini.ReadString("New", "y", "d"), "d");
  EXPECT_TRUE(Sections(ini).empty());
}

TEST(QuickIniNumbers, HexadecimalDecimalAndFailures) {
  const TQuickIni ini = Parse(
      "[N]\nhex=0x10\nHEX2=0X1f\ndollar=$FF\nneg=-12\nplus=+7\nbare=0x\nbad=12a\nspace=1 2\n"
      "big=2147483648\nmin=-2147483648\nallbits=0xFFFFFFFF\ntoolong=0x100000000\nempty=\nsys=0xFF000005\n");
  EXPECT_EQ(ini.ReadInteger("N", "hex", -1), 16);
  EXPECT_EQ(ini.ReadInteger("N", "hex2", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "dollar", -1), 255);
  EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -12);
  EXPECT_EQ(ini.ReadInteger("N", "plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger("N", "bare", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "bad", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "space", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "big", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "min", 0), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("N", "allbits", 0), -1);
  EXPECT_EQ(ini.ReadInteger("N", "toolong", 3), 3);
  EXPECT_EQ(ini.ReadInteger("N", "empty", 9), 9);
  EXPECT_EQ(ini.ReadInteger("N", "missing", 9), 9);
  EXPECT_EQ(static_cast<std::uint32_t>(ini.ReadInteger("N", "sys", 0)), 0xFF000005u);
}

TEST(QuickIniEmpty, EveryQueryGivesItsDefault) {
  TQuickIni ini;
  EXPECT_EQ(ini.ReadString("A", "b", "def"), "def");
  EXPECT_EQ(ini.ReadInteger("A", "b", 3), 3);
  EXPECT_TRUE(Sections(ini).empty());
}
