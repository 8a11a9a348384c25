#pragma once
// What makes a skin package unusable, in the words the launcher's refusal and
// `skinpack check` both show: a package cut short, a definition with no
// section the engine knows, a picture that is missing, undecodable or over the
// picture budget, a frame count below 1, margins that do not fit the picture.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/store/skin_reader.h"

namespace skin::check {

// One text per problem of a package the reader has loaded; empty when usable.
std::vector<std::string> PackageProblems(const store::TSkinReader& reader);

// Loads `package` into `reader` first: a package the reader refuses (or
// cannot decompress) gives that reason alone.
std::vector<std::string> PackageProblems(std::span<const std::uint8_t> package, store::TSkinReader& reader);

}  // namespace skin::check
