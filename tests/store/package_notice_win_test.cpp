// The old-package notice on Windows: a real message box holding the text.
#include <windows.h>

#include <gtest/gtest.h>

#include "message_boxes.h"
#include "skin/store/package_notice.h"
#include "skin/store/skin_reader.h"

TEST(PackageNotice, ShowsTheOldPackageTextInAMessageBox) {
  data_test::MessageBoxCloser closer;
  skin::store::ShowPackageNotice(skin::store::TSkinReader::kOldPackageText);
  EXPECT_EQ(closer.Closed(), 1);
  EXPECT_NE(closer.Text().find(L"This is Older Skin File\nPlease update to new version !"), std::wstring::npos)
      << closer.Text().size();
}
