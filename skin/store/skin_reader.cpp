#include "skin_reader.h"

#include <algorithm>

#include "ascii.h"
#include "lzh.h"
#include "lzhuf_model.h"
#include "package_notice.h"

namespace skin::store {
namespace {

std::uint32_t LoadLe32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Each match of the stream takes at least 10 bits (1 for the length, 9 for the
// position) and yields at most 60 bytes: no honest stream expands further.
std::uint64_t LargestOutputOf(std::uint64_t streamBytes) { return streamBytes * 8 / 10 * 60 + 60; }

}  // namespace

TSkinReader::TSkinReader() : OnOldPackage(ShowPackageNotice) {}

void TSkinReader::Clear() {
  names_.clear();
  count_ = 0;
  sizes_.fill(0);
  bodies_.Clear();
  header_.fill(0);
  truncated_ = false;
  declared_ = 0;
  refusal_.clear();
}

bool TSkinReader::Refuse(std::string reason) {
  Clear();
  refusal_ = std::move(reason);
  return false;
}

bool TSkinReader::LoadPackage(TStream& package) {
  Clear();
  package.Seek(0);
  std::uint8_t sizeField[4];
  if (package.Read(sizeField, 4) != 4) return Refuse("the package is shorter than its 4-byte size field");
  const std::uint32_t size = LoadLe32(sizeField);
  if (size > kMaxContainerSize) {
    return Refuse("the package declares " + std::to_string(size) + " bytes, more than the limit of " +
                  std::to_string(kMaxContainerSize) + " bytes");
  }
  const std::uint64_t streamBytes = package.Size() - package.Position();
  if (size > LargestOutputOf(streamBytes)) {
    return Refuse("the package declares " + std::to_string(size) + " bytes, more than its " +
                  std::to_string(streamBytes) + " compressed bytes can hold");
  }

  TMemoryStream container;
  container.Reserve(size + lzhuf::F);
  const bool whole = TLZH(package, container).Decompress(size);
  if (container.Size() < size) return Refuse("the compressed stream ended before the declared size");
  // A corrupt stream's last match may run past the declared size.
  container.SetSize(size);
  if (!LoadContainer(container.Bytes())) return false;
  truncated_ = !whole;
  return true;
}

bool TSkinReader::LoadContainer(std::span<const std::uint8_t> container) {
  Clear();
  if (container.size() < 16) return Refuse("the container is shorter than its 16-byte header");
  const std::uint64_t size = container.size();
  const std::uint8_t* data = container.data();
  std::array<std::uint32_t, 4> header;
  for (int i = 0; i < 4; ++i) header[i] = LoadLe32(data + 4 * i);
  if (header[0] != kVersion) {
    if (OnOldPackage) OnOldPackage(kOldPackageText);
    return Refuse("the container version is " + std::to_string(header[0]) + ", not " + std::to_string(kVersion));
  }

  const std::uint64_t listLength = header[1];
  if (listLength > size - 16u) {
    return Refuse("the name list (" + std::to_string(listLength) + " bytes) is longer than the container");
  }
  std::vector<std::string> names;
  const std::string_view list(reinterpret_cast<const char*>(data + 16), static_cast<std::size_t>(listLength));
  bool tooMany = false;
  ForEachLine(list, [&](std::string_view line) {
    if (names.size() == kMaxEntries) {
      tooMany = true;
      return;
    }
    names.push_back(AsciiLowerCase(line));
  });
  if (tooMany) return Refuse("the container has more than " + std::to_string(kMaxEntries) + " entries");

  const std::uint64_t sizesAt = 16 + listLength;
  const std::uint64_t bodiesAt = sizesAt + 4 * names.size();
  if (bodiesAt > size) return Refuse("the entry sizes run past the end of the container");
  std::array<std::uint32_t, kMaxEntries> sizes{};
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    sizes[i] = LoadLe32(data + sizesAt + 4 * i);
    total += sizes[i];
  }
  if (total > size - bodiesAt) {
    return Refuse("the entry sizes add up to " + std::to_string(total) + " bytes but only " +
                  std::to_string(size - bodiesAt) + " follow");
  }

  header_ = header;
  declared_ = static_cast<std::uint32_t>(size);
  names_ = std::move(names);
  count_ = static_cast<std::uint32_t>(names_.size());
  sizes_ = sizes;
  bodies_.Write(data + bodiesAt, static_cast<std::size_t>(size - bodiesAt));
  bodies_.Seek(0);
  return true;
}

void TSkinReader::WriteEntry(std::size_t index, std::size_t offset, TMemoryStream& out) const {
  out.Write(bodies_.Bytes().data() + offset, sizes_[index]);
  out.Seek(0);
}

void TSkinReader::ExtractByName(std::string_view name, TMemoryStream& out) const {
  out.Clear();
  const std::string wanted = AsciiLowerCase(name);
  std::size_t offset = 0;
  for (std::size_t i = 0; i < count_; ++i) {
    if (names_[i] == wanted) return WriteEntry(i, offset, out);
    offset += sizes_[i];
  }
}

void TSkinReader::ExtractByPattern(std::string_view text, TMemoryStream& out, std::string& foundName) const {
  out.Clear();
  std::size_t offset = 0;
  for (std::size_t i = 0; i < count_; ++i) {
    if (names_[i].find(text) != std::string::npos) {
      foundName = names_[i];
      return WriteEntry(i, offset, out);
    }
    offset += sizes_[i];
  }
}

void TSkinReader::ExtractByIndex(std::size_t index, TMemoryStream& out) const {
  out.Clear();
  if (index >= count_) return;
  std::size_t offset = 0;
  for (std::size_t i = 0; i < index; ++i) offset += sizes_[i];
  WriteEntry(index, offset, out);
}

}  // namespace skin::store
