#pragma once
// The message that refuses an unusable skin package.
#include <string>
#include <string_view>
#include <vector>

namespace skin::check {

// "The skin PATH was not loaded:" and the problems, one a line; a long list
// is cut after the first few.
std::string RefusalText(std::string_view path, const std::vector<std::string>& problems);

}  // namespace skin::check
