// The old-package notice on Windows: a real message box holding the text.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/store/package_notice.h"
#include "skin/store/skin_reader.h"

namespace {

DWORD WINAPI ShowNotice(void*) {
  skin::store::ShowPackageNotice(skin::store::TSkinReader::kOldPackageText);
  return 0;
}

struct Found {
  HWND box = nullptr;
  std::wstring text;
};

BOOL CALLBACK FindBox(HWND w, LPARAM p) {
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  if (std::wstring(cls) != L"#32770") return TRUE;
  reinterpret_cast<Found*>(p)->box = w;
  return FALSE;
}

BOOL CALLBACK ReadStatics(HWND w, LPARAM p) {
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  if (std::wstring(cls) == L"Static") {
    wchar_t text[256] = {};
    GetWindowTextW(w, text, 256);
    reinterpret_cast<Found*>(p)->text += text;
  }
  return TRUE;
}

}  // namespace

TEST(PackageNotice, ShowsTheOldPackageTextInAMessageBox) {
  DWORD tid = 0;
  HANDLE thread = CreateThread(nullptr, 0, ShowNotice, nullptr, 0, &tid);
  ASSERT_NE(thread, nullptr);
  Found found;
  for (int i = 0; i < 400 && !found.box; ++i) {
    Sleep(25);
    EnumThreadWindows(tid, FindBox, reinterpret_cast<LPARAM>(&found));
  }
  ASSERT_NE(found.box, nullptr) << "no message box appeared";
  // The box exists before its text is filled in.
  for (int i = 0; i < 400 && found.text.find(L"Please update") == std::wstring::npos; ++i) {
    found.text.clear();
    EnumChildWindows(found.box, ReadStatics, reinterpret_cast<LPARAM>(&found));
    if (found.text.find(L"Please update") == std::wstring::npos) Sleep(25);
  }
  EXPECT_NE(found.text.find(L"This is Older Skin File"), std::wstring::npos);
  EXPECT_NE(found.text.find(L"Please update to new version !"), std::wstring::npos);

  PostMessageW(found.box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0) << "the message box did not close";
  CloseHandle(thread);
}
