// Writing a generated skin folder: the pictures and the filled-in definition.
#pragma once
#include <filesystem>
#include <string>

#include "skin.h"

namespace skingen {

inline constexpr const char* kDefinitionName = "skin.ini";

// Replaces the folder's earlier pictures and definition (other files stay).
void writeSkinFolder(const Skin& skin, const std::string& definition, const std::filesystem::path& dir);

void writeFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);

}  // namespace skingen
