#include "skin/check/package_check.h"

#include <algorithm>
#include <exception>

#include "skin/check/picture_uses.h"
#include "skin/picture/bmp.h"
#include "skin/picture/picture_budget.h"
#include "skin/store/quick_ini.h"

namespace skin::check {
namespace {

using store::TMemoryStream;
using store::TQuickIni;
using store::TSkinReader;

std::string Where(const PictureUse& use) { return "[" + use.section + "] " + use.key + "=" + use.value; }

void CheckFrames(const TQuickIni& ini, const PictureUse& use, std::vector<std::string>& problems) {
  const Slicing& s = *use.slicing;
  if (s.frames >= 1) return;
  const std::string given = ini.ReadString(use.section, s.frames_key, "");
  problems.push_back("[" + use.section + "] " + s.frames_key + (given.empty() ? " (not given)" : "=" + given) +
                     ": the frame count is " + std::to_string(s.frames) + "; it must be at least 1");
}

void CheckMargins(const PictureUse& use, const std::string& entry, int width, int height,
                  std::vector<std::string>& problems) {
  const Slicing& s = *use.slicing;
  const auto key = [&](std::size_t i) { return s.margin_keys[i] + "=" + std::to_string(s.margins[i]); };
  for (std::size_t i = 0; i < 4; ++i) {
    if (s.margins[i] < 0) problems.push_back("[" + use.section + "] " + key(i) + ": a margin cannot be negative");
  }
  const std::int64_t frame_width = s.vertical ? width : width / s.frames;
  const std::int64_t frame_height = s.vertical ? height / s.frames : height;
  // Left and right against the width, top and bottom against the height.
  for (std::size_t first : {0u, 1u}) {
    const std::int64_t sum = std::int64_t{s.margins[first]} + s.margins[first + 2];
    const std::int64_t room = first == 0 ? frame_width : frame_height;
    if (s.margins[first] < 0 || s.margins[first + 2] < 0 || sum <= room) continue;
    problems.push_back("[" + use.section + "] " + key(first) + ", " + key(first + 2) + ": the margins take " +
                       std::to_string(sum) + " pixels but a frame of \"" + entry + "\" is " + std::to_string(room) +
                       (first == 0 ? " pixels wide" : " pixels high"));
  }
}

void CheckPicture(const TQuickIni& ini, const TSkinReader& reader, const PictureUse& use,
                  picture::PictureBudget& budget, std::vector<std::string>& problems) {
  if (use.slicing) CheckFrames(ini, use, problems);
  const std::string entry = EntryName(use.value);
  const auto& names = reader.Names();
  if (std::find(names.begin(), names.end(), entry) == names.end()) {
    problems.push_back(Where(use) + ": the package has no entry \"" + entry + "\"");
    return;
  }
  TMemoryStream body;
  reader.ExtractByName(entry, body);
  std::string why;
  const auto info = picture::ReadBmpInfo(body.Bytes(), why);
  if (!info) {
    problems.push_back(Where(use) + ": \"" + entry + "\" is not a BMP file the engine reads: " + why);
    return;
  }
  if (why = budget.Take(info->width, info->height); !why.empty()) {
    problems.push_back(Where(use) + ": \"" + entry + "\" is over the picture budget: " + why);
    return;
  }
  if (why = picture::DecodeBmp(body.Bytes(), *info, [](int, std::span<const std::uint8_t>) {}); !why.empty()) {
    problems.push_back(Where(use) + ": \"" + entry + "\" is not a BMP file the engine reads: " + why);
    return;
  }
  if (use.slicing && use.slicing->frames >= 1) CheckMargins(use, entry, info->width, info->height, problems);
}

}  // namespace

std::vector<std::string> PackageProblems(const TSkinReader& reader) {
  std::vector<std::string> problems;
  if (reader.Truncated()) {
    problems.push_back("the package is cut short: its compressed stream ends before the " +
                       std::to_string(reader.DeclaredSize()) + " bytes it declares");
  }
  TMemoryStream text;
  std::string definition;
  reader.ExtractByPattern(".ini", text, definition);
  if (definition.empty()) {
    problems.push_back("the package has no definition (no entry name contains \".ini\")");
    return problems;
  }
  TQuickIni ini;
  ini.LoadFromStream(text);
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  if (std::none_of(sections.begin(), sections.end(), [](const std::string& s) { return IsKnownSection(s); })) {
    problems.push_back("the definition \"" + definition + "\" has no section the engine knows");
    return problems;
  }
  picture::PictureBudget budget;
  for (const PictureUse& use : PictureUses(ini)) CheckPicture(ini, reader, use, budget, problems);
  return problems;
}

std::vector<std::string> PackageProblems(std::span<const std::uint8_t> package, TSkinReader& reader) {
  TMemoryStream stream(std::vector<std::uint8_t>(package.begin(), package.end()));
  try {
    if (!reader.LoadPackage(stream)) return {reader.RefusalReason()};
  } catch (const std::exception& e) {
    return {e.what()};
  }
  return PackageProblems(reader);
}

}  // namespace skin::check
