#include "skin/picture/picture_budget.h"

namespace skin::picture {

std::string PictureBudget::Take(int width, int height) {
  const std::int64_t pixels = std::int64_t{width} * height;
  if (pixels > kMaxPicturePixels) {
    return "it is " + std::to_string(width) + " x " + std::to_string(height) + " pixels, more than the " +
           std::to_string(kMaxPicturePixels) + " pixels one picture may have";
  }
  const std::int64_t bytes = pixels * kBytesPerPixel;
  if (bytes > kMaxSkinBytes - used_) {
    return "its " + std::to_string(bytes) + " bytes of pixels would bring the skin's pictures past the " +
           std::to_string(kMaxSkinBytes) + " bytes they may take together";
  }
  used_ += bytes;
  return {};
}

}  // namespace skin::picture
