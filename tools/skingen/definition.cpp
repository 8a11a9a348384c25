#include "definition.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>

namespace skingen {

std::string expandDefinition(const std::string& text, const std::map<std::string, std::string>& vars,
                             const std::string& origin) {
  std::string out;
  out.reserve(text.size());
  int line = 1;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') ++line;
    if (text[i] != '$' || i + 1 >= text.size() || text[i + 1] != '{') {
      out += text[i];
      continue;
    }
    const size_t end = text.find('}', i + 2);
    const size_t eol = text.find('\n', i);
    if (end == std::string::npos || (eol != std::string::npos && end > eol))
      throw std::runtime_error(origin + ":" + std::to_string(line) + ": unterminated ${");
    const std::string name = text.substr(i + 2, end - i - 2);
    const auto it = vars.find(name);
    if (it == vars.end())
      throw std::runtime_error(origin + ":" + std::to_string(line) + ": unknown value ${" + name + "}");
    out += it->second;
    i = end;
  }
  return out;
}

std::vector<std::string> namedPictures(const std::string& definition) {
  std::vector<std::string> names;
  std::istringstream in(definition);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto eq = line.find('=');
    if (eq == std::string::npos || line.find_first_not_of(" \t") == line.find(';')) continue;
    std::string value = line.substr(eq + 1);
    value.erase(0, value.find_first_not_of(" \t"));
    value.erase(value.find_last_not_of(" \t") + 1);
    if (value.size() > 4 && value.compare(value.size() - 4, 4, ".bmp") == 0) names.push_back(value);
  }
  return names;
}

void checkPictureNames(const std::string& definition, const Skin& skin) {
  std::set<std::string> made;
  for (const Picture& p : skin.pictures) made.insert(p.file);
  std::set<std::string> named;
  for (const std::string& name : namedPictures(definition)) {
    if (!made.count(name)) throw std::runtime_error("the definition names " + name + ", which is not drawn");
    named.insert(name);
  }
  for (const std::string& name : made)
    if (!named.count(name)) throw std::runtime_error(name + " is drawn but the definition never names it");
}

}  // namespace skingen
