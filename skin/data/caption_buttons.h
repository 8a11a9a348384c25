#pragma once
#include <string>
#include <vector>

#include "skin/data/definition_source.h"
#include "skin/data/skin_elements.h"

namespace skin {

// The caption buttons of the skin's "Button..." sections, in text order, then
// the three MDI buttons with their pictures cut from "MDICONTROLS".
void ReadCaptionButtons(const DefinitionSource& src, const std::vector<std::string>& sections,
                        std::vector<std::unique_ptr<TDataSkinSysButton>>& buttons);

}  // namespace skin
