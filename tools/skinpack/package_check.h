#pragma once
// Finds what would make a skin package draw wrongly: missing pictures, entries
// that are not BMP files, names the engine never loads.
#include <string>
#include <vector>

#include "skin/store/skin_reader.h"

namespace skinpack {

// One line per problem; empty when the package is sound.
std::vector<std::string> CheckPackage(const skin::store::TSkinReader& reader);

// Why `body` is not a Windows bitmap file, or empty when it is one.
std::string BitmapFault(const std::vector<std::uint8_t>& body);

}  // namespace skinpack
