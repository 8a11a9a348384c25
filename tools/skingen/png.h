// Minimal PNG writer for review sheets: 8-bit RGB, stored (uncompressed) deflate blocks.
#pragma once
#include <cstdint>
#include <vector>

#include "image.h"

namespace skingen {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t adler32(const uint8_t* data, size_t size);
std::vector<uint8_t> encodePng(const Image& img);

}  // namespace skingen
