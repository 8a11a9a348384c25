// Any bytes as a skin package: loading either refuses or yields entries that
// every lookup can read without leaving the reader's buffers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/store/skin_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skin::store;
  TSkinReader reader;
  reader.OnOldPackage = nullptr;
  TMemoryStream package(std::vector<std::uint8_t>(data, data + size));
  if (!reader.LoadPackage(package)) {
    if (reader.Count() != 0 || reader.RefusalReason().empty()) __builtin_trap();
    return 0;
  }
  TMemoryStream out;
  std::string found;
  reader.ExtractByPattern(".ini", out, found);
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < reader.Count(); ++i) {
    reader.ExtractByName(reader.Names()[i], out);
    reader.ExtractByIndex(i, out);
    if (out.Size() != reader.EntrySize(i)) __builtin_trap();
    total += out.Size();
  }
  if (reader.Count() > TSkinReader::kMaxEntries || total > TSkinReader::kMaxContainerSize) __builtin_trap();
  return 0;
}
