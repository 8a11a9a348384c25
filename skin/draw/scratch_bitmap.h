#pragma once
// The one off-screen bitmap the painters share. A painter sizes it to the
// area it paints, draws into it and copies it out; nobody holds it across
// calls, and a painter must be done with it before anything else can paint.
#include "host/graphics/dib_bitmap.h"

namespace skin {

// Null before CreateScratchBitmap and after FreeScratchBitmap: painting
// that needs it is then skipped.
host::DibBitmap* ScratchBitmap() noexcept;

// A second such bitmap, at least width x height, for composing one skin
// element inside a single drawing call that paints nothing else meanwhile;
// it only grows. Null before CreateScratchBitmap: the caller then makes its
// own.
host::DibBitmap* ComposeScratch(int width, int height);

// At program start-up: bitmaps whose canvases stretch with COLORONCOLOR.
void CreateScratchBitmap();
// At program shutdown.
void FreeScratchBitmap() noexcept;

}  // namespace skin
