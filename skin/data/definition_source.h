#pragma once
// What the definition readers read from: the parsed definition and the package
// holding its pictures.
#include <cstdint>
#include <string>
#include <string_view>

#include "host/graphics/dib_bitmap.h"
#include "skin/picture/picture_budget.h"
#include "skin/store/quick_ini.h"
#include "skin/store/skin_reader.h"

namespace skin {

struct DefinitionSource {
  const store::TQuickIni& ini;
  const store::TSkinReader& package;
  std::int32_t button_text;  // default of the elements' second colours, read first
  picture::PictureBudget& budget;  // shared by every picture of the skin

  std::int32_t Int(std::string_view section, std::string_view key, std::int32_t def) const {
    return ini.ReadInteger(section, key, def);
  }
  std::string Text(std::string_view section, std::string_view key) const { return ini.ReadString(section, key, ""); }
  std::int32_t Colour(std::string_view section, std::string_view key, std::int32_t def) const;
  // The picture named by a key: only a name ending in exactly ".bmp" is taken,
  // without its folder and lower-cased; anything else, or a picture over the
  // budget, leaves the bitmap empty.
  void LoadBitmap(host::DibBitmap& bitmap, std::string_view name) const;
};

// A colour text ("236 233 216"), or def when the text is empty.
std::int32_t ParseColour(std::string_view text, std::int32_t def);

}  // namespace skin
