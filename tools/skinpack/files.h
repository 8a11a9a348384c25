#pragma once
// File reading and writing for the packer, with errors that name the file.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>
#include <vector>

#include "skin/store/stream.h"

namespace skinpack {

class FileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path);
// Leaves no partial file behind when writing fails.
void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// A file read as a stream, a buffer at a time, so that a package need not be
// held whole.
class TFileInput final : public skin::store::TStream {
public:
  explicit TFileInput(const std::filesystem::path& path);

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void*, std::size_t) override;
  std::size_t Size() const override { return size_; }
  std::size_t Position() const override { return position_; }
  void Seek(std::size_t position) override;

private:
  std::filesystem::path path_;
  std::ifstream in_;
  std::size_t size_ = 0;
  std::size_t position_ = 0;
};

// A file written piece by piece. Unless Finish() succeeds, the file is removed
// again, so that a failure leaves no partial file.
class TFileOutput {
public:
  explicit TFileOutput(const std::filesystem::path& path);
  ~TFileOutput();
  TFileOutput(const TFileOutput&) = delete;
  TFileOutput& operator=(const TFileOutput&) = delete;

  void Write(std::span<const std::uint8_t> bytes);
  void Finish();

private:
  [[noreturn]] void Fail();

  std::filesystem::path path_;
  std::ofstream out_;
  bool finished_ = false;
};

}  // namespace skinpack
