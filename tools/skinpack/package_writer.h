#pragma once
// Builds skin packages: the container of named entries, compressed.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "lzhuf_encoder.h"

namespace skinpack {

struct Entry {
  std::string name;
  std::vector<std::uint8_t> body;
};

class PackError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The uncompressed container: version, name list (CR LF after every name),
// sizes and bodies, in the order given. Raises PackError for entries the
// reader would refuse or misread.
std::vector<std::uint8_t> BuildContainer(const std::vector<Entry>& entries);

// The package as stored: size field and compressed container.
std::vector<std::uint8_t> BuildPackage(const std::vector<Entry>& entries, const EncoderOptions& options = {});

}  // namespace skinpack
