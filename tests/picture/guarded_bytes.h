#pragma once
// A copy of some bytes that ends exactly at a page boundary, with the next page
// unreadable: a read past the end faults even without a sanitizer.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace picture_test {

class GuardedBytes {
public:
  explicit GuardedBytes(const std::vector<std::uint8_t>& bytes);
  ~GuardedBytes();
  GuardedBytes(const GuardedBytes&) = delete;
  GuardedBytes& operator=(const GuardedBytes&) = delete;

  std::span<const std::uint8_t> Span() const { return {data_, size_}; }

private:
  void* base_ = nullptr;
  std::size_t page_ = 0;
  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace picture_test
