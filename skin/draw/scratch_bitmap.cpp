#include "skin/draw/scratch_bitmap.h"

#include <memory>

#include "host/graphics/canvas.h"

namespace skin {

namespace {

std::unique_ptr<host::DibBitmap>& Slot() noexcept {
  static std::unique_ptr<host::DibBitmap> bitmap;
  return bitmap;
}

}  // namespace

host::DibBitmap* ScratchBitmap() noexcept { return Slot().get(); }

void CreateScratchBitmap() {
  if (Slot()) return;
  // One pixel to begin with, so that its DC exists and keeps the stretching
  // mode through every later resize.
  auto bitmap = std::make_unique<host::DibBitmap>(1, 1);
  if (bitmap->Empty()) return;
  bitmap->GetCanvas().SetStretchMode(COLORONCOLOR);
  Slot() = std::move(bitmap);
}

void FreeScratchBitmap() noexcept { Slot().reset(); }

}  // namespace skin
