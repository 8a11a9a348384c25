// Loading the project's skins for the tests: from their sources through the
// generator, and the filled-in definition through the engine's own parser.
#pragma once
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "skin.h"
#include "skin/store/quick_ini.h"

namespace skintest {

std::filesystem::path sourceDir();  // skins/ of the source tree

// The skins of the source tree: every folder of skins/ with a params.txt, sorted.
std::vector<std::string> skinNames();
inline const std::vector<std::string> kSkins = skinNames();
std::filesystem::path binaryDir();  // the build tree

struct LoadedSkin {
  skingen::Theme theme;
  skingen::Skin skin;
  std::string definition;                       // filled in
  skin::store::TQuickIni ini;                    // the definition as the engine reads it
  std::map<std::string, skingen::Image> files;   // pictures by file name, decoded from BMP bytes
};

LoadedSkin loadSkin(const std::string& name);

// Section names as the engine's parser lists them.
std::vector<std::string> sections(const skin::store::TQuickIni& ini);

// A colour text of the definition ("r g b"), read as the engine reads it.
skingen::Rgb colourText(const std::string& text);


std::string readText(const std::filesystem::path& file);
std::vector<uint8_t> readBytes(const std::filesystem::path& file);

// A fresh empty folder under the system's temporary folder.
std::filesystem::path freshDir(const std::string& name);

}  // namespace skintest
