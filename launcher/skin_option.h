#pragma once
#include <string>

namespace skin {
class TSkinData;
}

// The skin file named by "--skin FILE" on the command line, or empty.
std::wstring SkinFileArgument();

// "--no-skin" on the command line: the launcher starts with skinning off.
bool SkinOffArgument();

// Loads a skin author's file in place of the stored skin. A file that is
// missing or that the reader refuses leaves the stored skin as it was; the
// answer says why.
bool TrySkinFile(skin::TSkinData& data, const std::wstring& path, std::string& why);
