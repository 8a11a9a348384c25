#include "output.h"

#include <fstream>
#include <stdexcept>

#include "bmp.h"

namespace skingen {

void writeFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error(file.string() + ": cannot be written");
}

void writeSkinFolder(const Skin& skin, const std::string& definition, const std::filesystem::path& dir) {
  namespace fs = std::filesystem;
  fs::create_directories(dir);
  for (const auto& entry : fs::directory_iterator(dir)) {
    const auto ext = entry.path().extension();
    if (entry.is_regular_file() && (ext == ".bmp" || ext == ".ini")) fs::remove(entry.path());
  }
  writeFile(dir / kDefinitionName, std::vector<uint8_t>(definition.begin(), definition.end()));
  for (const Picture& p : skin.pictures) writeFile(dir / p.file, encodeBmp(p.image));
}

}  // namespace skingen
