#include "skin/check/refusal.h"

namespace skin::check {

std::string RefusalText(std::string_view path, const std::vector<std::string>& problems) {
  // A message box taller than the screen hides its own button.
  constexpr std::size_t kShown = 10;
  std::string text = "The skin " + std::string(path) + " was not loaded:";
  for (std::size_t i = 0; i < problems.size() && i < kShown; ++i) text += "\n" + problems[i];
  if (problems.size() > kShown)
    text += "\n... and " + std::to_string(problems.size() - kShown) + " more (skinpack check lists them all)";
  return text;
}

}  // namespace skin::check
