#include "host/stream/form_text.h"

#include <cctype>
#include <limits>

#include "host/core/error.h"

namespace host {
namespace {

constexpr int kMaxDepth = 64;

void AppendUtf8(std::string& out, unsigned long cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Parser {
public:
  explicit Parser(std::string_view text) : s_(text) {}

  StoredObject Document() {
    StoredObject root = Object(0);
    SkipBlanks();
    if (pos_ < s_.size()) Fail("text after the last 'end'");
    return root;
  }

private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw Error("Stored form, line " + std::to_string(line_) + ": " + what);
  }

  void SkipBlanks() {
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  bool Peek(char c) {
    SkipBlanks();
    return pos_ < s_.size() && s_[pos_] == c;
  }

  void Expect(char c) {
    if (!Peek(c)) Fail(std::string("'") + c + "' expected");
    ++pos_;
  }

  static bool IdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
  static bool IdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

  std::string Ident() {
    SkipBlanks();
    if (pos_ >= s_.size() || !IdentStart(s_[pos_])) Fail("a name expected");
    const size_t start = pos_;
    while (pos_ < s_.size() && IdentChar(s_[pos_])) ++pos_;
    return std::string(s_.substr(start, pos_ - start));
  }

  std::string PropertyPath() {
    std::string path = Ident();
    while (pos_ < s_.size() && s_[pos_] == '.') {
      ++pos_;
      path += '.';
      path += Ident();
    }
    return path;
  }

  StoredObject Object(int depth) {
    if (depth > kMaxDepth) Fail("objects nested too deeply");
    StoredObject obj;
    if (Ident() != "object") Fail("'object' expected");
    obj.line = line_;
    obj.name = Ident();
    Expect(':');
    obj.class_name = Ident();
    Body(obj, depth, true);
    return obj;
  }

  // Properties (and, in an object, owned objects) up to the closing 'end'.
  void Body(StoredObject& obj, int depth, bool objects) {
    for (;;) {
      SkipBlanks();
      if (pos_ >= s_.size()) Fail("'end' of " + (obj.name.empty() ? std::string("an item") : obj.name) + " missing");
      const size_t mark = pos_;
      const int mark_line = line_;
      const std::string word = PropertyPath();
      if (word == "end") return;
      if (word == "object" && objects) {
        pos_ = mark;
        line_ = mark_line;
        obj.children.push_back(Object(depth + 1));
        continue;
      }
      StoredProperty prop;
      prop.name = word;
      prop.line = line_;
      Expect('=');
      if (Peek('<')) {
        prop.collection = true;
        prop.items = Items(depth + 1);
      } else {
        prop.value = PropValue();
      }
      obj.props.push_back(std::move(prop));
    }
  }

  std::vector<StoredObject> Items(int depth) {
    if (depth > kMaxDepth) Fail("items nested too deeply");
    Expect('<');
    std::vector<StoredObject> items;
    while (!Peek('>')) {
      if (pos_ >= s_.size() || Ident() != "item") Fail("'item' or '>' expected");
      StoredObject& item = items.emplace_back();
      item.line = line_;
      Body(item, depth, false);
    }
    ++pos_;
    return items;
  }

  Value PropValue() {
    SkipBlanks();
    if (pos_ >= s_.size()) Fail("a value expected");
    const char c = s_[pos_];
    if (c == '\'' || c == '#') return Text();
    if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) return Number();
    if (c == '[') return Set();
    if (c == '(') return List();
    if (c == '{') return Binary();
    if (IdentStart(c)) return host::Ident{Ident()};
    Fail(std::string("unexpected '") + c + "'");
  }

  // Pieces written together ('a'#13'b') or joined by '+' make one text; pieces
  // apart from each other are separate texts, as in a list.
  std::string Text() {
    std::string out;
    SkipBlanks();
    for (;;) {
      if (pos_ < s_.size() && s_[pos_] == '\'') {
        ++pos_;
        for (;;) {
          if (pos_ >= s_.size() || s_[pos_] == '\n') Fail("text not closed on its line");
          if (s_[pos_] == '\'') {
            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
              out += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          out += s_[pos_++];
        }
      } else if (pos_ < s_.size() && s_[pos_] == '#') {
        ++pos_;
        unsigned long cp = 0;
        size_t digits = 0;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
          cp = cp * 10 + static_cast<unsigned long>(s_[pos_++] - '0');
          if (++digits > 7 || cp > 0x10FFFF) Fail("character code out of range");
        }
        if (digits == 0) Fail("character code expected after '#'");
        AppendUtf8(out, cp);
      } else if (Peek('+')) {
        ++pos_;
        SkipBlanks();
        if (pos_ >= s_.size() || (s_[pos_] != '\'' && s_[pos_] != '#')) Fail("text expected after '+'");
      } else {
        return out;
      }
    }
  }

  std::int64_t Number() {
    bool negative = false;
    if (s_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    const bool hex = pos_ < s_.size() && s_[pos_] == '$';
    if (hex) ++pos_;
    const std::uint64_t base = hex ? 16 : 10;
    std::uint64_t v = 0;
    size_t digits = 0;
    while (pos_ < s_.size()) {
      const int d = hex ? HexDigit(s_[pos_]) : (std::isdigit(static_cast<unsigned char>(s_[pos_])) ? s_[pos_] - '0' : -1);
      if (d < 0) break;
      if (v > (std::numeric_limits<std::uint64_t>::max() - static_cast<std::uint64_t>(d)) / base ||
          v * base + static_cast<std::uint64_t>(d) > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        Fail("number out of range");
      v = v * base + static_cast<std::uint64_t>(d);
      ++pos_;
      ++digits;
    }
    if (digits == 0) Fail("digits expected");
    if (pos_ < s_.size() && IdentChar(s_[pos_])) Fail("not a number");
    const auto n = static_cast<std::int64_t>(v);
    return negative ? -n : n;
  }

  SetOf Set() {
    Expect('[');
    SetOf set;
    if (Peek(']')) {
      ++pos_;
      return set;
    }
    for (;;) {
      set.members.push_back(Ident());
      if (Peek(']')) {
        ++pos_;
        return set;
      }
      Expect(',');
    }
  }

  StringList List() {
    Expect('(');
    StringList list;
    while (!Peek(')')) {
      if (pos_ >= s_.size() || (s_[pos_] != '\'' && s_[pos_] != '#')) Fail("text or ')' expected in list");
      list.push_back(Text());
    }
    ++pos_;
    return list;
  }

  Bytes Binary() {
    Expect('{');
    Bytes bytes;
    int high = -1;
    for (;;) {
      SkipBlanks();
      if (pos_ >= s_.size()) Fail("'}' missing");
      const char c = s_[pos_++];
      if (c == '}') break;
      const int d = HexDigit(c);
      if (d < 0) Fail("hexadecimal digit expected in binary data");
      if (high < 0) {
        high = d;
      } else {
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | d));
        high = -1;
      }
    }
    if (high >= 0) Fail("binary data has an odd number of digits");
    return bytes;
  }

  std::string_view s_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

StoredObject ParseStoredForm(std::string_view text) { return Parser(text).Document(); }

}  // namespace host
