#include "guarded_bytes.h"

#include <algorithm>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace picture_test {

GuardedBytes::GuardedBytes(const std::vector<std::uint8_t>& bytes) : size_(bytes.size()) {
#ifdef _WIN32
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  page_ = info.dwPageSize;
  base_ = VirtualAlloc(nullptr, 2 * page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  DWORD old = 0;
  if (!base_ || !VirtualProtect(static_cast<std::uint8_t*>(base_) + page_, page_, PAGE_NOACCESS, &old))
    throw std::runtime_error("no guarded pages");
#else
  page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  base_ = mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (base_ == MAP_FAILED || mprotect(static_cast<std::uint8_t*>(base_) + page_, page_, PROT_NONE) != 0)
    throw std::runtime_error("no guarded pages");
#endif
  if (size_ > page_) throw std::runtime_error("more bytes than a page");
  data_ = static_cast<std::uint8_t*>(base_) + page_ - size_;
  std::copy(bytes.begin(), bytes.end(), data_);
}

GuardedBytes::~GuardedBytes() {
#ifdef _WIN32
  VirtualFree(base_, 0, MEM_RELEASE);
#else
  munmap(base_, 2 * page_);
#endif
}

}  // namespace picture_test
