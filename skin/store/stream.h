#pragma once
// Byte streams the package code reads from and writes to: an abstract stream
// and the in-memory stream that holds packages, containers and entries.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace skin::store {

class EStreamError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TStream {
public:
  virtual ~TStream() = default;
  // Delivers up to count bytes from the current position; fewer only at the end.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Takes all count bytes or raises EStreamError.
  virtual void Write(const void* buffer, std::size_t count) = 0;
  virtual std::size_t Size() const = 0;
  virtual std::size_t Position() const = 0;
  // Positions past the end are clamped to the end.
  virtual void Seek(std::size_t position) = 0;
};

class TMemoryStream final : public TStream {
public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : data_(std::move(bytes)) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::size_t Size() const override { return data_.size(); }
  std::size_t Position() const override { return position_; }
  void Seek(std::size_t position) override;

  // Empties the stream and rewinds it.
  void Clear();
  // Cuts or extends (with zeros) the stream; the position stays within it.
  void SetSize(std::size_t size);
  void Reserve(std::size_t size) { data_.reserve(size); }

  std::span<const std::uint8_t> Bytes() const { return data_; }
  const std::vector<std::uint8_t>& Data() const { return data_; }

private:
  std::vector<std::uint8_t> data_;
  std::size_t position_ = 0;
};

}  // namespace skin::store
