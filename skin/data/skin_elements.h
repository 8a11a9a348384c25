#pragma once
// Everything a skin definition yields: element descriptors in their named
// slots, the caption buttons, and the colours. An empty slot means that the
// element is drawn the system's own way.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/core/colour.h"
#include "host/gdi/handles.h"
#include "skin/data/descriptors.h"
#include "skin/draw/composed_pictures.h"

namespace skin {

using host::SystemColour;

struct SkinColours {
  std::int32_t WindowText = SystemColour(8);
  std::int32_t ButtonFace = SystemColour(15);
  std::int32_t ScrollbarColour = SystemColour(0);
  std::int32_t HilightText = SystemColour(14);
  std::int32_t Hilight = SystemColour(13);
  std::int32_t Menubar = SystemColour(15);
  std::int32_t Menu = SystemColour(4);
  std::int32_t MenuText = SystemColour(7);
  std::int32_t ButtonText = SystemColour(18);
  std::int32_t ButtonHilight = SystemColour(20);
  std::int32_t ButtonLight = SystemColour(20);
  std::int32_t ButtonShadow = SystemColour(16);
  std::int32_t ButtonDkShadow = SystemColour(21);
  std::int32_t MenuBarText = SystemColour(7);
  std::int32_t TitleTextActive = SystemColour(9);
  std::int32_t TitleTextNoActive = SystemColour(19);
};

// Colours of content areas (edits, memos, lists, combo lists) and of texts
// on the face, which a skin may give; where it gives none the system's stay.
struct ContentColours {
  std::int32_t Content = kColourNotGiven;  // background of content areas
  std::int32_t ContentText = kColourNotGiven;
  std::int32_t ContentDisabled = kColourNotGiven;  // read-only and disabled content areas
  std::int32_t ContentDisabledText = kColourNotGiven;
  std::int32_t FaceText = kColourNotGiven;  // static texts and captions on the face
  std::int32_t FaceDisabledText = kColourNotGiven;
};

struct SkinElements {
  SkinElements();

  // Always present, refilled by every skin.
  std::unique_ptr<TDataSkinBorder> FrameLeft, FrameRight, FrameTop, FrameBottom;
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;

  // Filled when the skin has the element.
  std::unique_ptr<TDataSkinBorder> ProgressBar;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> ScrollArrows;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> ThumbHorz, ThumbVert, ThumbLeft, ThumbRight, ThumbUp, ThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinObject> TrackLine;
  std::unique_ptr<TDataSkinObject> TrackLineVert;
  std::unique_ptr<TDataSkinObject> Toolbar;  // generated, made on the first load and reused

  // The caption buttons in definition order, then the three MDI buttons.
  std::vector<std::unique_ptr<TDataSkinSysButton>> CaptionButtons;

  SkinColours Colours;
  ContentColours Content;
  std::vector<std::int32_t> ExtraColours;
  std::array<std::int32_t, 10> CustomColours{};
  std::string SkinName;
  std::int32_t FrameColour = SystemColour(15);
  host::Brush ButtonFaceBrush;
  // Of the content colours, when the skin gives them.
  host::Brush ContentBrush, ContentDisabledBrush;

  // MenuBackground at the sizes of the popup menus shown lately.
  mutable ComposedPictures MenuBackgrounds;
};

}  // namespace skin
