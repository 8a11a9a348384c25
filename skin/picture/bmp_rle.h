#pragma once
// Run-length coded pixels (4 and 8 bits), part of DecodeBmp.
#include "skin/picture/bmp.h"

namespace skin::picture {

std::string DecodeRunLengths(std::span<const std::uint8_t> data, const BmpInfo& info, const RowSink& sink);

}  // namespace skin::picture
