#pragma once
// ASCII-only text helpers: package names and definition keys fold A to Z only,
// so bytes of other code pages pass through unchanged.
#include <string>
#include <string_view>

namespace skin::store {

constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string AsciiLowerCase(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = AsciiLower(c);
  return s;
}

inline std::string AsciiUpperCase(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

inline bool AsciiEqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// Splits text into lines at CR, LF or CR LF; a byte 0 ends the text and a
// trailing line break does not start another line.
template <class Fn>
void ForEachLine(std::string_view text, Fn&& fn) {
  std::size_t p = 0;
  while (p < text.size() && text[p] != '\0') {
    const std::size_t start = p;
    while (p < text.size() && text[p] != '\0' && text[p] != '\r' && text[p] != '\n') ++p;
    fn(text.substr(start, p - start));
    if (p < text.size() && text[p] == '\r') ++p;
    if (p < text.size() && text[p] == '\n') ++p;
  }
}

}  // namespace skin::store
