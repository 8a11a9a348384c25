#include "launcher/tool_command.h"

std::string ToolParameters(const std::vector<std::string>& files) {
  std::string params;
  for (const std::string& file : files) params += "-f \"" + file + "\" ";
  return params + "-o";
}
