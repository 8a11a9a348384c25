// The shared off-screen bitmap.
#include <gtest/gtest.h>

#include "skin/draw/scratch_bitmap.h"

TEST(ScratchBitmap, ExistsBetweenCreationAndRelease) {
  skin::FreeScratchBitmap();
  EXPECT_EQ(skin::ScratchBitmap(), nullptr);
  skin::CreateScratchBitmap();
  host::DibBitmap* scratch = skin::ScratchBitmap();
  ASSERT_NE(scratch, nullptr);
  skin::CreateScratchBitmap();
  EXPECT_EQ(skin::ScratchBitmap(), scratch);
  skin::FreeScratchBitmap();
  EXPECT_EQ(skin::ScratchBitmap(), nullptr);
}

TEST(ScratchBitmap, StretchesColourOnColourAtEverySize) {
  skin::CreateScratchBitmap();
  host::DibBitmap& scratch = *skin::ScratchBitmap();
  EXPECT_EQ(GetStretchBltMode(scratch.Dc()), COLORONCOLOR);
  scratch.SetSize(300, 40);
  EXPECT_EQ(scratch.Width(), 300);
  EXPECT_EQ(GetStretchBltMode(scratch.Dc()), COLORONCOLOR);
  scratch.SetSize(0, 0);
  scratch.SetSize(7, 7);
  EXPECT_EQ(GetStretchBltMode(scratch.Dc()), COLORONCOLOR);
  skin::FreeScratchBitmap();
}
