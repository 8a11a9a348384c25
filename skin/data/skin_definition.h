#pragma once
#include "skin/data/skin_elements.h"
#include "skin/store/quick_ini.h"
#include "skin/store/skin_reader.h"

namespace skin {

// Reads a whole skin definition into the elements, slot by slot: each slot's
// old descriptor goes before its section is read, so what the new skin lacks
// is empty afterwards. Never fails: what is missing takes its default.
void ReadSkinDefinition(SkinElements& e, const store::TQuickIni& ini, const store::TSkinReader& package);

}  // namespace skin
