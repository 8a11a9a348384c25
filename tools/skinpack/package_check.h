#pragma once
// Everything `skinpack check` reports: first what makes the engine refuse the
// package (the engine's own check, in its words), then what would only draw
// wrongly: entries the engine never reads and picture names it ignores.
#include <string>
#include <vector>

#include "skin/store/skin_reader.h"

namespace skinpack {

// One line per problem; empty when the package is sound.
std::vector<std::string> CheckPackage(const skin::store::TSkinReader& reader);

}  // namespace skinpack
