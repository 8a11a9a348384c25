// The colour notation of skin definitions.
#include <gtest/gtest.h>

#include <string>

#include "skin/draw/colour_text.h"

using skin::ParseColourText;

TEST(ParseColourText, ThreeNumbersWithAnySeparators) {
  EXPECT_EQ(ParseColourText("255 0 255"), 0x00FF00FFu);
  EXPECT_EQ(ParseColourText("255,0,255"), 0x00FF00FFu);
  EXPECT_EQ(ParseColourText("236 233 216"), 0x00D8E9ECu);
  EXPECT_EQ(ParseColourText("  \t12 34 56 \r\n"), RGB(12, 34, 56));
  EXPECT_EQ(ParseColourText("r=1; g=2; b=3"), RGB(1, 2, 3));
  EXPECT_EQ(ParseColourText(",,1,,,2,,,3,,"), RGB(1, 2, 3));
}

TEST(ParseColourText, ANumberEndingTheTextCountsOnlyAfterTwoOthers) {
  EXPECT_EQ(ParseColourText("12 34"), RGB(12, 0, 0));
  EXPECT_EQ(ParseColourText("255"), RGB(0, 0, 0));
  EXPECT_EQ(ParseColourText("10 20 30"), RGB(10, 20, 30));
  EXPECT_EQ(ParseColourText("10 20 30 "), RGB(10, 20, 30));
  // Blanks around the text are trimmed first, so a trailing blank does not end a number.
  EXPECT_EQ(ParseColourText("10 20 "), RGB(10, 0, 0));
  EXPECT_EQ(ParseColourText("10 20;"), RGB(10, 20, 0));
}

TEST(ParseColourText, OnlyTheFirstThreeNumbersCount) {
  EXPECT_EQ(ParseColourText("10 20 30 40"), RGB(10, 20, 30));
  EXPECT_EQ(ParseColourText("10 20 30 40 50 60"), RGB(10, 20, 30));
}

TEST(ParseColourText, EachNumberKeepsItsLowByte) {
  EXPECT_EQ(ParseColourText("300 0 0"), RGB(44, 0, 0));
  EXPECT_EQ(ParseColourText("256 512 257"), RGB(0, 0, 1));
  EXPECT_EQ(ParseColourText("2147483647 0 0"), RGB(255, 0, 0));
}

TEST(ParseColourText, NoDigitsGiveBlack) {
  EXPECT_EQ(ParseColourText(""), 0u);
  EXPECT_EQ(ParseColourText("   "), 0u);
  EXPECT_EQ(ParseColourText("red green blue"), 0u);
  EXPECT_EQ(ParseColourText("\x01\x02"), 0u);
}

TEST(ParseColourText, ANumberTooLargeIsJoinedWithTheNext) {
  // 99999999999 does not fit 32 bits: it is not stored and its digits run
  // on into the next number, which then does not fit either.
  EXPECT_EQ(ParseColourText("1 99999999999 2 3"), RGB(1, 0, 0));
  EXPECT_EQ(ParseColourText("8 9 99999999999"), RGB(8, 9, 0));
  EXPECT_EQ(ParseColourText("2147483648 5 6 7"), RGB(0, 0, 0));
}

TEST(ParseColourText, LongTextsAreReadWithoutTrouble) {
  EXPECT_EQ(ParseColourText(std::string(100000, '9') + " 1 2 3"), RGB(0, 0, 0));
  EXPECT_EQ(ParseColourText("1 2 3" + std::string(100000, ' ')), RGB(1, 2, 3));
  EXPECT_EQ(ParseColourText(std::string(50, '0') + "7 8 9"), RGB(7, 8, 9));
}
