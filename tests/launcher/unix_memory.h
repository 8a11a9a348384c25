#pragma once
// The memory a program of the Wine prefix holds, read from the Linux side's
// /proc entry of its process: Wine's own counters miss memory that is
// committed but never touched.
#include <cstdint>
#include <string_view>

struct UnixMemory {
  bool found = false;
  std::uint64_t committed = 0;  // bytes of writable private mappings: what Linux counts as committed
  std::uint64_t resident = 0;   // bytes in memory (VmRSS)
};

// The process whose command line holds both texts (the largest if several do).
UnixMemory UnixMemoryOf(std::wstring_view program, std::wstring_view marker);
