#pragma once
// The skinpack commands. Each returns the process exit status: 0 success,
// 1 bad input or problems found.
#include <filesystem>
#include <iosfwd>

namespace skinpack {

int Pack(const std::filesystem::path& folder, const std::filesystem::path& output, std::ostream& out, std::ostream& err);
int List(const std::filesystem::path& package, std::ostream& out, std::ostream& err);
int Extract(const std::filesystem::path& package, const std::filesystem::path& folder, std::ostream& out,
            std::ostream& err);
int Check(const std::filesystem::path& package, std::ostream& out, std::ostream& err);

}  // namespace skinpack
