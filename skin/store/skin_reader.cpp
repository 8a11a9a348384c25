#include "skin_reader.h"

#include <algorithm>

#include "ascii.h"
#include "lzh.h"
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
  bodiesAt_ = 0;
  refusal_.clear();
}

bool TSkinReader::Refuse(std::string reason) {
  Clear();
  refusal_ = std::move(reason);
  return false;
}

// The decoder's output: collects the directory, then hands the bodies to the
// reader's store or to a sink, entry by entry. Bytes past the declared size (a
// corrupt stream's last match runs over) are dropped.
class TSkinReader::Unpacker final : public TStream {
public:
  // Thrown through the decoder once the directory is refused: nothing after it
  // is worth decoding.
  struct Refused {};

  Unpacker(TSkinReader& reader, std::uint32_t size, const TEntrySink* sink)
      : reader_(reader), size_(size), sink_(sink) {}

  bool Complete() const { return state_ == Directory::kRead; }

  void Write(const void* buffer, std::size_t count) override {
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - taken_));
    taken_ += n;
    if (state_ == Directory::kRead) return Deliver(bytes, n);
    head_.insert(head_.end(), bytes, bytes + n);
    while (state_ == Directory::kIncomplete && head_.size() >= needed_) {
      state_ = reader_.ReadDirectory(head_, size_, needed_);
    }
    if (state_ == Directory::kRefused) throw Refused{};
    if (state_ == Directory::kRead) Begin();
  }
  std::size_t Read(void*, std::size_t) override { return 0; }
  std::size_t Size() const override { return static_cast<std::size_t>(taken_); }
  std::size_t Position() const override { return static_cast<std::size_t>(taken_); }
  void Seek(std::size_t) override {}

private:
  void Begin() {
    const std::vector<std::uint8_t> head = std::move(head_);
    const auto at = static_cast<std::size_t>(reader_.bodiesAt_);
    if (sink_ != nullptr) {
      if (sink_->OnDirectory) sink_->OnDirectory();
      SkipEmpty();
    } else {
      reader_.bodies_.Reserve(static_cast<std::size_t>(size_ - reader_.bodiesAt_));
    }
    Deliver(head.data() + at, head.size() - at);
  }

  void Deliver(const std::uint8_t* bytes, std::size_t n) {
    if (sink_ == nullptr) return reader_.bodies_.Write(bytes, n);
    // Bytes past the last entry belong to no entry.
    while (n > 0 && entry_ < reader_.count_) {
      const auto k = static_cast<std::size_t>(std::min<std::uint64_t>(n, left_));
      left_ -= k;
      sink_->OnPiece(entry_, {bytes, k}, left_ == 0);
      bytes += k;
      n -= k;
      if (left_ == 0) {
        ++entry_;
        SkipEmpty();
      }
    }
  }

  // Announces the empty entries from the current one on, then starts the next
  // one that has bytes.
  void SkipEmpty() {
    while (entry_ < reader_.count_ && reader_.sizes_[entry_] == 0) sink_->OnPiece(entry_++, {}, true);
    left_ = entry_ < reader_.count_ ? reader_.sizes_[entry_] : 0;
  }

  TSkinReader& reader_;
  const std::uint64_t size_;
  const TEntrySink* const sink_;
  std::uint64_t taken_ = 0;
  Directory state_ = Directory::kIncomplete;
  std::vector<std::uint8_t> head_;  // the container's start until its directory is read
  std::uint64_t needed_ = 16;
  std::size_t entry_ = 0;
  std::uint64_t left_ = 0;  // bytes of the current entry still to come
};

bool TSkinReader::LoadPackage(TStream& package) { return Unpack(package, nullptr); }

bool TSkinReader::StreamPackage(TStream& package, const TEntrySink& sink) { return Unpack(package, &sink); }

bool TSkinReader::Unpack(TStream& package, const TEntrySink* sink) {
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

  Unpacker unpacker(*this, size, sink);
  bool whole = false;
  try {
    whole = TLZH(package, unpacker).Decompress(size);
  } catch (const Unpacker::Refused&) {
    return false;
  }
  if (!unpacker.Complete()) return Refuse("the compressed stream ended before the declared size");
  truncated_ = !whole;
  return true;
}

TSkinReader::Directory TSkinReader::ReadDirectory(std::span<const std::uint8_t> start, std::uint64_t size,
                                                  std::uint64_t& needed) {
  const auto refused = [this](std::string reason) {
    Refuse(std::move(reason));
    return Directory::kRefused;
  };
  const auto incomplete = [&needed](std::uint64_t bytes) {
    needed = bytes;
    return Directory::kIncomplete;
  };
  if (size < 16) return refused("the container is shorter than its 16-byte header");
  if (start.size() < 16) return incomplete(16);
  const std::uint8_t* data = start.data();
  std::array<std::uint32_t, 4> header;
  for (int i = 0; i < 4; ++i) header[i] = LoadLe32(data + 4 * i);
  if (header[0] != kVersion) {
    if (OnOldPackage) OnOldPackage(kOldPackageText);
    return refused("the container version is " + std::to_string(header[0]) + ", not " + std::to_string(kVersion));
  }

  const std::uint64_t listLength = header[1];
  if (listLength > size - 16u) {
    return refused("the name list (" + std::to_string(listLength) + " bytes) is longer than the container");
  }
  if (start.size() < 16 + listLength) return incomplete(16 + listLength);
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
  if (tooMany) return refused("the container has more than " + std::to_string(kMaxEntries) + " entries");

  const std::uint64_t sizesAt = 16 + listLength;
  const std::uint64_t bodiesAt = sizesAt + 4 * names.size();
  if (bodiesAt > size) return refused("the entry sizes run past the end of the container");
  if (start.size() < bodiesAt) return incomplete(bodiesAt);
  std::array<std::uint32_t, kMaxEntries> sizes{};
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    sizes[i] = LoadLe32(data + sizesAt + 4 * i);
    total += sizes[i];
  }
  if (total > size - bodiesAt) {
    return refused("the entry sizes add up to " + std::to_string(total) + " bytes but only " +
                   std::to_string(size - bodiesAt) + " follow");
  }

  header_ = header;
  declared_ = static_cast<std::uint32_t>(size);
  names_ = std::move(names);
  count_ = static_cast<std::uint32_t>(names_.size());
  sizes_ = sizes;
  bodiesAt_ = bodiesAt;
  return Directory::kRead;
}

bool TSkinReader::LoadContainer(std::span<const std::uint8_t> container) {
  Clear();
  std::uint64_t needed = 0;
  // With the whole container at hand the directory is never incomplete.
  if (ReadDirectory(container, container.size(), needed) != Directory::kRead) return false;
  bodies_.Write(container.data() + bodiesAt_, static_cast<std::size_t>(container.size() - bodiesAt_));
  bodies_.Seek(0);
  return true;
}

void TSkinReader::WriteEntry(std::size_t index, std::size_t offset, TMemoryStream& out) const {
  // A streamed package keeps no bodies.
  if (offset + sizes_[index] > bodies_.Size()) return;
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
