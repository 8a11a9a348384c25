#pragma once
// Whole-file reading and writing for the packer, with errors that name the file.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace skinpack {

class FileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path);
// Leaves no partial file behind when writing fails.
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace skinpack
