#pragma once
// One file as a one-member LHA archive whose data is an LZHUF stream under the
// "-lh1-" method, so that an archiver's decoder can be timed on the very bits
// the engine's decoder reads.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bench_data {

// A level-0 header (size, checksum, method, sizes, time, attribute, level,
// name, the data's CRC), the stream and the end mark.
std::vector<std::uint8_t> Lh1Archive(const std::string& name, std::span<const std::uint8_t> original,
                                     std::span<const std::uint8_t> stream);

}  // namespace bench_data
