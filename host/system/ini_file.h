#pragma once
#include <string>

namespace host {

// Reads an INI file through the system's private-profile calls; never writes it.
// A missing file, section or key gives the default.
class TIniFile {
public:
  explicit TIniFile(std::string path) : path_(std::move(path)) {}
  const std::string& FileName() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  // Decimal, or hexadecimal written "0x1F" (more than two characters); anything
  // else that is not a whole number in range gives the default.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;

private:
  std::string path_;
};

// The integer rules of ReadInteger, on a text.
int ParseIniInteger(const std::string& text, int def);

}  // namespace host
