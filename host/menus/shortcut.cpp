#include "host/menus/shortcut.h"

#include <cctype>
#include <string>

namespace host {
namespace {

struct KeyName {
  std::string_view name;
  WORD key;
};

constexpr KeyName kKeys[] = {
    {"BKSP", VK_BACK},   {"BACKSPACE", VK_BACK}, {"TAB", VK_TAB},     {"ENTER", VK_RETURN}, {"ESC", VK_ESCAPE},
    {"SPACE", VK_SPACE}, {"PGUP", VK_PRIOR},     {"PGDN", VK_NEXT},   {"END", VK_END},      {"HOME", VK_HOME},
    {"LEFT", VK_LEFT},   {"UP", VK_UP},          {"RIGHT", VK_RIGHT}, {"DOWN", VK_DOWN},    {"INS", VK_INSERT},
    {"DEL", VK_DELETE},
};

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::optional<WORD> KeyOfName(const std::string& name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) return static_cast<WORD>(name[0]);
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
    int n = 0;
    for (std::size_t i = 1; i < name.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
      n = n * 10 + (name[i] - '0');
    }
    if (n >= 1 && n <= 24) return static_cast<WORD>(VK_F1 + n - 1);
    return std::nullopt;
  }
  for (const KeyName& k : kKeys)
    if (k.name == name) return k.key;
  return std::nullopt;
}

}  // namespace

std::optional<TShortCut> TextToShortCut(std::string_view text) {
  TShortCut result;
  std::string rest = Upper(text);
  // Modifiers first, each followed by "+"; the key's own name may be "+".
  for (;;) {
    const std::size_t plus = rest.find('+');
    if (plus == std::string::npos || plus + 1 == rest.size()) break;
    const std::string modifier = rest.substr(0, plus);
    if (modifier == "CTRL") result.ctrl = true;
    else if (modifier == "SHIFT") result.shift = true;
    else if (modifier == "ALT") result.alt = true;
    else return std::nullopt;
    rest.erase(0, plus + 1);
  }
  const std::optional<WORD> key = KeyOfName(rest);
  if (!key) return std::nullopt;
  result.key = *key;
  return result;
}

TShortCut ShortCutOfKey(WORD key) {
  const auto down = [](int vk) { return (GetKeyState(vk) & 0x8000) != 0; };
  return {key, down(VK_CONTROL), down(VK_SHIFT), down(VK_MENU)};
}

}  // namespace host
