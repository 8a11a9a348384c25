#include "files.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace skinpack {
namespace {

std::string Reason() { return errno != 0 ? std::strerror(errno) : "I/O error"; }

}  // namespace

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) throw FileError("cannot read " + path.string() + ": it is a folder");
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileError("cannot read " + path.string() + ": " + Reason());
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw FileError("cannot read " + path.string() + ": " + Reason());
  return bytes;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  errno = 0;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      out.close();
      if (out) return;
    }
  }
  const std::string reason = Reason();
  std::error_code ec;
  std::filesystem::remove(path, ec);
  throw FileError("cannot write " + path.string() + ": " + reason);
}

}  // namespace skinpack
