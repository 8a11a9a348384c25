// 24-bit Windows bitmap files, the picture format of a skin package.
#pragma once
#include <string>
#include <vector>

#include "image.h"

namespace skingen {

std::vector<uint8_t> encodeBmp(const Image& img);

// Reads an uncompressed 24-bit bitmap (bottom-up or top-down). Throws
// std::runtime_error with the reason when the bytes are not such a bitmap.
Image decodeBmp(const std::vector<uint8_t>& bytes);

}  // namespace skingen
