// How a skin definition becomes element descriptors: picture names, the fixed
// rules that override the text, and what a new skin replaces.
#include <windows.h>

#include <gtest/gtest.h>

#include "bmp_files.h"
#include "skin/check/picture_uses.h"
#include "skin/data/skin_data.h"
#include "test_skins.h"
#include "tests/draw/gdi_census.h"

using namespace data_test;
using skin::TSkinData;

namespace {

class DefinitionRules : public SkinDataTest {
protected:
  const skin::SkinElements& LoadSkin(const TestSkin& s) {
    Load(data, s);
    return data.Elements();
  }
  TSkinData data{nullptr};
};

TEST_F(DefinitionRules, OnlyALowerCaseBmpExtensionNamesAPicture) {
  TestSkin s{"[Buttons]\nBitmap=Buttons.BMP\n"};
  s.Picture("buttons.bmp", SolidBmp(30, 12, RGB(1, 2, 3)));
  EXPECT_TRUE(LoadSkin(s).Buttons->Image.Empty());

  s.ini = "[Buttons]\nBitmap=BUTTONS.bmp\n";
  const auto& e = LoadSkin(s);
  EXPECT_EQ(e.Buttons->Image.Width(), 30);
  EXPECT_EQ(e.Buttons->Image.Height(), 12);
  EXPECT_EQ(e.Buttons->Image.Pixel(4, 4), RGB(1, 2, 3));
}

TEST_F(DefinitionRules, APictureNameLosesItsFolder) {
  TestSkin s{"[MenuItem]\nImage=pictures\\Item.bmp\n"};
  s.Picture("item.bmp", SolidBmp(20, 10, RGB(9, 9, 9)));
  ASSERT_NE(LoadSkin(s).MenuItem, nullptr);
  EXPECT_EQ(data.Elements().MenuItem->Image.Width(), 20);
}

TEST_F(DefinitionRules, APictureMissingFromThePackageLeavesTheImageEmptyButTheSlotFilled) {
  const auto& e = LoadSkin(TestSkin{"[MenuItem]\nImage=absent.bmp\nLeftWidth=3\n"});
  ASSERT_NE(e.MenuItem, nullptr);
  EXPECT_TRUE(e.MenuItem->Image.Empty());
  EXPECT_EQ(e.MenuItem->LeftWidth, 3);
}

TEST_F(DefinitionRules, TabPaneMarginsAreLimitedToFour) {
  TestSkin s{"[Tab.Pane]\nImage=pane.bmp\nLeftWidth=9\nTopHeight=3\nRightWidth=4\nBottomHeight=100\n"};
  s.Picture("pane.bmp", SolidBmp(30, 30, RGB(0, 0, 0)));
  const auto& pane = *LoadSkin(s).TabPane;
  EXPECT_EQ(pane.LeftWidth, 4);
  EXPECT_EQ(pane.TopHeight, 3);
  EXPECT_EQ(pane.RightWidth, 4);
  EXPECT_EQ(pane.BottomHeight, 4);
  EXPECT_EQ(pane.FrameCount, 1);
}

TEST_F(DefinitionRules, TileTwoIsStretchForPlainElementsAndTileForTheProgressBar) {
  TestSkin s{"[MenuItem]\nImage=p.bmp\nTile=2\n[Progress]\nBitmap=p.bmp\nTile=2\n[Headerbar]\nImage=p.bmp\nTile=1\n"};
  s.Picture("p.bmp", SolidBmp(20, 10, RGB(0, 0, 0)));
  const auto& e = LoadSkin(s);
  EXPECT_EQ(e.MenuItem->Tile, 0);
  EXPECT_EQ(e.ProgressBar->Tile, 1);
  EXPECT_EQ(e.Headerbar->Tile, 1);
}

TEST_F(DefinitionRules, FrameBorderStretchAboveOneIsOne) {
  TestSkin s{"[Personality]\nLeft=l.bmp\nLeftStretch=2\nLeftTopHeight=5\nLeftBotHeight=6\n"
             "Top=t.bmp\nTopStretch=0\nTopTopHeight=7\nTopBotHeight=8\n"};
  s.Picture("l.bmp", SolidBmp(4, 30, RGB(0, 0, 0))).Picture("t.bmp", SolidBmp(40, 20, RGB(0, 0, 0)));
  const auto& e = LoadSkin(s);
  EXPECT_EQ(e.FrameLeft->Tile, 1);
  EXPECT_EQ(e.FrameLeft->TopHeight, 5);
  EXPECT_EQ(e.FrameLeft->BottomHeight, 6);
  EXPECT_EQ(e.FrameLeft->LeftWidth, 0);
  EXPECT_EQ(e.FrameTop->Tile, 0);
  EXPECT_EQ(e.FrameTop->LeftWidth, 7);
  EXPECT_EQ(e.FrameTop->RightWidth, 8);
  EXPECT_EQ(e.FrameTop->TopHeight, 0);
  // Defaults of a border the skin does not name.
  EXPECT_TRUE(e.FrameRight->Image.Empty());
  EXPECT_EQ(e.FrameRight->FrameCount, 1);
  EXPECT_EQ(e.FrameRight->Tile, 1);
  EXPECT_EQ(e.FrameRight->Trans, 1);
}

// Sections that look like caption buttons, in text order.
constexpr char kCaptionButtons[] =
    "[Buttons]\nBitmap=b.bmp\n"
    "[Button]\nButtonImage=wide.bmp\n"
    "[Button.Radio]\nButtonImage=wide.bmp\n"
    "[BUTTON.CHECKBOX]\nButtonImage=wide.bmp\n"
    "[Button0]\nAction=0\nButtonImage=wide.bmp\nXcoord=40\nYcoord=3\nAlign=1\n"
    "[Button1]\nAction=1\nButtonImage=narrow.bmp\n"
    "[ButtonHidden]\nAction=-1\nButtonImage=narrow.bmp\n"
    "[ButtonShown]\nAction=-1\nVisibility=0\nButtonImage=narrow.bmp\n"
    "[button2]\nAction=3\n"
    "[Button3]\nAction=11\nButtonImage=wide.bmp\n"
    "[Button4]\nAction=3\nframe=2\nButtonImage=narrow.bmp\n"
    "[Tabs]\nImage=narrow.bmp\n";

TestSkin CaptionButtonSkin() {
  TestSkin s{kCaptionButtons};
  s.Picture("wide.bmp", SolidBmp(162, 21, RGB(1, 1, 1)))
      .Picture("narrow.bmp", SolidBmp(63, 21, RGB(2, 2, 2)))
      .Picture("b.bmp", SolidBmp(40, 20, RGB(3, 3, 3)));
  return s;
}

TEST_F(DefinitionRules, CaptionButtonSectionsKeptOrDroppedByNameActionAndVisibility) {
  const auto& list = LoadSkin(CaptionButtonSkin()).CaptionButtons;
  std::vector<std::string> names;
  for (const auto& b : list) names.push_back(b->Name);
  names.resize(names.size() - 3);  // the MDI buttons
  EXPECT_EQ(names, (std::vector<std::string>{"BUTTON0", "BUTTON1", "BUTTONSHOWN", "BUTTON2", "BUTTON3", "BUTTON4"}));
}

TEST_F(DefinitionRules, CaptionButtonFieldsAndDefaults) {
  const auto& list = LoadSkin(CaptionButtonSkin()).CaptionButtons;
  ASSERT_EQ(list.size(), 9u);
  const auto& close = *list[0];
  EXPECT_EQ(close.XCoord, 40);
  EXPECT_EQ(close.YCoord, 3);
  EXPECT_EQ(close.Align, 1);
  EXPECT_EQ(close.Visibility, 0);
  EXPECT_EQ(close.Visibility1, 0);
  EXPECT_EQ(close.CombineOp, -1);
  const auto& shown = *list[2];
  EXPECT_EQ(shown.Action, -1);
  EXPECT_EQ(shown.Visibility1, -1);
}

TEST_F(DefinitionRules, CaptionButtonFrameCountsFollowThePictureRatio) {
  const auto& list = LoadSkin(CaptionButtonSkin()).CaptionButtons;
  ASSERT_EQ(list.size(), 9u);
  EXPECT_EQ(list[0]->FrameCount, 6);  // 162 x 21: ratio 7.7
  EXPECT_EQ(list[0]->Image.Width(), 162);
  EXPECT_EQ(list[1]->FrameCount, 3);  // 63 x 21: ratio 3
  EXPECT_EQ(list[2]->FrameCount, 6);  // a negative action always has six
  // The system-menu and help actions draw no picture of their own.
  for (size_t i : {3u, 4u}) {
    EXPECT_EQ(list[i]->FrameCount, 6) << list[i]->Name;
    EXPECT_TRUE(list[i]->Image.Empty()) << list[i]->Name;
  }
  // A frame count given in the definition keeps the picture.
  EXPECT_EQ(list[5]->FrameCount, 2);
  EXPECT_EQ(list[5]->Image.Width(), 63);
}

TEST_F(DefinitionRules, MdiPictureIsCutIntoThreeButtons) {
  TestSkin s{"[Button0]\nAction=0\n[MDICONTROLS]\nImage=mdi.bmp\n"};
  s.Picture("mdi.bmp", Bmp(156, 13, Gradient));
  const auto& list = LoadSkin(s).CaptionButtons;
  ASSERT_EQ(list.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    const auto& b = *list[1 + static_cast<size_t>(i)];
    SCOPED_TRACE(i);
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.FrameCount, 4);
    EXPECT_EQ(b.Name, "BUTTON0");
    EXPECT_EQ(b.Image.Width(), 52);
    EXPECT_EQ(b.Image.Height(), 13);
    EXPECT_EQ(b.XCoord, (13 + 4) * (3 - i));
    EXPECT_EQ(b.Image.Pixel(0, 0), Gradient(52 * i, 0));
    EXPECT_EQ(b.Image.Pixel(51, 12), Gradient(52 * i + 51, 12));
  }
}

TEST_F(DefinitionRules, WithoutMdiPictureTheMdiButtonsHaveNoImage) {
  const auto& list = LoadSkin(TestSkin{"[Colours]\n"}).CaptionButtons;
  ASSERT_EQ(list.size(), 3u);
  for (const auto& b : list) {
    EXPECT_TRUE(b->Image.Empty());
    EXPECT_EQ(b->XCoord, 0);
  }
}

TEST_F(DefinitionRules, ExtraColoursComeFromColourSectionsButNeverColours) {
  const auto& e = LoadSkin(TestSkin{
      "[Colours]\ncolor=9 9 9\nButtonFace=10 20 30\n[Colour1]\ncolor=1 2 3\n[COLOURS]\ncolor=7 7 7\n"
      "[colour2]\n[Customcolors]\nColor3=1 2 3\n"});
  EXPECT_EQ(e.ExtraColours, (std::vector<std::int32_t>{0x00030201, skin::SystemColour(8)}));
  EXPECT_EQ(e.Colours.ButtonFace, 0x001E140A);
  EXPECT_EQ(e.Colours.Menubar, 0x001E140A);  // follows ButtonFace
  EXPECT_EQ(e.Colours.WindowText, skin::SystemColour(8));
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(e.CustomColours[i], i == 3 ? 0x00030201 : 0x00FFFFFF) << i;
}

TEST_F(DefinitionRules, WithoutTopPictureTheFrameColourIsButtonFace) {
  EXPECT_EQ(LoadSkin(TestSkin{"[Colours]\nButtonFace=10 20 30\n"}).FrameColour, 0x001E140A);
  EXPECT_EQ(LoadSkin(TestSkin{"[Colours]\n"}).FrameColour, skin::SystemColour(15));
}

TEST_F(DefinitionRules, WithTopPictureTheFrameColourIsSampledFromItsFirstFrame) {
  TestSkin s{"[Personality]\nTop=top.bmp\nTopFrame=2\n"};
  s.Picture("top.bmp", Bmp(60, 40, Gradient));
  // (60 / 3, (40 / 2) / 3)
  EXPECT_EQ(LoadSkin(s).FrameColour, static_cast<std::int32_t>(Gradient(20, 6)));
}

TEST_F(DefinitionRules, FinalFrameCountsOverrideTheDefinition) {
  TestSkin s{
      "[Scrollbar]\nImage=p.bmp\nFrame=7\n"
      "[Headerbar]\nImage=p.bmp\nFrame=0\n"
      "[MenuItem]\nImage=p.bmp\nFrame=2\n"
      "[HorzScrollThumb]\nImage=p.bmp\nFrame=9\n"
      "[VertScrollThumb]\nImage=p.bmp\nFrameCount=2\n"
      "[Progress]\nBitmap=p.bmp\nStyle=1\n"
      "[Progress.Chunk]\nImage=p.bmp\nFrame=3\n"
      "[Tabs]\nImage=p.bmp\nBorder=p.bmp\n"
      "[UpDown.Horz]\nImage=p.bmp\nGlyphImage=p.bmp\n"
      "[Trackbar.ThumbUp]\nImage=p.bmp\n"};
  s.Picture("p.bmp", SolidBmp(40, 20, RGB(0, 0, 0)));
  const auto& e = LoadSkin(s);
  EXPECT_EQ(e.ScrollArrows->FrameCount, 23);
  EXPECT_EQ(e.Headerbar->FrameCount, 5);
  EXPECT_EQ(e.MenuItem->FrameCount, 5);
  EXPECT_EQ(e.HorzScrollThumb->FrameCount, 3);
  EXPECT_EQ(e.VertScrollThumb->FrameCount, 2);
  EXPECT_EQ(e.ProgressBar->FrameCount, 1);
  EXPECT_EQ(e.ProgressChunk->FrameCount, 3);
  EXPECT_EQ(e.Tabs->FrameCount, 5);
  EXPECT_FALSE(e.Tabs->Image2.Empty());
  EXPECT_EQ(e.UpDownHorz->FrameCount, 8);
  EXPECT_FALSE(e.UpDownHorz->Image2.Empty());
  EXPECT_EQ(e.ThumbUp->FrameCount, 5);
  EXPECT_EQ(e.Title->FrameCount, 2);
  EXPECT_EQ(e.Buttons->FrameCount, 5);

  s.ini = "[Headerbar]\nImage=p.bmp\nFrame=3\n[Progress]\nBitmap=p.bmp\nStyle=0\n";
  const auto& f = LoadSkin(s);
  EXPECT_EQ(f.Headerbar->FrameCount, 3);
  EXPECT_EQ(f.ProgressBar->FrameCount, 2);
}

TEST_F(DefinitionRules, BuiltInTrackGroovesWhenTheSkinHasNone) {
  const auto& e = LoadSkin(TestSkin{"[Colours]\n"});
  ASSERT_NE(e.TrackLine, nullptr);
  ASSERT_NE(e.TrackLineVert, nullptr);
  EXPECT_EQ(e.TrackLine->Image.Width(), 16);
  EXPECT_EQ(e.TrackLine->Image.Height(), 4);
  EXPECT_EQ(e.TrackLineVert->Image.Width(), 4);
  EXPECT_EQ(e.TrackLineVert->Image.Height(), 16);
  for (const auto* t : {e.TrackLine.get(), e.TrackLineVert.get()}) {
    EXPECT_EQ(t->Margins().left, 3);
    EXPECT_EQ(t->Margins().top, 3);
    EXPECT_EQ(t->Margins().right, 3);
    EXPECT_EQ(t->Margins().bottom, 3);
    EXPECT_EQ(t->FrameCount, 1);
    EXPECT_EQ(t->Tile, 0);
  }
}

TEST_F(DefinitionRules, ASkinsOwnTrackGrooveIsTakenAsRead) {
  TestSkin s{"[Track]\nImage=t.bmp\nFrame=2\nLeftWidth=1\n"};
  s.Picture("t.bmp", SolidBmp(30, 6, RGB(5, 5, 5)));
  const auto& e = LoadSkin(s);
  EXPECT_EQ(e.TrackLine->Image.Width(), 30);
  EXPECT_EQ(e.TrackLine->FrameCount, 2);
  EXPECT_EQ(e.TrackLine->LeftWidth, 1);
  EXPECT_EQ(e.TrackLineVert->Image.Width(), 4);  // still the built-in one
}

TEST_F(DefinitionRules, ANewSkinWithoutASectionEmptiesItsSlot) {
  TestSkin a{"[MenuItem]\nImage=p.bmp\n[Button0]\nAction=0\n[Personality]\nTop=p.bmp\n"};
  a.Picture("p.bmp", SolidBmp(40, 20, RGB(0, 0, 0)));
  ASSERT_NE(LoadSkin(a).MenuItem, nullptr);
  ASSERT_EQ(data.Elements().CaptionButtons.size(), 4u);
  const auto& e = LoadSkin(TestSkin{"[Colours]\n"});
  EXPECT_EQ(e.MenuItem, nullptr);
  EXPECT_EQ(e.CaptionButtons.size(), 3u);
  EXPECT_TRUE(e.FrameTop->Image.Empty());
}

TEST_F(DefinitionRules, ComboPictureIsComposedFromSunkEdgeAndComboButton) {
  TestSkin s{"[SunkEdge]\nImage=edge.bmp\nLeftWidth=3\nTopHeight=4\nRightWidth=5\nBottomHeight=6\n"
             "[ComboButton]\nImage=combo.bmp\n"};
  // Frames of the sunken edge told apart by colour; the button left magenta so it shows the edge.
  s.Picture("edge.bmp", Bmp(80, 21, [](int x, int) { return RGB(60 * (x / 20), 10, 200); }))
      .Picture("combo.bmp", Bmp(64, 21, Gradient));
  const auto& e = LoadSkin(s);
  const int w = GetSystemMetrics(SM_CXHSCROLL) + 2;
  ASSERT_NE(e.ComboButton, nullptr);
  const auto& combo = *e.ComboButton;
  EXPECT_EQ(combo.Style, 2);
  EXPECT_EQ(combo.LeftWidth, 2);
  EXPECT_EQ(combo.RightWidth, w + 2);
  EXPECT_EQ(combo.TopHeight, 4);
  EXPECT_EQ(combo.BottomHeight, 6);
  EXPECT_EQ(combo.Image.Width(), 200);
  EXPECT_EQ(combo.Image.Height(), 21);
  // The button's own picture, mirrored, stays as its second image.
  EXPECT_EQ(combo.Image2.Width(), 64);
  EXPECT_EQ(combo.Image2.Pixel(0, 5), Gradient(63, 5));

  const auto& edge = *e.SunkEdge;
  EXPECT_EQ(edge.LeftWidth, w + 2);
  EXPECT_EQ(edge.RightWidth, 2);
  ASSERT_EQ(edge.Image.Width(), 200);
  EXPECT_EQ(edge.Image.Height(), 21);
  for (int x : {0, 1, 10, 48, 51, 120, 199})
    for (int y : {0, 1, 10, 20}) EXPECT_EQ(edge.Image.Pixel(x, y), combo.Image.Pixel(199 - x, y)) << x << "," << y;
  // Each cell: the edge frame round a magenta hole, the button at its right.
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(combo.Image.Pixel(50 * k, 0), RGB(60 * k, 10, 200));
    EXPECT_EQ(combo.Image.Pixel(50 * k + 10, 10), RGB(255, 0, 255));
    EXPECT_NE(combo.Image.Pixel(50 * k + 49 - w / 2, 10), RGB(255, 0, 255));
  }
}

TEST_F(DefinitionRules, ComboPictureIsComposedEvenFromMissingPictures) {
  const auto& e = LoadSkin(TestSkin{"[SunkEdge]\nImage=absent.bmp\n[ComboButton]\nImage=absent.bmp\n"
                                    "[ExtraImages]\nImage=absent.bmp\n"});
  ASSERT_NE(e.ComboButton, nullptr);
  EXPECT_EQ(e.ComboButton->Image.Width(), 200);
  EXPECT_EQ(e.ComboButton->Image.Pixel(10, 10), RGB(255, 0, 255));
  EXPECT_TRUE(e.ComboButton->Image2.Empty());
}

TEST_F(DefinitionRules, DamagedPicturesLeaveTheirImagesEmpty) {
  Bytes truncated = Bmp(40, 20, Gradient);
  truncated.resize(100);
  Bytes huge = Bmp(4, 4, Gradient);
  huge[18] = huge[19] = huge[20] = 0x7F;  // width far beyond the data
  huge[22] = huge[23] = huge[24] = 0x7F;
  TestSkin s{"[MenuItem]\nImage=short.bmp\n[Scrollbar]\nImage=huge.bmp\n[HorzScroll]\nImage=text.bmp\n"
             "[Personality]\nTop=short.bmp\n[MDICONTROLS]\nImage=huge.bmp\n"};
  s.Picture("short.bmp", truncated).Picture("huge.bmp", huge).Picture("text.bmp", Bytes{'n', 'o', 'p', 'e'});
  const auto& e = LoadSkin(s);
  ASSERT_NE(e.MenuItem, nullptr);
  EXPECT_TRUE(e.MenuItem->Image.Empty());
  ASSERT_NE(e.ScrollArrows, nullptr);
  EXPECT_TRUE(e.ScrollArrows->Image.Empty());
  ASSERT_NE(e.HorzScroll, nullptr);
  EXPECT_TRUE(e.HorzScroll->Image.Empty());
  EXPECT_EQ(e.FrameColour, skin::SystemColour(15));
  EXPECT_EQ(e.CaptionButtons.size(), 3u);
}

TEST_F(DefinitionRules, OddFrameCountsDoNotBreakTheFrameColour) {
  TestSkin s{"[Personality]\nTop=top.bmp\nTopFrame=0\n"};
  s.Picture("top.bmp", Bmp(30, 10, Gradient));
  EXPECT_EQ(LoadSkin(s).FrameColour, skin::SystemColour(15));
  s.ini = "[Personality]\nTop=top.bmp\nTopFrame=-4\n";
  EXPECT_EQ(LoadSkin(s).FrameColour, skin::SystemColour(15));
  s.ini = "[Personality]\nTop=top.bmp\nTopFrame=50\n";
  EXPECT_EQ(LoadSkin(s).FrameColour, static_cast<std::int32_t>(Gradient(10, 0)));
}

TEST_F(DefinitionRules, ComboButtonWithoutSunkEdgeKeepsItsPicture) {
  TestSkin s{"[ComboButton]\nImage=combo.bmp\nStyle=1\n"};
  s.Picture("combo.bmp", Bmp(64, 21, Gradient));
  const auto& combo = *LoadSkin(s).ComboButton;
  EXPECT_EQ(combo.Style, 1);
  EXPECT_EQ(combo.Image.Width(), 64);
  EXPECT_EQ(combo.FrameCount, 4);
}

TEST_F(DefinitionRules, ToolbarBackgroundIsGeneratedAndReused) {
  const auto& e = LoadSkin(TestSkin{"[Colours]\nButtonFace=200 200 200\n"});
  ASSERT_NE(e.Toolbar, nullptr);
  const skin::TDataSkinObject* first = e.Toolbar.get();
  EXPECT_EQ(e.Toolbar->Image.Width(), 10);
  EXPECT_EQ(e.Toolbar->Image.Height(), 40);
  EXPECT_EQ(e.Toolbar->FrameCount, 1);
  EXPECT_NE(e.Toolbar->Image.Pixel(5, 0), e.Toolbar->Image.Pixel(5, 39));  // a gradient
  EXPECT_EQ(LoadSkin(TestSkin{"[Colours]\n"}).Toolbar.get(), first);
}

TEST_F(DefinitionRules, CheckAndRadioFramesFromPictureWidth) {
  TestSkin s{"[Buttons]\nCheckButton=check.bmp\nRadioButton=radio.bmp\n"};
  s.Picture("check.bmp", SolidBmp(78, 13, 0)).Picture("radio.bmp", SolidBmp(128, 16, 0));
  const auto& b = *LoadSkin(s).Buttons;
  EXPECT_EQ(b.CheckFrames, 6);  // 13-pixel glyphs
  EXPECT_EQ(b.RadioFrames, 8);  // 16-pixel glyphs

  s.pictures.clear();
  s.Picture("check.bmp", SolidBmp(26, 13, 0)).Picture("radio.bmp", SolidBmp(32, 16, 0));
  const auto& small = *LoadSkin(s).Buttons;
  EXPECT_EQ(small.CheckFrames, 4);
  EXPECT_EQ(small.RadioFrames, 4);

  s.ini += "CheckButtonFrame=3\nRadioButtonFrame=9\n";
  const auto& given = *LoadSkin(s).Buttons;
  EXPECT_EQ(given.CheckFrames, 3);
  EXPECT_EQ(given.RadioFrames, 9);
}

TEST_F(DefinitionRules, PushButtonSecondColoursDefaultToButtonText) {
  const auto& b = *LoadSkin(TestSkin{"[Colours]\nButtonText=4 5 6\n[Buttons]\nNormalColour2=1 1 1\n"}).Buttons;
  EXPECT_TRUE(b.HasNormalColour2);
  EXPECT_FALSE(b.HasPressedColour2);
  EXPECT_EQ(b.NormalColour2, 0x00010101);
  EXPECT_EQ(b.PressedColour2, 0x00060504);
  EXPECT_EQ(b.NormalColour, -1);
}

TEST_F(DefinitionRules, CaptionTextColoursNeedAllThreeComponents) {
  const auto& t = *LoadSkin(TestSkin{"[Personality]\nActiveTextR=1\nActiveTextG=2\nActiveTextB=300\n"
                                     "InActiveTextR=1\nInActiveTextG=2\n"}).Title;
  EXPECT_EQ(t.ActiveTextColour, 0x002C0201);
  EXPECT_EQ(t.InactiveTextColour, skin::kNoColour);
  EXPECT_EQ(t.FontHeight, 14);
}

}  // namespace

namespace {

class DefinitionResources : public SkinDataTest {
protected:
  static void SetUpTestSuite() { ASSERT_TRUE(drawtest::InstallGdiCensus()); }
};

// A skin with every kind of derived picture: combo strip, MDI buttons, frame samples.
TestSkin RichSkin() {
  TestSkin s{
      "[Personality]\nTop=p.bmp\nTopFrame=2\nLeft=p.bmp\nTextBack=p.bmp\nmenuBar=p.bmp\n"
      "[Buttons]\nBitmap=p.bmp\nCheckButton=p.bmp\nRadioButton=p.bmp\n"
      "[Button0]\nButtonImage=p.bmp\n[Button1]\nAction=3\nButtonImage=p.bmp\n[MDICONTROLS]\nImage=p.bmp\n"
      "[SunkEdge]\nImage=p.bmp\nLeftWidth=2\nRightWidth=2\n[ComboButton]\nImage=p.bmp\n[ExtraImages]\nImage=p.bmp\n"
      "[Tabs]\nImage=p.bmp\nBorder=p.bmp\n[Progress]\nBitmap=p.bmp\n[UpDown.Vert]\nImage=p.bmp\nGlyphImage=p.bmp\n"};
  s.Picture("p.bmp", Bmp(120, 20, Gradient));
  return s;
}

// Pictures become GDI objects once something draws them with GDI, as a
// window's paint would.
void HandToGdi(const TSkinData& data) {
  const skin::SkinElements& e = data.Elements();
  for (const auto* border : {e.FrameLeft.get(), e.FrameTop.get(), e.Tabs.get(), e.ComboButton.get(), e.UpDownVert.get()})
    ASSERT_NE(border->Image.Handle(), nullptr);
  ASSERT_NE(e.SunkEdge->Image.Handle(), nullptr);
  for (const auto& button : e.CaptionButtons) button->Image.Handle();
}

TEST_F(DefinitionResources, LoadingReplacingAndFreeingSkinsFreesEveryGdiObject) {
  const TestSkin rich = RichSkin();
  {
    TSkinData warm{nullptr};
    Load(warm, rich);
    HandToGdi(warm);
  }
  const long before = drawtest::LiveGdiObjects();
  {
    TSkinData data{nullptr};
    Load(data, rich);
    HandToGdi(data);
    const long loaded = drawtest::LiveGdiObjects();
    for (int i = 0; i < 3; ++i) {
      Load(data, rich);
      HandToGdi(data);
    }
    EXPECT_EQ(drawtest::LiveGdiObjects(), loaded) << "reloading the same skin keeps more objects";
    Load(data, TestSkin{"[Colours]\n"});
    EXPECT_LT(drawtest::LiveGdiObjects(), loaded);
  }
  EXPECT_EQ(drawtest::LiveGdiObjects(), before);
}

// The package check cuts each picture by the frames and margins the
// descriptors end with, so that it refuses exactly what would draw wrongly.
TEST_F(DefinitionRules, ThePackageCheckCutsEveryPictureAsTheDescriptorsDo) {
  constexpr const char* kSections[] = {
      "Progress", "Progress.Chunk", "GroupBoxEdge", "GroupBox", "Tabs", "StatusBarEdges", "Tab.Pane", "ToolBars",
      "ComboButton", "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll",
      "VertScroll", "HorzScrollThumb", "VertScrollThumb", "Trackbar.ThumbHorz", "Trackbar.ThumbVert",
      "Trackbar.ThumbLeft", "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown", "UpDown.Horz",
      "UpDown.Vert", "Track", "TRACKVERT", "Buttons"};
  std::string ini = "[Personality]\nLeft=p.bmp\nLeftFrame=3\nLeftTopHeight=2\nLeftBotHeight=3\n"
                    "Top=p.bmp\nTopFrame=2\nTopTopHeight=4\nTopBotHeight=1\nmenuBar=p.bmp\nTileLeftMenu=5\n"
                    "[Button0]\nframe=4\nButtonImage=p.bmp\n";
  for (const char* section : kSections) {
    ini += std::string("[") + section + "]\nImage=p.bmp\nBitmap=p.bmp\nLeftWidth=6\nTopHeight=5\nRightWidth=3\n"
           "BottomHeight=2\nFrame=7\nFrameCount=6\nStyle=1\nCheckButton=p.bmp\nCheckButtonFrame=9\n";
  }
  TestSkin s{ini};
  s.Picture("p.bmp", SolidBmp(120, 40, RGB(0, 0, 0)));
  const skin::SkinElements& e = LoadSkin(s);
  std::vector<const skin::TDataSkinObject*> slots = {
      e.ProgressBar.get(), e.ProgressChunk.get(), e.GroupBoxEdge.get(), e.GroupBox.get(), e.Tabs.get(),
      e.StatusBarEdges.get(), e.TabPane.get(), e.ToolBars.get(), e.ComboButton.get(), e.ExtraImages.get(),
      e.Headerbar.get(), e.MenuItem.get(), e.MenuBackground.get(), e.ScrollArrows.get(), e.HorzScroll.get(),
      e.VertScroll.get(), e.HorzScrollThumb.get(), e.VertScrollThumb.get(), e.ThumbHorz.get(), e.ThumbVert.get(),
      e.ThumbLeft.get(), e.ThumbRight.get(), e.ThumbUp.get(), e.ThumbDown.get(), e.UpDownHorz.get(),
      e.UpDownVert.get(), e.TrackLine.get(), e.TrackLineVert.get(), e.Buttons.get()};
  const auto descriptor = [&](const skin::check::PictureUse& use) -> const skin::TDataSkinObject* {
    if (use.section == "Personality")
      return use.key == "Left" ? e.FrameLeft.get() : use.key == "Top" ? e.FrameTop.get() : e.MenuBar.get();
    if (use.section == "Button0") return e.CaptionButtons[0].get();
    for (const auto* slot : slots)
      if (slot && slot->Name == use.section) return slot;
    return nullptr;
  };

  skin::store::TMemoryStream text(std::vector<std::uint8_t>(ini.begin(), ini.end()));
  skin::store::TQuickIni parsed;
  parsed.LoadFromStream(text);
  int compared = 0;
  for (const skin::check::PictureUse& use : skin::check::PictureUses(parsed)) {
    if (!use.slicing) continue;
    if (use.key == "CheckButton") {
      EXPECT_EQ(use.slicing->frames, e.Buttons->CheckFrames);
      continue;
    }
    const skin::TDataSkinObject* d = descriptor(use);
    ASSERT_NE(d, nullptr) << use.section;
    EXPECT_EQ(use.slicing->frames, d->FrameCount) << use.section << " " << use.key;
    EXPECT_EQ(use.slicing->margins, (std::array<std::int32_t, 4>{d->LeftWidth, d->TopHeight, d->RightWidth, d->BottomHeight}))
        << use.section << " " << use.key;
    ++compared;
  }
  EXPECT_EQ(compared, 4 + static_cast<int>(std::size(kSections)));
}

TEST_F(DefinitionRules, PicturesOverTheBudgetAreLeftEmpty) {
  // Run-length pictures that code nothing: their size is all they cost.
  const auto rle = [](int side) {
    return picture_test::Bmp({.width = side, .height = side, .bits = 8, .compression = 1, .palette = {{0, 0, 0}},
                              .pixels = {0, 1}});
  };
  TestSkin s{"[MenuItem]\nImage=giant.bmp\n[Tabs]\nImage=a.bmp\n[ToolBars]\nImage=a.bmp\n"
             "[SunkEdge]\nImage=a.bmp\n[Headerbar]\nImage=a.bmp\n[MenuBackground]\nImage=a.bmp\n"};
  s.Picture("giant.bmp", rle(8000)).Picture("a.bmp", rle(2048));
  const auto& e = LoadSkin(s);
  ASSERT_NE(e.MenuItem, nullptr);
  EXPECT_TRUE(e.MenuItem->Image.Empty());
  // Four of 2048 x 2048 fill the skin's 64 MiB; the fifth is refused.
  EXPECT_EQ(e.Tabs->Image.Width(), 2048);
  EXPECT_EQ(e.ToolBars->Image.Width(), 2048);
  EXPECT_EQ(e.SunkEdge->Image.Width(), 2048);
  EXPECT_EQ(e.Headerbar->Image.Height(), 2048);
  EXPECT_TRUE(e.MenuBackground->Image.Empty());
}

}  // namespace
