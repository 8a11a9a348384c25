// Review sheet of a skin: every picture enlarged, labelled with its section and
// file, frame boundaries marked, the colour key shown as a checkerboard.
#pragma once
#include "skin.h"

namespace skingen {

// With a definition, a mock-up of skinned windows heads the sheet.
Image contactSheet(const Skin& skin, const std::string& title, const std::string& definition = {});

}  // namespace skingen
