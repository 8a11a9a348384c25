#include "skin/data/skin_elements.h"

namespace skin {

SkinElements::SkinElements()
    : FrameLeft(std::make_unique<TDataSkinBorder>()),
      FrameRight(std::make_unique<TDataSkinBorder>()),
      FrameTop(std::make_unique<TDataSkinBorder>()),
      FrameBottom(std::make_unique<TDataSkinBorder>()),
      Title(std::make_unique<TDataSkinTitle>()),
      Buttons(std::make_unique<TDataSkinButton>()) {
  FrameLeft->Name = "Left";
  FrameRight->Name = "Right";
  FrameTop->Name = "Top";
  FrameBottom->Name = "Bottom";
  Title->Name = "Title";
  Buttons->Name = "Buttons";
  CustomColours.fill(0xFFFFFF);
}

}  // namespace skin
