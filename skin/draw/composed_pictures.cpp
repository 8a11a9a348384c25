#include "skin/draw/composed_pictures.h"

#include <algorithm>

#include "skin/draw/skin_element.h"

namespace skin {

std::shared_ptr<const host::DibBitmap> ComposedPictures::At(const TDataSkinObject& element, SIZE size) {
  const auto found = std::find_if(recent_.begin(), recent_.end(), [&](const Entry& e) {
    return e.element == &element && e.size.cx == size.cx && e.size.cy == size.cy;
  });
  if (found != recent_.end()) {
    std::rotate(found, found + 1, recent_.end());
    return recent_.back().picture;
  }
  auto picture = std::make_shared<const host::DibBitmap>(ComposeSkinElement(
      {0, 0, size.cx, size.cy}, element.Image, element.Margins(), 1, 1, element.Tile == 1, Strip::Horizontal));
  if (picture->Empty()) return nullptr;
  if (recent_.size() >= kKept) recent_.erase(recent_.begin());
  recent_.push_back({&element, size, picture});
  return picture;
}

}  // namespace skin
