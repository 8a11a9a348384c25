// Any bytes as a skin definition: parsing and every kind of query terminate
// and stay within the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/store/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skin::store;
  TMemoryStream text(std::vector<std::uint8_t>(data, data + size));
  TQuickIni ini;
  ini.LoadFromStream(text);
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  const std::size_t n = sections.size() < 64 ? sections.size() : 64;
  for (std::size_t i = 0; i < n; ++i) {
    for (const char* key : {"Image", "Frame", "LeftWidth", "", "=", "0x"}) {
      ini.ReadString(sections[i], key, "default");
      ini.ReadInteger(sections[i], key, -1);
    }
  }
  std::int32_t value;
  ConvertInteger(std::string_view(reinterpret_cast<const char*>(data), size), value);
  return 0;
}
