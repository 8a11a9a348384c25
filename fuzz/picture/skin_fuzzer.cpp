// Any bytes as a skin container: the reader refuses it with a reason, or the
// check parses its definition and decodes every picture the definition names,
// within the picture budget, and names each problem it finds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/check/package_check.h"
#include "skin/store/skin_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skin;
  store::TSkinReader reader;
  reader.OnOldPackage = nullptr;
  if (!reader.LoadContainer({data, size})) {
    if (reader.RefusalReason().empty()) __builtin_trap();
    return 0;
  }
  for (const std::string& problem : check::PackageProblems(reader))
    if (problem.empty()) __builtin_trap();
  return 0;
}
