#pragma once
#include <string>

namespace skin {
class TSkinData;
}

// The skin file named by "--skin FILE" on the command line, or empty.
std::wstring SkinFileArgument();

// The skin file named by "--watch FILE" on the command line, or empty.
std::wstring WatchFileArgument();

// "--no-skin" on the command line: the launcher starts with skinning off.
bool SkinOffArgument();

// Loads a skin author's file in place of the stored skin. A file that cannot
// be opened, or a package the engine cannot use, is refused with a message box
// that says why, and the stored skin stays. True when the file's skin was taken.
bool TrySkinFile(skin::TSkinData& data, const std::wstring& path);
