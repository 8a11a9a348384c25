// The open dialog's file list in the shipped launcher, driven from this
// process with the real mouse: the list (made by the shell view after the
// dialog was skinned) and its header are skinned, its vertical bar lies under
// a skinned overlay, and a click on the bar's down arrow scrolls the list as
// it does with skinning off.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "launcher_driver.h"
#include "user_input.h"

namespace {

constexpr UINT kSkinnedQuery = 0x3523;
constexpr UINT kReportView = 0x702C;  // the shell view's "Details" command
constexpr int kMaps = 60;

struct ListRun {
  const char* name;
  std::wstring arguments;
  bool skinned;
};

void PrintTo(const ListRun& run, std::ostream* os) { *os << run.name; }

std::wstring Skin(const char* name) {
  return L"--skin \"" + WindowsPath(std::string(BRINDLE_SKINS_DIR) + "/" + name + ".skn") + L"\"";
}

bool Skinned(HWND window) {
  return tour::WaitUntil([&] { return SendMessageW(window, kSkinnedQuery, 0, 0) == 1; }, 3000);
}

HWND ShellView(HWND dialog) { return FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr); }

HWND FileList(HWND dialog) {
  HWND view = ShellView(dialog);
  return view ? FindWindowExW(view, nullptr, L"SysListView32", nullptr) : nullptr;
}

HWND FileNameEdit(HWND dialog) {
  HWND edit = GetDlgItem(dialog, 0x47C);
  if (!edit) edit = GetDlgItem(dialog, 0x480);
  while (edit && ClassOf(edit) != L"Edit") edit = GetWindow(edit, GW_CHILD);
  return edit;
}

class FileListRun : public testing::TestWithParam<ListRun> {};

TEST_P(FileListRun, TheDownArrowScrollsTheDetailedFileList) {
  const ListRun& run = GetParam();
  Sandbox box(Utf16(std::string("file-list-") + run.name), false);
  box.MakeFolder(L"maps");
  for (int i = 0; i < kMaps; ++i) box.Write(L"maps\\map" + std::to_wstring(100 + i) + L".bsp", "m");
  Launcher launcher(box, {}, run.arguments);
  if (run.skinned) {
    ASSERT_TRUE(Skinned(launcher.Form()));
  }
  tour::Settle(launcher.Form());
  tour::Click(tour::Centre(tour::ScreenRect(launcher.Button(1))));
  HWND dialog = launcher.WaitForDialog(L"Open BSP file");
  ASSERT_NE(dialog, nullptr);
  if (run.skinned) {
    ASSERT_TRUE(Skinned(dialog));
  }

  // A new folder gives a new shell view and list, long after the dialog was skinned.
  tour::Settle(dialog);
  tour::Click(tour::Centre(tour::ScreenRect(FileNameEdit(dialog))));
  tour::Type(box.Path(L"maps"));
  tour::Keys({VK_RETURN});
  ASSERT_TRUE(tour::WaitUntil([&] { return SendMessageW(FileList(dialog), LVM_GETITEMCOUNT, 0, 0) == kMaps; }));
  PostMessageW(ShellView(dialog), WM_COMMAND, kReportView, 0);
  ASSERT_TRUE(tour::WaitUntil([&] {
    return (GetWindowLongW(FileList(dialog), GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
  }));
  HWND list = FileList(dialog);
  tour::Settle(dialog);

  const tour::BarGeometry bar = tour::NonClientBar(list, true);
  const POINT down = tour::Centre(bar.second_arrow);
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  ASSERT_TRUE(IsWindowVisible(header));
  if (run.skinned) {
    EXPECT_TRUE(Skinned(list));
    EXPECT_TRUE(Skinned(header));
    HWND over = WindowFromPoint(down);
    EXPECT_EQ(ClassOf(over), L"TWScrollbar") << "the skinned bar lies over the list's own";
    EXPECT_EQ(GetParent(over), GetParent(list));
  } else {
    EXPECT_EQ(WindowFromPoint(down), list);
  }

  const LRESULT top = tour::Steady([&] { return SendMessageW(list, LVM_GETTOPINDEX, 0, 0); });
  EXPECT_EQ(top, 0);
  tour::Click(down);
  EXPECT_TRUE(tour::WaitUntil([&] { return SendMessageW(list, LVM_GETTOPINDEX, 0, 0) > top; }));

  Sleep(4000);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(tour::WaitUntil([&] { return !IsWindow(dialog); }));
}

INSTANTIATE_TEST_SUITE_P(Skins, FileListRun,
                         testing::Values(ListRun{"unskinned", L"--no-skin", false}, ListRun{"default", L"", true},
                                         ListRun{"dark", Skin("dark"), true}),
                         [](const testing::TestParamInfo<ListRun>& info) { return info.param.name; });

}  // namespace
