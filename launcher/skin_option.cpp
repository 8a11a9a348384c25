#include "launcher/skin_option.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "host/core/text.h"
#include "skin/check/refusal.h"
#include "skin/data/skin_data.h"
#include "skin/store/package_notice.h"

namespace {

std::vector<std::wstring> Arguments() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::wstring> args;
  for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

std::wstring ArgumentAfter(const wchar_t* option) {
  const std::vector<std::wstring> args = Arguments();
  std::wstring value;
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == option) value = args[i + 1];
  return value;
}

}  // namespace

std::wstring SkinFileArgument() { return ArgumentAfter(L"--skin"); }

std::wstring WatchFileArgument() { return ArgumentAfter(L"--watch"); }

bool SkinOffArgument() {
  const std::vector<std::wstring> args = Arguments();
  return std::find(args.begin(), args.end(), L"--no-skin") != args.end();
}

bool TrySkinFile(skin::TSkinData& data, const std::wstring& path) {
  const std::string name = host::Narrow(path);
  if (!std::ifstream(path.c_str(), std::ios::binary)) {
    skin::store::ShowPackageNotice(skin::check::RefusalText(name, {"cannot open " + name}));
    return false;
  }
  data.SetSkinFile(name);
  return data.SkinFile() == name && !data.SkinMissing();
}
