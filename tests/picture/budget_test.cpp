// The picture memory budget: one picture's bound and the skin's.
#include <gtest/gtest.h>

#include "skin/picture/picture_budget.h"

using skin::picture::PictureBudget;

TEST(PictureBudget, APictureOverItsBoundOrPastTheSkinsIsRefused) {
  PictureBudget budget;
  EXPECT_EQ(budget.Take(2048, 2048), "");
  EXPECT_EQ(budget.UsedBytes(), 16 << 20);
  EXPECT_EQ(budget.Take(2049, 2048), "it is 2049 x 2048 pixels, more than the 4194304 pixels one picture may have");
  EXPECT_EQ(budget.Take(16384, 256), "");
  EXPECT_EQ(budget.Take(4096, 1024), "");
  EXPECT_EQ(budget.Take(1, 4096 * 1024 - 1), "");
  EXPECT_EQ(budget.Take(1, 1), "");
  EXPECT_EQ(budget.UsedBytes(), 64 << 20);
  EXPECT_NE(budget.Take(1, 1).find("past the 67108864 bytes"), std::string::npos);
}
