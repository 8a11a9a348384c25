#pragma once
// Skin element descriptors: one described picture of the skin each. A
// descriptor owns its pictures.
#include <windows.h>

#include <cstdint>
#include <string>

#include "host/graphics/dib_bitmap.h"

namespace skin {

// Colour that means "not given" in the colour fields.
inline constexpr std::int32_t kColourNotGiven = -1;

// Base of all descriptors.
class TDataSkinObject {
public:
  TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;
  virtual ~TDataSkinObject() = default;

  // The four slicing margins as one rectangle: left, top, right, bottom.
  RECT Margins() const noexcept { return RECT{LeftWidth, TopHeight, RightWidth, BottomHeight}; }

  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  // FrameCount frames of equal size, side by side (frame borders stack them).
  host::DibBitmap Image;
  // 1: drawn with the magenta colour key; 0: opaque.
  std::int32_t Trans = 0;
  // 1: the centre piece is tiled; 0: stretched.
  std::int32_t Tile = 0;
  std::string Name;
  std::int32_t FrameCount = 0;
  std::int32_t Style = 0;
  std::int32_t NormalColour = kColourNotGiven;
  std::int32_t MouseOverColour = kColourNotGiven;
  std::int32_t PressedColour = kColourNotGiven;
  std::int32_t NormalColour2 = kColourNotGiven;
  std::int32_t MouseOverColour2 = kColourNotGiven;
  std::int32_t PressedColour2 = kColourNotGiven;
};

// An element with a second picture (tabs and their border, up-down glyphs,
// the mirrored combo button, the frame borders).
class TDataSkinBorder : public TDataSkinObject {
public:
  host::DibBitmap Image2;
};

// The push-button element, with the check-box and radio-button pictures.
class TDataSkinButton : public TDataSkinObject {
public:
  host::DibBitmap CheckImage;
  host::DibBitmap RadioImage;
  std::int32_t RadioFrames = 0;
  std::int32_t CheckFrames = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// Colour value meaning "no colour".
inline constexpr std::int32_t kNoColour = 0x1FFFFFFF;

// The caption text element.
class TDataSkinTitle : public TDataSkinObject {
public:
  std::int32_t TextAlignment = 0;
  std::int32_t TextBackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TextBackLeft = 0;
  std::int32_t TextBackRight = 0;
  std::int32_t ActiveTextColour = kNoColour;
  std::int32_t InactiveTextColour = kNoColour;
};

// One caption button.
class TDataSkinSysButton : public TDataSkinObject {
public:
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t XCoord = 0;
  std::int32_t YCoord = 0;
  std::int32_t CombineOp = 0;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

// The group-box caption element.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
  std::int32_t BackgroundLeftShift = 0;
  std::int32_t BackgroundRightShift = 0;
  std::int32_t BackgroundAlignment = 0;
};

}  // namespace skin
