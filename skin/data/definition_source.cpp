#include "skin/data/definition_source.h"

#include "skin/draw/colour_text.h"
#include "skin/store/stream.h"

namespace skin {

std::int32_t ParseColour(std::string_view text, std::int32_t def) {
  if (text.empty()) return def;
  return static_cast<std::int32_t>(ParseColourText(text));
}

std::int32_t DefinitionSource::Colour(std::string_view section, std::string_view key, std::int32_t def) const {
  return ParseColour(Text(section, key), def);
}

void DefinitionSource::LoadBitmap(host::DibBitmap& bitmap, std::string_view name) const {
  bitmap = host::DibBitmap();
  const size_t dot = name.rfind('.');
  if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") return;
  const size_t slash = name.find_last_of("\\/");
  const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
  store::TMemoryStream body;
  package.ExtractByName(file, body);
  if (body.Size() > 0) bitmap.LoadFromBmp(body.Bytes(), budget);
}

}  // namespace skin
