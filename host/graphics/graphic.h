#pragma once
// What a published picture property ("Glyph", "PngImage") holds: any host
// graphic that can show its pixels as a device-independent bitmap.
#include "host/core/properties.h"
#include "host/graphics/dib_bitmap.h"

namespace host {

class IGraphicPicture {
public:
  virtual ~IGraphicPicture() = default;
  // The picture; empty when the graphic holds none.
  virtual const DibBitmap& Picture() const = 0;
};

}  // namespace host
