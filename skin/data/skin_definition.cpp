#include "skin/data/skin_definition.h"

#include <algorithm>

#include "skin/data/caption_buttons.h"
#include "skin/data/derived_pictures.h"
#include "skin/data/element_readers.h"
#include "skin/draw/bitmap_effects.h"
#include "skin/store/ascii.h"
#include "host/core/colour.h"

namespace skin {
namespace {

void ReadColours(const DefinitionSource& src, const std::vector<std::string>& sections, SkinElements& e) {
  SkinColours& c = e.Colours;
  constexpr std::string_view kSection = "Colours";
  c.WindowText = src.Colour(kSection, "WindowText", SystemColour(8));
  c.ButtonFace = src.Colour(kSection, "ButtonFace", SystemColour(15));
  c.ScrollbarColour = src.Colour(kSection, "Scrollbar", SystemColour(0));
  c.HilightText = src.Colour(kSection, "HilightText", SystemColour(14));
  c.Hilight = src.Colour(kSection, "Hilight", SystemColour(13));
  c.Menubar = src.Colour(kSection, "Menubar", c.ButtonFace);
  c.Menu = src.Colour(kSection, "Menu", SystemColour(4));
  c.MenuText = src.Colour(kSection, "MenuText", SystemColour(7));
  c.ButtonText = src.Colour(kSection, "ButtonText", SystemColour(18));
  c.ButtonHilight = src.Colour(kSection, "ButtonHilight", SystemColour(20));
  c.ButtonLight = src.Colour(kSection, "Buttonlight", SystemColour(20));
  c.ButtonShadow = src.Colour(kSection, "ButtonShadow", SystemColour(16));
  c.ButtonDkShadow = src.Colour(kSection, "ButtonDkShadow", SystemColour(21));
  c.MenuBarText = src.Colour(kSection, "MenuBarText", SystemColour(7));
  c.TitleTextActive = src.Colour(kSection, "TitleTextActive", SystemColour(9));
  c.TitleTextNoActive = src.Colour(kSection, "TitleTextNoActive", SystemColour(19));

  ContentColours& t = e.Content;
  t.Content = src.Colour(kSection, "Content", kColourNotGiven);
  t.ContentText = src.Colour(kSection, "ContentText", kColourNotGiven);
  t.ContentDisabled = src.Colour(kSection, "ContentDisabled", t.Content);
  t.ContentDisabledText = src.Colour(kSection, "ContentDisabledText", t.ContentText);
  t.FaceText = src.Colour(kSection, "FaceText", kColourNotGiven);
  t.FaceDisabledText = src.Colour(kSection, "FaceDisabledText", kColourNotGiven);

  e.ExtraColours.clear();
  for (const std::string& section : sections) {
    const std::string upper = store::AsciiUpperCase(section);
    if (upper.starts_with("COLOUR") && upper != "COLOURS") e.ExtraColours.push_back(src.Colour(section, "color", SystemColour(8)));
  }
  for (int i = 0; i < 10; ++i)
    e.CustomColours[static_cast<size_t>(i)] = src.Colour("Customcolors", "Color" + std::to_string(i), 0xFFFFFF);
}

template <class T>
void SetFrames(const std::unique_ptr<T>& slot, std::int32_t n) {
  if (slot) slot->FrameCount = n;
}

void ReadElements(const DefinitionSource& src, SkinElements& e) {
  e.ProgressBar = ReadProgressElement(src, "Progress");
  e.ProgressChunk = ReadPlainElement(src, "Progress.Chunk");
  e.MenuBar = ReadMenuBarElement(src);
  e.GroupBoxEdge = ReadPlainElement(src, "GroupBoxEdge");
  e.GroupBox = ReadGroupBoxElement(src, "GroupBox");
  e.Tabs = ReadElementWithImage2(src, "Tabs", "Border");
  e.StatusBarEdges = ReadPlainElement(src, "StatusBarEdges");
  e.TabPane = ReadPlainElement(src, "Tab.Pane");
  if (e.TabPane) {
    for (std::int32_t* m : {&e.TabPane->LeftWidth, &e.TabPane->TopHeight, &e.TabPane->RightWidth, &e.TabPane->BottomHeight})
      *m = std::min(*m, 4);
  }
  e.ToolBars = ReadPlainElement(src, "ToolBars");
  e.ComboButton = ReadElementWithImage2(src, "ComboButton", "****");
  e.SunkEdge = ReadPlainElement(src, "SunkEdge");
  if (e.ComboButton && !e.ComboButton->Image.Empty()) {
    e.ComboButton->Image2 = e.ComboButton->Image.Clone();
    e.ComboButton->Image2.SetFormat(host::PixelFormat::Bits24);
    MirrorBitmap(e.ComboButton->Image2);
  }
  e.ExtraImages = ReadPlainElement(src, "ExtraImages");
  e.Headerbar = ReadPlainElement(src, "Headerbar");
  e.MenuItem = ReadPlainElement(src, "MenuItem");
  e.MenuBackground = ReadPlainElement(src, "MenuBackground");
  e.ScrollArrows = ReadPlainElement(src, "Scrollbar");
  e.HorzScroll = ReadPlainElement(src, "HorzScroll");
  e.VertScroll = ReadPlainElement(src, "VertScroll");
  e.HorzScrollThumb = ReadPlainElement(src, "HorzScrollThumb");
  e.VertScrollThumb = ReadPlainElement(src, "VertScrollThumb");
  e.ThumbHorz = ReadPlainElement(src, "Trackbar.ThumbHorz");
  e.ThumbVert = ReadPlainElement(src, "Trackbar.ThumbVert");
  e.ThumbLeft = ReadPlainElement(src, "Trackbar.ThumbLeft");
  e.ThumbRight = ReadPlainElement(src, "Trackbar.ThumbRight");
  e.ThumbUp = ReadPlainElement(src, "Trackbar.ThumbUp");
  e.ThumbDown = ReadPlainElement(src, "Trackbar.ThumbDown");
  e.UpDownHorz = ReadElementWithImage2(src, "UpDown.Horz", "GlyphImage");
  e.UpDownVert = ReadElementWithImage2(src, "UpDown.Vert", "GlyphImage");
  e.TrackLine = ReadPlainElement(src, "Track");
  e.TrackLineVert = ReadPlainElement(src, "TRACKVERT");
  if (!e.TrackLine) e.TrackLine = BuiltInElement(L"TRACK", "Track");
  if (!e.TrackLineVert) e.TrackLineVert = BuiltInElement(L"TRACKVERT", "TRACKVERT");
}

// The frame counts each element's drawing expects, whatever the definition said.
void ApplyFrameCounts(const DefinitionSource& src, SkinElements& e) {
  if (e.ProgressBar) e.ProgressBar->FrameCount = e.ProgressBar->Style != 0 ? 1 : 2;
  SetFrames(e.MenuBar, 2);
  SetFrames(e.GroupBoxEdge, 2);
  SetFrames(e.GroupBox, 1);
  SetFrames(e.Tabs, 5);
  SetFrames(e.StatusBarEdges, 3);
  SetFrames(e.TabPane, 1);
  SetFrames(e.ToolBars, 5);
  SetFrames(e.ComboButton, 4);
  SetFrames(e.SunkEdge, 4);
  SetFrames(e.ExtraImages, 5);
  if (e.Headerbar && e.Headerbar->FrameCount == 0) e.Headerbar->FrameCount = 5;
  SetFrames(e.MenuItem, 5);
  SetFrames(e.MenuBackground, 1);
  SetFrames(e.ScrollArrows, 23);
  SetFrames(e.HorzScroll, 4);
  SetFrames(e.VertScroll, 4);
  SetFrames(e.HorzScrollThumb, src.Int("HorzScrollThumb", "FrameCount", 3));
  SetFrames(e.VertScrollThumb, src.Int("VertScrollThumb", "FrameCount", 3));
  for (auto* thumb : {&e.ThumbHorz, &e.ThumbVert, &e.ThumbLeft, &e.ThumbRight, &e.ThumbUp, &e.ThumbDown}) SetFrames(*thumb, 5);
  SetFrames(e.UpDownHorz, 8);
  SetFrames(e.UpDownVert, 8);
}

}  // namespace

void ReadSkinDefinition(SkinElements& e, const store::TQuickIni& ini, const store::TSkinReader& package) {
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  e.SkinName = ini.ReadString("TitlebarSkin", "SkinName", "");
  e.MenuBackgrounds.Clear();

  picture::PictureBudget budget;
  DefinitionSource src{ini, package, SystemColour(18), budget};
  for (TDataSkinBorder* border : {e.FrameLeft.get(), e.FrameRight.get(), e.FrameTop.get(), e.FrameBottom.get()})
    ReadFrameBorder(src, *border);
  ReadColours(src, sections, e);
  src.button_text = e.Colours.ButtonText;  // the elements' second colours default to it

  ReadCaptionButtons(src, sections, e.CaptionButtons);
  ReadPushButtons(src, *e.Buttons);
  ReadCaptionText(src, *e.Title);
  ReadElements(src, e);
  ApplyFrameCounts(src, e);
  ComposeComboPictures(e);
  e.FrameColour = SampleFrameColour(e);
  MakeToolbarBackground(e);
  e.ButtonFaceBrush.reset(CreateSolidBrush(host::ColourToRgb(e.Colours.ButtonFace)));
  const auto brush = [](std::int32_t colour) {
    return colour == kColourNotGiven ? nullptr : CreateSolidBrush(host::ColourToRgb(colour));
  };
  e.ContentBrush.reset(brush(e.Content.Content));
  e.ContentDisabledBrush.reset(brush(e.Content.ContentDisabled));
}

}  // namespace skin
