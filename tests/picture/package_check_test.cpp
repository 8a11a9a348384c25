// The check that decides whether the engine takes a skin package, on the
// hostile packages and on the problems it names one by one.
#include <gtest/gtest.h>

#include "hostile_skins.h"
#include "skin/check/package_check.h"
#include "skin/check/refusal.h"
#include "tools/skinpack/package_writer.h"

using namespace picture_test;

namespace {

std::vector<std::string> Problems(const Bytes& package) {
  skin::store::TSkinReader reader;
  reader.OnOldPackage = nullptr;
  return skin::check::PackageProblems(package, reader);
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  return all;
}

TEST(PackageCheck, EveryHostilePackageIsRefusedWithItsReason) {
  EXPECT_TRUE(Problems(SoundSkin()).empty()) << Joined(Problems(SoundSkin()));
  for (const HostileSkin& skin : HostileSkins()) {
    const std::vector<std::string> problems = Problems(skin.package);
    EXPECT_NE(Joined(problems).find(skin.phrase), std::string::npos) << skin.name << ":\n" << Joined(problems);
  }
}

TEST(PackageCheck, FrameCountsAndMarginsAreNamedByTheirKeys) {
  const std::string ini =
      "[Personality]\r\nTop=t.bmp\r\nTopFrame=0\r\nLeft=l.bmp\r\nLeftTopHeight=-2\r\n"
      "[Progress.Chunk]\r\nImage=t.bmp\r\n[Headerbar]\r\nImage=t.bmp\r\nFrame=-3\r\n"
      "[MenuItem]\r\nImage=t.bmp\r\nTopHeight=6\r\nBottomHeight=5\r\n[Tab.Pane]\r\nImage=t.bmp\r\nLeftWidth=90\r\n"
      "[Button1]\r\nButtonImage=l.bmp\r\nframe=0\r\n[Buttons]\r\nRadioButton=l.bmp\r\nRadioButtonFrame=-1\r\n";
  const auto Bmp24 = [](int w, int h) { return Bmp({.width = w, .height = h, .pixels = Rows(w, h, 24)}); };
  const auto problems = Problems(skinpack::BuildPackage(
      {{"skin.ini", Bytes(ini.begin(), ini.end())}, {"t.bmp", Bmp24(10, 10)}, {"l.bmp", Bmp24(8, 8)}}));
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "[Personality] LeftTopHeight=-2: a margin cannot be negative",
                          "[Personality] TopFrame=0: the frame count is 0; it must be at least 1",
                          "[Buttons] RadioButtonFrame=-1: the frame count is -1; it must be at least 1",
                          "[Progress.Chunk] Frame (not given): the frame count is 0; it must be at least 1",
                          "[Headerbar] Frame=-3: the frame count is -3; it must be at least 1",
                          "[MenuItem] TopHeight=6, BottomHeight=5: the margins take 11 pixels but a frame of \"t.bmp\" "
                          "is 10 pixels high",
                      }))
      << Joined(problems);
}

TEST(PackageCheck, TheRefusalListsTheFirstTenProblems) {
  EXPECT_EQ(skin::check::RefusalText("a.skn", {"one", "two"}), "The skin a.skn was not loaded:\none\ntwo");
  const std::string text = skin::check::RefusalText("a.skn", std::vector<std::string>(12, "x"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11);
  EXPECT_NE(text.find("... and 2 more (skinpack check lists them all)"), std::string::npos);
}

}  // namespace
