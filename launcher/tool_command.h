#pragma once
#include <string>
#include <vector>

// The generator tool's parameters: -f "path" for each file, in list order, then -o.
// Paths are passed as they stand, without escaping.
std::string ToolParameters(const std::vector<std::string>& files);
