#include "quick_ini.h"

#include "ascii.h"

namespace skin::store {
namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsTrimmed(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsTrimmed(s.back())) s.remove_suffix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ConvertInteger(std::string_view text, std::int32_t& value) {
  if (text.empty()) return false;
  if (text.front() == '$') {
    text.remove_prefix(1);
    if (text.empty()) return false;
    std::uint64_t v = 0;
    for (char c : text) {
      const int d = HexDigit(c);
      if (d < 0) return false;
      v = v * 16 + static_cast<unsigned>(d);
      if (v > 0xFFFFFFFFu) return false;
    }
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return true;
  }
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  std::uint64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<unsigned>(c - '0');
    if (v > limit) return false;
  }
  value = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v));
  return true;
}

void TQuickIni::LoadFromStream(TStream& stream) {
  std::string text(stream.Size() - stream.Position(), '\0');
  text.resize(stream.Read(text.data(), text.size()));

  lines_.clear();
  sections_.clear();
  ForEachLine(text, [&](std::string_view raw) {
    const std::string_view t = Trim(raw);
    if (t.empty() || t.front() == ';') return;
    Line line;
    line.text = std::string(t);
    line.header = t.front() == '[' && t.back() == ']';
    if (const std::size_t eq = t.find('='); eq != std::string_view::npos) {
      line.key = AsciiLowerCase(Trim(t.substr(0, eq)));
      line.value = std::string(Trim(t.substr(eq + 1)));
    }
    if (line.header) sections_.push_back({line.text, lines_.size()});
    lines_.push_back(std::move(line));
  });
}

const TQuickIni::Section* TQuickIni::FindSection(std::string_view name) const {
  const std::string header = "[" + std::string(name) + "]";
  for (const Section& s : sections_) {
    if (AsciiEqualNoCase(s.header, header)) return &s;
  }
  return nullptr;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  std::string result(def);
  if (lines_.empty()) return result;
  const Section* s = FindSection(section);
  if (!s) return result;
  const std::string wanted = AsciiLowerCase(key);
  for (std::size_t i = s->line + 1; i < lines_.size() && !lines_[i].header; ++i) {
    if (lines_[i].key == wanted) {
      if (!lines_[i].value.empty()) result = lines_[i].value;
      break;
    }
  }
  return result;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
  std::int32_t value;
  return ConvertInteger(text, value) ? value : def;
}

void TQuickIni::ReadSections(std::vector<std::string>& sections) const {
  sections.clear();
  for (const Section& s : sections_) {
    sections.emplace_back(Trim(std::string_view(s.header).substr(1, s.header.size() - 2)));
  }
}

}  // namespace skin::store
