#include "skin/draw/bitmap_copy.h"

namespace skin {

void CopyBitmap(const host::DibBitmap& source, host::DibBitmap& destination) {
  if (&source == &destination) return;
  destination.SetSize(0, 0);
  destination.SetFormat(source.Format());
  destination.SetSize(source.Width(), source.Height());
  if (source.Empty() || destination.Empty()) return;
  BitBlt(destination.Dc(), 0, 0, source.Width(), source.Height(), source.Dc(), 0, 0, SRCCOPY);
}

}  // namespace skin
