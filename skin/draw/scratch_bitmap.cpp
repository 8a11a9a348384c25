#include "skin/draw/scratch_bitmap.h"

#include <algorithm>
#include <memory>

#include "host/graphics/canvas.h"

namespace skin {

namespace {

// Constant-initialised, so destroyed after every static made at run time:
// the manager, itself such a static, frees them from its destructor at exit.
constinit std::unique_ptr<host::DibBitmap> scratch;
constinit std::unique_ptr<host::DibBitmap> compose_scratch;

// One pixel to begin with, so that its DC exists and keeps the stretching
// mode through every later resize.
std::unique_ptr<host::DibBitmap> NewScratch() {
  auto bitmap = std::make_unique<host::DibBitmap>(1, 1);
  if (bitmap->Empty()) return nullptr;
  bitmap->GetCanvas().SetStretchMode(COLORONCOLOR);
  return bitmap;
}

}  // namespace

host::DibBitmap* ScratchBitmap() noexcept { return scratch.get(); }

host::DibBitmap* ComposeScratch(int width, int height) {
  host::DibBitmap* bitmap = compose_scratch.get();
  if (!bitmap) return nullptr;
  // Growing only: a DIB section made anew costs more than the drawing.
  if (bitmap->Width() < width || bitmap->Height() < height) {
    bitmap->SetSize(std::max(bitmap->Width(), width), std::max(bitmap->Height(), height));
  }
  return bitmap->Empty() ? nullptr : bitmap;
}

void CreateScratchBitmap() {
  if (!scratch) scratch = NewScratch();
  if (!compose_scratch) compose_scratch = NewScratch();
}

void FreeScratchBitmap() noexcept {
  scratch.reset();
  compose_scratch.reset();
}

}  // namespace skin
