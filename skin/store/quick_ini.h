#pragma once
// TQuickIni: the skin definition parser. Splits an INI text once and answers
// string and integer queries from memory; it never writes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stream.h"

namespace skin::store {

class TQuickIni {
public:
  // Reads the stream from its position to its end as 8-bit text, replacing
  // what was loaded before.
  void LoadFromStream(TStream& stream);

  // The value of the first line keyed `key` in the first section named
  // `section` (ASCII case-insensitive); `def` when missing or empty.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // ReadString converted as a signed 32-bit integer: decimal, "$" or "0x"
  // hexadecimal; `def` when it does not convert entirely.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
  // Replaces `sections` with the section names in text order.
  void ReadSections(std::vector<std::string>& sections) const;

private:
  struct Line {
    std::string text;
    std::string key;  // before the first "=", trimmed and lower-cased
    std::string value;  // after the first "=", trimmed
    bool header = false;
  };
  struct Section {
    std::string header;
    std::size_t line = 0;
  };

  const Section* FindSection(std::string_view name) const;

  std::vector<Line> lines_;
  std::vector<Section> sections_;
};

// Converts a whole text as a signed 32-bit integer, decimal with an optional
// sign or hexadecimal after "$" (up to 0xFFFFFFFF, taken as its bit pattern).
bool ConvertInteger(std::string_view text, std::int32_t& value);

}  // namespace skin::store
