// skingen: draws a skin's pictures from its parameter set and fills in its definition.
//   skingen SKIN_SOURCE_DIR OUTPUT_DIR [--sheet FILE.png]
// SKIN_SOURCE_DIR holds params.txt and skin.ini (the definition template).
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "definition.h"
#include "output.h"
#include "png.h"
#include "sheet.h"

namespace {

std::string readText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int usage() {
  std::cerr << "usage: skingen SKIN_SOURCE_DIR OUTPUT_DIR [--sheet FILE.png]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) return usage();
  if (argc == 5 && std::string(argv[3]) != "--sheet") return usage();
  try {
    const std::filesystem::path source = argv[1], out = argv[2];
    const skingen::Theme theme = skingen::loadTheme(source / "params.txt");
    const skingen::Skin skin = skingen::generateSkin(theme);
    const std::string definition =
        skingen::expandDefinition(readText(source / "skin.ini"), skin.vars, (source / "skin.ini").string());
    skingen::checkPictureNames(definition, skin);
    skingen::writeSkinFolder(skin, definition, out);
    if (argc == 5)
      skingen::writeFile(argv[4], skingen::encodePng(skingen::contactSheet(skin, theme.name, definition)));
  } catch (const std::exception& e) {
    std::cerr << "skingen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
