#include <cstdio>

#include "package_notice.h"

namespace skin::store {

void ShowPackageNotice(std::string_view text) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

}  // namespace skin::store
