#include "launcher/skin_option.h"

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <iterator>

#include "host/core/text.h"
#include "skin/data/skin_data.h"
#include "skin/store/skin_reader.h"

std::wstring SkinFileArgument() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring path;
  for (int i = 1; argv && i + 1 < argc; ++i)
    if (std::wstring_view(argv[i]) == L"--skin") path = argv[i + 1];
  LocalFree(argv);
  return path;
}

bool SkinOffArgument() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  bool off = false;
  for (int i = 1; argv && i < argc; ++i)
    if (std::wstring_view(argv[i]) == L"--no-skin") off = true;
  LocalFree(argv);
  return off;
}

bool TrySkinFile(skin::TSkinData& data, const std::wstring& path, std::string& why) {
  std::ifstream file(path.c_str(), std::ios::binary);
  if (!file) {
    why = "cannot open " + host::Narrow(path);
    return false;
  }
  skin::store::TMemoryStream package(
      std::vector<std::uint8_t>{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
  skin::store::TSkinReader reader;
  try {
    if (!reader.LoadPackage(package)) {
      why = reader.RefusalReason();
      return false;
    }
  } catch (const std::exception& e) {
    why = e.what();
    return false;
  }
  data.SetSkinFile(host::Narrow(path));
  return true;
}
