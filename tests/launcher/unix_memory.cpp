#include "unix_memory.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <sstream>
#include <string>

namespace {

// Linux keeps command lines as UTF-8.
std::wstring FromUtf8(const std::string& text) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

// /proc files have no size; they are read until they end.
std::string ReadAll(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string out;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(f, buffer, sizeof buffer, &read, nullptr) && read > 0) out.append(buffer, read);
  CloseHandle(f);
  return out;
}

UnixMemory Read(const std::wstring& dir) {
  UnixMemory m;
  m.found = true;
  std::istringstream maps(ReadAll(dir + L"\\maps"));
  std::string line;
  while (std::getline(maps, line)) {
    char* end = nullptr;
    const std::uint64_t from = std::strtoull(line.c_str(), &end, 16);
    const std::uint64_t to = std::strtoull(end + 1, &end, 16);
    const std::string perms(end + 1, std::min<std::size_t>(4, std::strlen(end + 1)));
    if (perms.size() == 4 && perms[1] == 'w' && perms[3] == 'p') m.committed += to - from;
  }
  const std::string status = ReadAll(dir + L"\\status");
  if (const std::size_t at = status.find("VmRSS:"); at != std::string::npos)
    m.resident = std::strtoull(status.c_str() + at + 6, nullptr, 10) * 1024;
  return m;
}

}  // namespace

UnixMemory UnixMemoryOf(std::wstring_view program, std::wstring_view marker) {
  UnixMemory best;
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &fd);
  if (find == INVALID_HANDLE_VALUE) return best;
  do {
    const std::wstring name = fd.cFileName;
    if (name.empty() || !std::all_of(name.begin(), name.end(), iswdigit)) continue;
    const std::wstring dir = L"Z:\\proc\\" + name;
    std::string command = ReadAll(dir + L"\\cmdline");
    std::replace(command.begin(), command.end(), '\0', ' ');
    const std::wstring wide = FromUtf8(command);
    if (wide.find(program) == std::wstring::npos || wide.find(marker) == std::wstring::npos) continue;
    const UnixMemory m = Read(dir);
    if (m.committed >= best.committed) best = m;
  } while (FindNextFileW(find, &fd));
  FindClose(find);
  return best;
}
