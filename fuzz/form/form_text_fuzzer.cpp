// Stored-form text from anywhere: parsed into a tree or refused with host::Error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/core/error.h"
#include "host/stream/form_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    host::ParseStoredForm(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const host::Error&) {
  }
  return 0;
}
