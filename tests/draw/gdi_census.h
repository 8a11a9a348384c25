#pragma once
// Counts the GDI objects this program creates and has not deleted yet.
// GetGuiResources answers 0 under Wine, so the program's own calls into
// gdi32 are routed through counting wrappers instead: the wrappers replace
// the gdi32 entries of the program's import table.
#include <windows.h>

namespace drawtest {

// Routes the program's GDI creation and deletion calls through the census;
// returns false when the import table could not be patched.
bool InstallGdiCensus();
// Objects (bitmaps, brushes, pens, fonts, regions, DCs) created and not yet deleted;
// a region given to a window leaves the count, as the system deletes it.
long LiveGdiObjects();
// Deletions of objects the census never saw created.
long StrayGdiDeletions();

}  // namespace drawtest
