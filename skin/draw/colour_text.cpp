#include "skin/draw/colour_text.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace skin {

namespace {

bool Blank(char c) noexcept { return static_cast<unsigned char>(c) <= 32; }

// The decimal value, or nothing when it does not fit a 32-bit integer.
std::optional<std::int32_t> ToInt32(const std::string& digits) noexcept {
  std::int64_t value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

COLORREF ParseColourText(std::string_view text) {
  while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
  if (text.empty()) return RGB(0, 0, 0);

  std::int32_t slots[3] = {0, 0, 0};
  int stored = 0;
  std::string digits;
  // A number that does not fit is not stored and its digits stay, joined
  // with those of the next number.
  auto store = [&] {
    if (const auto value = ToInt32(digits)) {
      if (stored < 3) slots[stored] = *value;
      ++stored;
      digits.clear();
    }
  };
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digits.push_back(c);
    } else if (!digits.empty()) {
      store();
    }
  }
  if (stored == 2 && !digits.empty()) store();
  return RGB(slots[0] & 0xFF, slots[1] & 0xFF, slots[2] & 0xFF);
}

}  // namespace skin
