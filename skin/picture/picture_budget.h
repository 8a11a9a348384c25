#pragma once
// The picture memory budget, decided from a picture's headers before any of
// its pixels are allocated:
// - one picture may have at most kMaxPicturePixels pixels (2048 x 2048, or
//   any other shape of at most 16384 pixels a side);
// - the pictures of one skin together may take at most kMaxSkinBytes of pixel
//   memory, each pixel counted at 4 bytes, the most a decoded pixel takes.
// Our largest skin uses well under 1 MiB of it. A picture over either bound is
// refused; the pictures the engine derives from the decoded ones are copies of
// them or small strips of fixed size, so a skin's pixel memory stays bounded
// whatever its package declares.
#include <cstdint>
#include <string>

namespace skin::picture {

inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{2048} * 2048;
inline constexpr std::int64_t kMaxSkinBytes = std::int64_t{64} << 20;
inline constexpr std::int64_t kBytesPerPixel = 4;

class PictureBudget {
public:
  // Grants the pixels of a width x height picture, or says why not (and
  // takes nothing). A grant stays taken also when the picture then fails to
  // decode, so that the decoding work of a skin is bounded as well.
  std::string Take(int width, int height);
  std::int64_t UsedBytes() const { return used_; }

private:
  std::int64_t used_ = 0;
};

}  // namespace skin::picture
