#pragma once
#include <string>
#include <string_view>

// The launcher's languages: which one the settings beside the program choose,
// and the texts each one shows.
struct LanguageTexts {
  std::string_view dialog_title;
  std::string_view filter;
  std::string_view add, remove, clear, run;
};

// 0 English, 1 Ukrainian, 2 Russian; null for any other index.
const LanguageTexts* FindLanguage(int index);

// Where the language index is kept, as the program's ".def" file says.
struct LanguageSource {
  std::string file;  // full path
  std::string section;
  std::string key;
};
LanguageSource FindLanguageSource(const std::string& exe_path);

// The index the settings choose; 0 when nothing is found.
int ReadLanguageIndex(const std::string& exe_path);

// Path helpers on Windows paths.
std::string ChangeFileExt(const std::string& path, std::string_view ext);
std::string ExtractFilePath(const std::string& path);  // folder with its trailing separator
std::string ExtractFileName(const std::string& path);
