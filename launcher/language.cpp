#include "launcher/language.h"

#include "host/system/ini_file.h"

namespace {

// The texts are kept as Unicode and shown through the wide window calls, so the
// Cyrillic ones read right whatever the system's ANSI code page is.
constexpr LanguageTexts kLanguages[] = {
    {"Open BSP file", "BSP file (*.bsp)|*.bsp", "Add", "Delete", "Clear", "Do it!"},
    {"Відкрити BSP файл", "BSP файл (*.bsp)|*.bsp", "Додати", "Видалити", "Очистити", "Зробити!"},
    {"Открыть BSP файл", "BSP файл (*.bsp)|*.bsp", "Добавить", "Удалить", "Очистить", "Сделать!"},
};

constexpr char kDefSection[] = "LanguageCustomFile";

}  // namespace

const LanguageTexts* FindLanguage(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kLanguages))) return nullptr;
  return &kLanguages[index];
}

std::string ChangeFileExt(const std::string& path, std::string_view ext) {
  const size_t name = path.find_last_of("\\/:");
  const size_t dot = path.find_last_of('.');
  const bool has_ext = dot != std::string::npos && (name == std::string::npos || dot > name);
  return (has_ext ? path.substr(0, dot) : path) + std::string(ext);
}

std::string ExtractFilePath(const std::string& path) {
  const size_t sep = path.find_last_of("\\/:");
  return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string ExtractFileName(const std::string& path) { return path.substr(ExtractFilePath(path).size()); }

LanguageSource FindLanguageSource(const std::string& exe_path) {
  const host::TIniFile def(ChangeFileExt(exe_path, ".def"));
  LanguageSource source{"Brindle.ini", "General", "Language"};
  if (def.ReadBool(kDefSection, "Enabled", false)) {
    source.file = def.ReadString(kDefSection, "Name", ChangeFileExt(ExtractFileName(exe_path), ".ini"));
    source.section = def.ReadString(kDefSection, "Section", "General");
    source.key = def.ReadString(kDefSection, "Entry", "Language");
  }
  source.file = ExtractFilePath(exe_path) + source.file;
  return source;
}

int ReadLanguageIndex(const std::string& exe_path) {
  const LanguageSource source = FindLanguageSource(exe_path);
  return host::TIniFile(source.file).ReadInteger(source.section, source.key, 0);
}
