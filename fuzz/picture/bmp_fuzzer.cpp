// Any bytes as a .bmp file: the decoder refuses them with a reason, or hands
// out rows inside the picture, each as wide as the picture, without reading
// outside the bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/picture/bmp.h"
#include "skin/picture/picture_budget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skin::picture;
  const std::span<const std::uint8_t> file(data, size);
  std::string why;
  const auto info = ReadBmpInfo(file, why);
  if (!info) {
    if (why.empty()) __builtin_trap();
    return 0;
  }
  if (info->width < 1 || info->height < 1 || info->width > kMaxSide || info->height > kMaxSide) __builtin_trap();
  PictureBudget budget;
  if (!budget.Take(info->width, info->height).empty()) return 0;
  const std::size_t row_bytes = static_cast<std::size_t>(info->width) * static_cast<std::size_t>(info->BytesPerPixel());
  unsigned sum = 0;
  DecodeBmp(file, *info, [&](int y, std::span<const std::uint8_t> row) {
    if (y < 0 || y >= info->height || row.size() != row_bytes) __builtin_trap();
    sum += row.front() + row.back();
  });
  return static_cast<int>(sum & 0);
}
