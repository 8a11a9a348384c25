#include "files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace skinpack {
namespace {

std::string Reason() { return errno != 0 ? std::strerror(errno) : "I/O error"; }

FileError CannotRead(const std::filesystem::path& path) { return FileError("cannot read " + path.string() + ": " + Reason()); }

}  // namespace

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  TFileInput in(path);
  std::vector<std::uint8_t> bytes(in.Size());
  if (in.Read(bytes.data(), bytes.size()) != bytes.size()) throw CannotRead(path);
  return bytes;
}

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  TFileOutput out(path);
  out.Write(bytes);
  out.Finish();
}

TFileInput::TFileInput(const std::filesystem::path& path) : path_(path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) throw FileError("cannot read " + path.string() + ": it is a folder");
  errno = 0;
  in_.open(path, std::ios::binary | std::ios::ate);
  if (!in_) throw CannotRead(path);
  const std::streamoff end = in_.tellg();
  in_.seekg(0);
  if (end < 0 || !in_) throw CannotRead(path);
  size_ = static_cast<std::size_t>(end);
}

std::size_t TFileInput::Read(void* buffer, std::size_t count) {
  count = std::min(count, size_ - position_);
  if (count == 0) return 0;
  errno = 0;
  in_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
  const auto got = static_cast<std::size_t>(in_.gcount());
  // The file shrank or could not be read: a stream shorter than it said.
  if (got != count) throw CannotRead(path_);
  position_ += got;
  return got;
}

void TFileInput::Write(const void*, std::size_t) { throw FileError("cannot write " + path_.string() + ": opened for reading"); }

void TFileInput::Seek(std::size_t position) {
  position_ = std::min(position, size_);
  in_.clear();
  in_.seekg(static_cast<std::streamoff>(position_));
}

TFileOutput::TFileOutput(const std::filesystem::path& path) : path_(path) {
  errno = 0;
  out_.open(path, std::ios::binary | std::ios::trunc);
  // A path that cannot be opened is left alone: it may be someone's folder.
  if (!out_) throw FileError("cannot write " + path.string() + ": " + Reason());
}

TFileOutput::~TFileOutput() {
  if (finished_) return;
  out_.close();
  std::error_code ec;
  std::filesystem::remove(path_, ec);
}

void TFileOutput::Write(std::span<const std::uint8_t> bytes) {
  errno = 0;
  out_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out_) Fail();
}

void TFileOutput::Finish() {
  errno = 0;
  out_.close();
  if (!out_) Fail();
  finished_ = true;
}

void TFileOutput::Fail() {
  const std::string reason = Reason();
  out_.close();
  std::error_code ec;
  std::filesystem::remove(path_, ec);
  finished_ = true;  // already removed
  throw FileError("cannot write " + path_.string() + ": " + reason);
}

}  // namespace skinpack
