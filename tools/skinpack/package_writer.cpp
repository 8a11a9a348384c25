#include "package_writer.h"

#include "skin/store/skin_reader.h"

namespace skinpack {
namespace {

void PutLe32(std::vector<std::uint8_t>& out, std::uint64_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> BuildContainer(const std::vector<Entry>& entries) {
  using skin::store::TSkinReader;
  if (entries.size() > TSkinReader::kMaxEntries) {
    throw PackError(std::to_string(entries.size()) + " entries, more than the " +
                    std::to_string(TSkinReader::kMaxEntries) + " a package can hold");
  }
  std::string list;
  std::uint64_t total = 0;
  for (const Entry& e : entries) {
    if (e.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      throw PackError("the name \"" + e.name + "\" holds a line break or a zero byte");
    }
    list += e.name;
    list += "\r\n";
    total += e.body.size();
  }
  const std::uint64_t size = 16 + list.size() + 4 * entries.size() + total;
  if (size > TSkinReader::kMaxContainerSize) {
    throw PackError("the container would take " + std::to_string(size) + " bytes, more than the limit of " +
                    std::to_string(TSkinReader::kMaxContainerSize));
  }

  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(size));
  PutLe32(out, TSkinReader::kVersion);
  PutLe32(out, list.size());
  PutLe32(out, 0);
  PutLe32(out, 0);
  out.insert(out.end(), list.begin(), list.end());
  for (const Entry& e : entries) PutLe32(out, e.body.size());
  for (const Entry& e : entries) out.insert(out.end(), e.body.begin(), e.body.end());
  return out;
}

std::vector<std::uint8_t> BuildPackage(const std::vector<Entry>& entries, const EncoderOptions& options) {
  return Compress(BuildContainer(entries), options);
}

}  // namespace skinpack
