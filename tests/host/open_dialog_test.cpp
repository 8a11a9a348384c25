// What the open dialog returns, split into full paths.
#include <gtest/gtest.h>

#include "host/dialogs/open_dialog.h"

using namespace host;

namespace {

std::wstring Buffer(std::initializer_list<std::wstring_view> parts) {
  std::wstring b;
  for (auto p : parts) {
    b += p;
    b += L'\0';
  }
  b += L'\0';
  return b;
}

TEST(OpenDialogResult, OneFileIsAFullPath) {
  EXPECT_EQ(SplitDialogFiles(Buffer({L"C:\\maps\\a.bsp"})), (std::vector<std::wstring>{L"C:\\maps\\a.bsp"}));
}

TEST(OpenDialogResult, SeveralFilesShareTheirFolderInTheDialogsOrder) {
  EXPECT_EQ(SplitDialogFiles(Buffer({L"C:\\maps", L"b c.bsp", L"a.bsp"})),
            (std::vector<std::wstring>{L"C:\\maps\\b c.bsp", L"C:\\maps\\a.bsp"}));
  EXPECT_EQ(SplitDialogFiles(Buffer({L"C:\\", L"a.bsp", L"b.bsp"})),
            (std::vector<std::wstring>{L"C:\\a.bsp", L"C:\\b.bsp"}));  // a root keeps one separator
}

TEST(OpenDialogResult, EmptyOrUnterminatedBuffers) {
  EXPECT_TRUE(SplitDialogFiles(std::wstring(4, L'\0')).empty());
  EXPECT_EQ(SplitDialogFiles(L"C:\\x.bsp"), (std::vector<std::wstring>{L"C:\\x.bsp"}));
}

}  // namespace
