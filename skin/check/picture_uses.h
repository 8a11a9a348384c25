#pragma once
// Every picture a skin definition names, as the engine's reading takes them
// (in its order), with the frames and margins its drawing cuts each one by.
// The rules are those of the skin data component's readers; a test holds
// both to the same numbers.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/store/quick_ini.h"

namespace skin::check {

struct Slicing {
  std::int32_t frames = 1;
  std::string frames_key;    // the key the count comes from, empty for a fixed count
  bool vertical = false;     // frames stacked top to bottom instead of side by side
  std::array<std::int32_t, 4> margins{};  // left, top, right, bottom
  std::array<std::string, 4> margin_keys{};  // empty where the margin is not read
};

struct PictureUse {
  std::string section;
  std::string key;
  std::string value;               // the picture name as written
  std::optional<Slicing> slicing;  // absent for pictures drawn whole
};

// Only the pictures whose names the engine loads: a missing or empty key, or
// a name not ending in ".bmp", names none.
std::vector<PictureUse> PictureUses(const store::TQuickIni& ini);

// The package entry a picture name stands for: without its folder, lower-cased.
std::string EntryName(std::string_view value);

// True for a section the engine reads something from.
bool IsKnownSection(std::string_view section);

}  // namespace skin::check
