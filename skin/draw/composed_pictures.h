#pragma once
// One skin element composed at the sizes asked for lately, each composed
// once while it stays among them: windows of the same size, opened again
// and again (popup menus), share one picture instead of composing their own.
#include <windows.h>

#include <memory>
#include <vector>

#include "host/graphics/dib_bitmap.h"
#include "skin/data/descriptors.h"

namespace skin {

class ComposedPictures {
public:
  // Frame 1 of the element at the size; null when there is nothing to
  // draw. The picture stays valid for as long as the caller holds it.
  std::shared_ptr<const host::DibBitmap> At(const TDataSkinObject& element, SIZE size);
  // Forgets every picture; a new skin starts afresh.
  void Clear() { recent_.clear(); }

private:
  // A popup with its submenus open at once.
  static constexpr size_t kKept = 4;
  struct Entry {
    const TDataSkinObject* element;
    SIZE size;
    std::shared_ptr<const host::DibBitmap> picture;
  };
  std::vector<Entry> recent_;  // the latest last
};

}  // namespace skin
