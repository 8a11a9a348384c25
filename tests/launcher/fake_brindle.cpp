// Stands in for the generator tool: writes the parameters it received (its
// command line without its own name) as UTF-8 to cmdline.txt beside itself.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  std::wstring line = GetCommandLineW();
  size_t start = 0;
  if (!line.empty() && line[0] == L'"') {
    start = line.find(L'"', 1);
    start = start == std::wstring::npos ? line.size() : start + 1;
  } else {
    start = line.find(L' ');
    if (start == std::wstring::npos) start = line.size();
  }
  while (start < line.size() && line[start] == L' ') ++start;
  const std::wstring params = line.substr(start);

  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring out(path, n);
  out.resize(out.find_last_of(L'\\') + 1);
  out += L"cmdline.txt";

  const int bytes = WideCharToMultiByte(CP_UTF8, 0, params.data(), static_cast<int>(params.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, params.data(), static_cast<int>(params.size()), utf8.data(), bytes, nullptr, nullptr);
  HANDLE f = CreateFileW(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(f, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  CloseHandle(f);
  return 0;
}
