#pragma once
// TSkinReader: unpacks a skin package (4-byte size + LZHUF stream of a container
// of named entries) and hands out its entries by name.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stream.h"

namespace skin::store {

// Receives a package's entries as they are unpacked, without the whole
// container being held: the directory first, then each entry's bytes in order.
struct TEntrySink {
  // The names and sizes are read (the reader's Names() and EntrySize()), no
  // body yet. May raise to stop unpacking.
  std::function<void()> OnDirectory;
  // A piece of entry `index`; `last` marks its final piece. An empty entry gets
  // one call with no bytes.
  std::function<void(std::size_t index, std::span<const std::uint8_t> piece, bool last)> OnPiece;
};

class TSkinReader {
public:
  static constexpr std::uint32_t kVersion = 20000;
  static constexpr std::size_t kMaxEntries = 1001;
  // Largest container accepted; a skin is a few hundred KiB.
  static constexpr std::uint32_t kMaxContainerSize = 64u << 20;
  static constexpr std::string_view kOldPackageText = "This is Older Skin File\rPlease update to new version !";

  // Shown when a package has another container version.
  std::function<void(std::string_view text)> OnOldPackage;

  TSkinReader();

  // Reads the whole package from position 0. On refusal the reader holds no
  // entries and RefusalReason() says why. Decompression errors are raised.
  bool LoadPackage(TStream& package);
  // Unpacks the whole package as LoadPackage does, but hands the entries to
  // `sink` instead of keeping them: afterwards the reader has names and sizes
  // and the Extract functions give empty streams. Refusals are the same.
  bool StreamPackage(TStream& package, const TEntrySink& sink);
  // Reads an uncompressed container, as LoadPackage does while decompressing.
  bool LoadContainer(std::span<const std::uint8_t> container);

  // Clears `out`, then writes the body of the first entry named `name`
  // (compared after lower-casing) and rewinds `out`.
  void ExtractByName(std::string_view name, TMemoryStream& out) const;
  // Clears `out`, then writes the body of the first entry whose name contains
  // `text` (not lower-cased) and stores that name in `foundName`; with no such
  // entry `foundName` keeps its value.
  void ExtractByPattern(std::string_view text, TMemoryStream& out, std::string& foundName) const;
  // Clears `out`, then writes the body of entry `index` in package order.
  void ExtractByIndex(std::size_t index, TMemoryStream& out) const;

  const std::vector<std::string>& Names() const { return names_; }
  std::uint32_t Count() const { return count_; }
  std::uint32_t EntrySize(std::size_t index) const { return sizes_.at(index); }
  const std::array<std::uint32_t, 4>& Header() const { return header_; }
  const std::string& RefusalReason() const { return refusal_; }
  // The compressed stream ended before the declared size: the end of the
  // container was read from zero bits.
  bool Truncated() const { return truncated_; }
  // The container size the package declares.
  std::uint32_t DeclaredSize() const { return declared_; }

private:
  enum class Directory { kRead, kIncomplete, kRefused };
  class Unpacker;

  void Clear();
  bool Refuse(std::string reason);
  bool Unpack(TStream& package, const TEntrySink* sink);
  Directory ReadDirectory(std::span<const std::uint8_t> start, std::uint64_t size, std::uint64_t& needed);
  void WriteEntry(std::size_t index, std::size_t offset, TMemoryStream& out) const;

  std::vector<std::string> names_;
  std::uint32_t count_ = 0;
  std::array<std::uint32_t, kMaxEntries> sizes_{};
  TMemoryStream bodies_;
  std::array<std::uint32_t, 4> header_{};
  bool truncated_ = false;
  std::uint32_t declared_ = 0;
  std::uint64_t bodiesAt_ = 0;  // where the first body starts in the container
  std::string refusal_;
};

}  // namespace skin::store
