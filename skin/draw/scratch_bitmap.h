#pragma once
// The one off-screen bitmap the painters share. A painter sizes it to the
// area it paints, draws into it and copies it out; nobody holds it across
// calls, and a painter must be done with it before anything else can paint.
#include "host/graphics/dib_bitmap.h"

namespace skin {

// Null before CreateScratchBitmap and after FreeScratchBitmap: painting
// that needs it is then skipped.
host::DibBitmap* ScratchBitmap() noexcept;

// At program start-up: a bitmap whose canvas stretches with COLORONCOLOR.
void CreateScratchBitmap();
// At program shutdown.
void FreeScratchBitmap() noexcept;

}  // namespace skin
