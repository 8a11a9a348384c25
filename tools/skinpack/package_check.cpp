#include "package_check.h"

#include <set>

#include "skin/check/package_check.h"
#include "skin/store/ascii.h"
#include "skin/store/quick_ini.h"

namespace skinpack {
namespace {

using skin::store::TMemoryStream;
using skin::store::TQuickIni;
using skin::store::TSkinReader;

std::string Extension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

// Keys whose values name pictures: any section may hold the element keys, the
// frame and caption pictures live in "Personality".
constexpr const char* kElementKeys[] = {"Image", "Bitmap", "Border", "GlyphImage", "ButtonImage",
                                        "CheckButton", "RadioButton"};
constexpr const char* kPersonalityKeys[] = {"Left", "Right", "Top", "Bottom", "TextBack", "menuBar"};

// Picture names the engine passes over, since only a lower-case ".bmp" names a picture.
void CheckPictureNames(const TSkinReader& reader, std::vector<std::string>& problems) {
  TMemoryStream text;
  std::string definition;
  reader.ExtractByPattern(".ini", text, definition);
  TQuickIni ini;
  ini.LoadFromStream(text);
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  std::set<std::string> seen;
  for (const std::string& section : sections) {
    // Only the first section of a name is ever read.
    if (!seen.insert(skin::store::AsciiLowerCase(section)).second) continue;
    auto check = [&](const char* key) {
      const std::string value = ini.ReadString(section, key, "");
      if (!value.empty() && Extension(value) != ".bmp")
        problems.push_back("[" + section + "] " + key + "=" + value +
                           ": a picture name must end in \".bmp\" (lower case); the engine loads nothing");
    };
    for (const char* key : kElementKeys) check(key);
    if (skin::store::AsciiEqualNoCase(section, "Personality")) {
      for (const char* key : kPersonalityKeys) check(key);
    }
  }
}

}  // namespace

std::vector<std::string> CheckPackage(const TSkinReader& reader) {
  std::vector<std::string> problems = skin::check::PackageProblems(reader);
  std::set<std::string> seen;
  for (std::size_t i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    const std::string label = "entry " + std::to_string(i + 1) + " \"" + name + "\"";
    if (name.empty()) {
      problems.push_back(label + ": the name is empty");
      continue;
    }
    if (!seen.insert(name).second) problems.push_back(label + ": the name repeats; only the first is ever read");
    const std::string ext = Extension(name);
    if (ext != ".bmp" && ext != ".ini") problems.push_back(label + ": the extension is neither \".bmp\" nor \".ini\"");
  }
  CheckPictureNames(reader, problems);
  return problems;
}

}  // namespace skinpack
