// A mock-up of a skinned window, drawn from a generated skin and its filled-in
// definition the way the engine slices the pictures, for judging seams and looks.
#pragma once
#include <string>

#include "skin.h"

namespace skingen {

// Two windows (active and inactive) and an open popup menu, side by side.
Image previewWindows(const Skin& skin, const std::string& definition);

}  // namespace skingen
