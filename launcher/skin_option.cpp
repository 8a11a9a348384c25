#include "launcher/skin_option.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "host/core/text.h"
#include "skin/data/skin_data.h"
#include "skin/store/skin_reader.h"

namespace {

std::vector<std::wstring> Arguments() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::wstring> args;
  for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

}  // namespace

std::wstring SkinFileArgument() {
  const std::vector<std::wstring> args = Arguments();
  std::wstring path;
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == L"--skin") path = args[i + 1];
  return path;
}

bool SkinOffArgument() {
  const std::vector<std::wstring> args = Arguments();
  return std::find(args.begin(), args.end(), L"--no-skin") != args.end();
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
