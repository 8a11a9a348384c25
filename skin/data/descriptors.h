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

}  // namespace skin
