#include "lh1_archive.h"

#include <stdexcept>

namespace bench_data {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The archive format's CRC-16 (polynomial 0xA001, reflected, start 0).
std::uint16_t Crc16(std::span<const std::uint8_t> data) {
  std::uint16_t crc = 0;
  for (std::uint8_t b : data) {
    crc ^= b;
    for (int i = 0; i < 8; ++i) crc = static_cast<std::uint16_t>(crc & 1 ? (crc >> 1) ^ 0xA001 : crc >> 1);
  }
  return crc;
}

void Put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

Bytes Lh1Archive(const std::string& name, std::span<const std::uint8_t> original, std::span<const std::uint8_t> stream) {
  if (name.size() > 200) throw std::invalid_argument("the file name is too long for the archive header");
  Bytes header = {'-', 'l', 'h', '1', '-'};
  Put32(header, static_cast<std::uint32_t>(stream.size()));
  Put32(header, static_cast<std::uint32_t>(original.size()));
  Put32(header, 0x5A210000);  // 2025-01-01 00:00 in DOS form
  header.push_back(0x20);
  header.push_back(0);
  header.push_back(static_cast<std::uint8_t>(name.size()));
  header.insert(header.end(), name.begin(), name.end());
  const std::uint16_t crc = Crc16(original);
  header.push_back(static_cast<std::uint8_t>(crc));
  header.push_back(static_cast<std::uint8_t>(crc >> 8));

  std::uint8_t sum = 0;
  for (std::uint8_t b : header) sum = static_cast<std::uint8_t>(sum + b);
  Bytes archive = {static_cast<std::uint8_t>(header.size()), sum};
  archive.insert(archive.end(), header.begin(), header.end());
  archive.insert(archive.end(), stream.begin(), stream.end());
  archive.push_back(0);
  return archive;
}

}  // namespace bench_data
