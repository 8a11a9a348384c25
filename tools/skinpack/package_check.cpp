#include "package_check.h"

#include <algorithm>
#include <set>

#include "skin/store/ascii.h"
#include "skin/store/quick_ini.h"

namespace skinpack {
namespace {

using skin::store::TMemoryStream;
using skin::store::TQuickIni;
using skin::store::TSkinReader;

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::string Extension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

// Keys whose values name pictures: any section may hold the element keys, the
// frame and caption pictures live in "Personality".
constexpr const char* kElementKeys[] = {"Image", "Bitmap", "Border", "GlyphImage", "ButtonImage",
                                        "CheckButton", "RadioButton"};
constexpr const char* kPersonalityKeys[] = {"Left", "Right", "Top", "Bottom", "TextBack", "menuBar"};

void CheckPicture(const TSkinReader& reader, const std::string& section, const std::string& key,
                  const std::string& value, std::vector<std::string>& problems) {
  const std::string where = "[" + section + "] " + key + "=" + value;
  if (Extension(value) != ".bmp") {
    problems.push_back(where + ": a picture name must end in \".bmp\" (lower case); the engine loads nothing");
    return;
  }
  const std::size_t slash = value.find_last_of("/\\");
  const std::string entry = skin::store::AsciiLowerCase(slash == std::string::npos ? value : value.substr(slash + 1));
  const auto& names = reader.Names();
  if (std::find(names.begin(), names.end(), entry) == names.end()) {
    problems.push_back(where + ": the package has no entry \"" + entry + "\"");
  }
}

void CheckDefinition(const TSkinReader& reader, std::vector<std::string>& problems) {
  TMemoryStream text;
  std::string definition;
  reader.ExtractByPattern(".ini", text, definition);
  if (definition.empty()) {
    problems.push_back("the package has no definition (no entry name contains \".ini\")");
    return;
  }
  TQuickIni ini;
  ini.LoadFromStream(text);
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  if (sections.empty()) {
    problems.push_back("the definition \"" + definition + "\" has no sections");
    return;
  }
  std::set<std::string> seen;
  for (const std::string& section : sections) {
    // Only the first section of a name is ever read.
    if (!seen.insert(skin::store::AsciiLowerCase(section)).second) continue;
    auto check = [&](const char* key) {
      const std::string value = ini.ReadString(section, key, "");
      if (!value.empty()) CheckPicture(reader, section, key, value, problems);
    };
    for (const char* key : kElementKeys) check(key);
    if (skin::store::AsciiEqualNoCase(section, "Personality")) {
      for (const char* key : kPersonalityKeys) check(key);
    }
  }
}

}  // namespace

std::string BitmapFault(const std::vector<std::uint8_t>& body) {
  if (body.size() < 2 || body[0] != 'B' || body[1] != 'M') return "it does not start with \"BM\"";
  if (body.size() < 14 + 12) return "it is too short for a bitmap header (" + std::to_string(body.size()) + " bytes)";
  const std::uint32_t headerSize = Le32(body, 14);
  constexpr std::uint32_t kKnown[] = {12, 40, 52, 56, 108, 124};
  if (std::find(std::begin(kKnown), std::end(kKnown), headerSize) == std::end(kKnown)) {
    return "its bitmap header size " + std::to_string(headerSize) + " is not a known one";
  }
  const std::uint32_t bitsAt = Le32(body, 10);
  if (bitsAt < 14 + headerSize || bitsAt > body.size()) {
    return "its pixel offset " + std::to_string(bitsAt) + " lies outside the file";
  }
  return {};
}

std::vector<std::string> CheckPackage(const TSkinReader& reader) {
  std::vector<std::string> problems;
  std::set<std::string> seen;
  TMemoryStream body;
  for (std::size_t i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    const std::string label = "entry " + std::to_string(i + 1) + " \"" + name + "\"";
    if (name.empty()) {
      problems.push_back(label + ": the name is empty");
      continue;
    }
    if (!seen.insert(name).second) problems.push_back(label + ": the name repeats; only the first is ever read");
    const std::string ext = Extension(name);
    if (ext == ".bmp") {
      reader.ExtractByIndex(i, body);
      if (std::string fault = BitmapFault(body.Data()); !fault.empty()) {
        problems.push_back(label + " is not a BMP file: " + fault);
      }
    } else if (ext != ".ini") {
      problems.push_back(label + ": the extension is neither \".bmp\" nor \".ini\"");
    }
  }
  CheckDefinition(reader, problems);
  return problems;
}

}  // namespace skinpack
