#include "host/system/ini_file.h"

#include <windows.h>

#include <cstdint>
#include <limits>

#include "host/core/text.h"

namespace host {

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  const std::wstring wsection = Widen(section), wkey = Widen(key), wdef = Widen(def), wpath = Widen(path_);
  std::wstring buffer(2048, L'\0');
  for (;;) {
    const DWORD n = GetPrivateProfileStringW(wsection.c_str(), wkey.c_str(), wdef.c_str(), buffer.data(),
                                             static_cast<DWORD>(buffer.size()), wpath.c_str());
    if (n + 1 < buffer.size()) {
      buffer.resize(n);
      return Narrow(buffer);
    }
    buffer.resize(buffer.size() * 2);  // the value was cut: read it again whole
  }
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  return ParseIniInteger(ReadString(section, key, ""), def);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

int ParseIniInteger(const std::string& text, int def) {
  std::string_view t(text);
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);

  unsigned base = 10;
  bool negative = false;
  if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    base = 16;
    t.remove_prefix(2);
  } else if (!t.empty() && t[0] == '$') {
    base = 16;
    t.remove_prefix(1);
  } else if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
    negative = t[0] == '-';
    t.remove_prefix(1);
  }
  if (t.empty()) return def;

  std::int64_t value = 0;
  for (const char c : t) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return def;
    value = value * base + d;
    if (value > std::int64_t{std::numeric_limits<std::uint32_t>::max()}) return def;
  }
  // Hexadecimal is a 32-bit pattern: "0xFFFFFFFF" is -1.
  if (base == 16) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) return def;
  return static_cast<int>(value);
}

}  // namespace host
