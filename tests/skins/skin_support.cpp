#include "skin_support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <sstream>

#include "bmp.h"
#include "definition.h"

namespace skintest {

std::filesystem::path sourceDir() {
  const char* dir = std::getenv("BRINDLE_SOURCE_DIR");
  return std::filesystem::path(dir ? dir : BRINDLE_SOURCE_TREE) / "skins";
}

std::vector<std::string> skinNames() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(sourceDir(), error))
    if (std::filesystem::exists(entry.path() / "params.txt")) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::filesystem::path binaryDir() {
  const char* dir = std::getenv("BRINDLE_BINARY_DIR");
  return std::filesystem::path(dir ? dir : BRINDLE_BINARY_TREE);
}

std::string readText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<uint8_t> readBytes(const std::filesystem::path& file) {
  const std::string text = readText(file);
  return {text.begin(), text.end()};
}

LoadedSkin loadSkin(const std::string& name) {
  LoadedSkin s;
  const auto dir = sourceDir() / name;
  s.theme = skingen::loadTheme(dir / "params.txt");
  s.skin = skingen::generateSkin(s.theme);
  s.definition = skingen::expandDefinition(readText(dir / "skin.ini"), s.skin.vars, name);
  skin::store::TMemoryStream stream(std::vector<uint8_t>(s.definition.begin(), s.definition.end()));
  s.ini.LoadFromStream(stream);
  for (const skingen::Picture& p : s.skin.pictures)
    s.files[p.file] = skingen::decodeBmp(skingen::encodeBmp(p.image));
  return s;
}

std::vector<std::string> sections(const skin::store::TQuickIni& ini) {
  std::vector<std::string> list;
  ini.ReadSections(list);
  return list;
}

skingen::Rgb colourText(const std::string& text) {
  int parts[3] = {0, 0, 0};
  std::istringstream in(text);
  in >> parts[0] >> parts[1] >> parts[2];
  return {uint8_t(parts[0] % 256), uint8_t(parts[1] % 256), uint8_t(parts[2] % 256)};
}

std::filesystem::path freshDir(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("brindle-skins-" + std::to_string(::getpid()) + "-" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace skintest
