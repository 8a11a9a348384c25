// The project's own default skin, as the build packs it, read by the component.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "skin/data/skin_data.h"
#include "skin/store/quick_ini.h"
#include "skin/store/skin_reader.h"
#include "test_skins.h"

using namespace data_test;
using skin::TSkinData;

namespace {

Bytes ReadDefaultPackage() {
  std::ifstream file(BRINDLE_DEFAULT_SKIN, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class DefaultSkin : public SkinDataTest {
protected:
  void SetUp() override {
    package = ReadDefaultPackage();
    if (package.empty()) GTEST_SKIP() << "no default skin package at \"" BRINDLE_DEFAULT_SKIN "\" (this build was configured without BRINDLE_SKINS_DIR)";
    data.ReadSkinStream(StreamOf(package));
    ASSERT_FALSE(data.SkinMissing()) << data.RefusalReason();
  }
  // The sections of the skin's own definition.
  std::vector<std::string> Sections() {
    skin::store::TSkinReader reader;
    skin::store::TMemoryStream in(package), ini_text;
    EXPECT_TRUE(reader.LoadPackage(in));
    std::string found;
    reader.ExtractByPattern(".ini", ini_text, found);
    skin::store::TQuickIni ini;
    ini.LoadFromStream(ini_text);
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    return sections;
  }
  Bytes package;
  TSkinData data{nullptr};
};

TEST_F(DefaultSkin, EverySectionTheSkinDefinesFillsItsSlot) {
  const skin::SkinElements& e = data.Elements();
  const std::map<std::string, const skin::TDataSkinObject*> slots{
      {"PROGRESS", e.ProgressBar.get()}, {"PROGRESS.CHUNK", e.ProgressChunk.get()},
      {"GROUPBOXEDGE", e.GroupBoxEdge.get()}, {"GROUPBOX", e.GroupBox.get()}, {"TABS", e.Tabs.get()},
      {"STATUSBAREDGES", e.StatusBarEdges.get()}, {"TAB.PANE", e.TabPane.get()}, {"TOOLBARS", e.ToolBars.get()},
      {"COMBOBUTTON", e.ComboButton.get()}, {"SUNKEDGE", e.SunkEdge.get()}, {"EXTRAIMAGES", e.ExtraImages.get()},
      {"HEADERBAR", e.Headerbar.get()}, {"MENUITEM", e.MenuItem.get()}, {"MENUBACKGROUND", e.MenuBackground.get()},
      {"SCROLLBAR", e.ScrollArrows.get()}, {"HORZSCROLL", e.HorzScroll.get()}, {"VERTSCROLL", e.VertScroll.get()},
      {"HORZSCROLLTHUMB", e.HorzScrollThumb.get()}, {"VERTSCROLLTHUMB", e.VertScrollThumb.get()},
      {"TRACKBAR.THUMBHORZ", e.ThumbHorz.get()}, {"TRACKBAR.THUMBVERT", e.ThumbVert.get()},
      {"TRACKBAR.THUMBLEFT", e.ThumbLeft.get()}, {"TRACKBAR.THUMBRIGHT", e.ThumbRight.get()},
      {"TRACKBAR.THUMBUP", e.ThumbUp.get()}, {"TRACKBAR.THUMBDOWN", e.ThumbDown.get()},
      {"UPDOWN.HORZ", e.UpDownHorz.get()}, {"UPDOWN.VERT", e.UpDownVert.get()}, {"TRACK", e.TrackLine.get()},
      {"TRACKVERT", e.TrackLineVert.get()}, {"BUTTONS", e.Buttons.get()}};
  int checked = 0;
  for (std::string section : Sections()) {
    for (char& c : section) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    const auto slot = slots.find(section);
    if (slot == slots.end()) continue;
    ++checked;
    ASSERT_NE(slot->second, nullptr) << section;
    EXPECT_FALSE(slot->second->Image.Empty()) << section;
    EXPECT_GT(slot->second->FrameCount, 0) << section;
  }
  EXPECT_GE(checked, 25);
  EXPECT_NE(e.MenuBar, nullptr);
  for (const auto* border : {e.FrameLeft.get(), e.FrameRight.get(), e.FrameTop.get(), e.FrameBottom.get()})
    EXPECT_FALSE(border->Image.Empty()) << border->Name;
  EXPECT_NE(e.Toolbar, nullptr);
}

TEST_F(DefaultSkin, PushButtonsAndScrollArrowsHaveTheirFixedFrameCounts) {
  const skin::SkinElements& e = data.Elements();
  EXPECT_EQ(e.Buttons->FrameCount, 5);
  EXPECT_EQ(e.Buttons->CheckFrames, 12);
  EXPECT_EQ(e.Buttons->RadioFrames, 8);
  EXPECT_FALSE(e.Buttons->CheckImage.Empty());
  EXPECT_FALSE(e.Buttons->RadioImage.Empty());
  EXPECT_EQ(e.ScrollArrows->FrameCount, 23);
}

TEST_F(DefaultSkin, CaptionButtonsHaveSaneFrames) {
  const auto& list = data.Elements().CaptionButtons;
  ASSERT_GE(list.size(), 4u);
  for (const auto& b : list) {
    SCOPED_TRACE(b->Name + " action " + std::to_string(b->Action));
    ASSERT_GT(b->FrameCount, 0);
    if (b->Image.Empty()) continue;
    EXPECT_EQ(b->Image.Width() % b->FrameCount, 0);
    EXPECT_GE(b->Image.Width() / b->FrameCount, 8);
  }
  EXPECT_EQ(list[0]->Name, "BUTTON0");
  EXPECT_EQ(list[0]->Action, 0);  // close
  EXPECT_FALSE(list[0]->Image.Empty());
  // The MDI buttons end the list, cut from the skin's MDI picture.
  for (size_t i = list.size() - 3; i < list.size(); ++i) {
    EXPECT_EQ(list[i]->Action, static_cast<int>(7 + i - (list.size() - 3)));
    EXPECT_FALSE(list[i]->Image.Empty());
  }
}

TEST_F(DefaultSkin, NameAndColours) {
  const skin::SkinElements& e = data.Elements();
  EXPECT_EQ(e.SkinName, "Brindle Light");
  // Every colour is given by the skin, none left to the system.
  const skin::SkinColours& c = e.Colours;
  for (std::int32_t colour : {c.WindowText, c.ButtonFace, c.ScrollbarColour, c.HilightText, c.Hilight, c.Menubar,
                              c.Menu, c.MenuText, c.ButtonText, c.ButtonHilight, c.ButtonLight, c.ButtonShadow,
                              c.ButtonDkShadow, c.MenuBarText, c.TitleTextActive, c.TitleTextNoActive})
    EXPECT_EQ(static_cast<std::uint32_t>(colour) >> 24, 0u) << std::hex << colour;
  EXPECT_EQ(c.ButtonFace, 0x00F4F1F0);  // 240 241 244
  EXPECT_EQ(e.ExtraColours.size(), 2u);
  EXPECT_EQ(e.CustomColours[0], c.ButtonFace);
  EXPECT_NE(e.Title->ActiveTextColour, skin::kNoColour);
  // The frame colour is sampled from the top border, not the button face.
  const auto& top = e.FrameTop->Image;
  EXPECT_EQ(e.FrameColour,
            static_cast<std::int32_t>(top.Pixel(top.Width() / 3, top.Height() / e.FrameTop->FrameCount / 3)));
}

TEST_F(DefaultSkin, LoadsFromItsFileThroughSkinFile) {
  TSkinData from_file{nullptr};
  from_file.SetSkinFile(WindowsPath(BRINDLE_DEFAULT_SKIN));
  ASSERT_FALSE(from_file.SkinMissing()) << from_file.RefusalReason();
  EXPECT_EQ(from_file.Package(), package);
  EXPECT_EQ(from_file.Elements().SkinName, "Brindle Light");
}

}  // namespace
