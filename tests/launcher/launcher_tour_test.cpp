// A user's tour of the launcher as shipped: the staged program started from a
// folder of its own, its window dragged to a new place, then every control
// driven with the real mouse and keyboard from this process and judged by the
// program's state. The same tour runs with skinning off (the reference) and in
// each of our skins; a step that works only unskinned is a fault of the engine.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "launcher_driver.h"
#include "remote.h"
#include "user_input.h"

namespace {

constexpr UINT kSkinnedQuery = 0x3523;
constexpr int kManyMaps = 60;
constexpr UINT kReportView = 0x702C;  // the shell view's "Details" command

struct TourRun {
  const char* name;
  std::wstring arguments;
  bool skinned;
};

std::wstring Skin(const char* name) { return L"--skin \"" + WindowsPath(std::string(BRINDLE_SKINS_DIR) + "/" + name + ".skn") + L"\""; }

std::wstring MapName(int i) { return L"m" + std::to_wstring(100 + i).substr(1) + L".bsp"; }

void PrintTo(const TourRun& run, std::ostream* os) { *os << run.name; }

class LauncherTour : public testing::TestWithParam<TourRun> {};

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

POINT ItemCentre(HWND list_view, int index) {
  tour::Remote<RECT> rect(list_view, RECT{LVIR_ICON});
  SendMessageW(list_view, LVM_GETITEMRECT, static_cast<WPARAM>(index), rect.Address());
  RECT r = rect.Read();
  MapWindowPoints(list_view, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return tour::Centre(r);
}

TEST_P(LauncherTour, AddScrollDeleteRunAndClear) {
  const TourRun& run = GetParam();
  Sandbox box(Utf16(std::string("tour-") + run.name), true);
  box.MakeFolder(L"maps");
  box.Write(L"maps\\alpha.bsp", "a");
  box.Write(L"maps\\beta.bsp", "b");
  for (int i = 1; i <= kManyMaps; ++i) box.Write(L"maps\\" + MapName(i), "m");
  Launcher launcher(box, {}, run.arguments);
  HWND form = launcher.Form();
  tour::Steps step;
  if (run.skinned) {
    ASSERT_TRUE(Skinned(form));
  }
  tour::Settle(form);
  ASSERT_TRUE(tour::DragByCaption(form, {-70, 50})) << "the window follows its caption";

  step("Add: two files picked in the dialog with the mouse, its folder typed");
  tour::Click(tour::Centre(tour::ScreenRect(launcher.Button(1))));
  HWND dialog = launcher.WaitForDialog(L"Open BSP file");
  ASSERT_NE(dialog, nullptr);
  if (run.skinned) {
    EXPECT_TRUE(Skinned(dialog));
  }
  // The view is made anew when the dialog changes folder: looked up each time.
  const auto files = [&] { return FileList(dialog); };
  // The dialog starts where any program of the machine last opened files: the folder is typed first.
  const auto open_maps = [&] {
    tour::Settle(dialog);
    tour::Click(tour::Centre(tour::ScreenRect(FileNameEdit(dialog))));
    tour::Type(box.Path(L"maps"));
    tour::Keys({VK_RETURN});
    return tour::WaitUntil([&] { return SendMessageW(files(), LVM_GETITEMCOUNT, 0, 0) == kManyMaps + 2; });
  };
  ASSERT_TRUE(open_maps());
  tour::Steady([&] { return reinterpret_cast<LRESULT>(files()); });
  const auto selected = [&] { return SendMessageW(files(), LVM_GETSELECTEDCOUNT, 0, 0); };
  // A click into the files (on an icon: a click on a name may start renaming
  // it), then the first two chosen with the keys. The name box may still show
  // its list of completions, which takes the first click away, as it would a user's.
  for (int i = 0; i < 3 && tour::Focus(dialog) != files(); ++i) {
    tour::Click(ItemCentre(files(), 1));
    tour::WaitUntil([&] { return tour::Focus(dialog) == files(); }, 1000);
  }
  ASSERT_EQ(tour::Focus(dialog), files());
  tour::Keys({VK_HOME});
  tour::Keys({VK_SHIFT, VK_DOWN});
  EXPECT_TRUE(tour::WaitUntil([&] { return selected() == 2; }));
  tour::Click(tour::Centre(tour::ScreenRect(GetDlgItem(dialog, IDOK))));
  ASSERT_TRUE(tour::WaitUntil([&] { return !IsWindow(dialog); }));
  std::vector<std::wstring> items = launcher.Items();
  std::sort(items.begin(), items.end());
  EXPECT_EQ(items, (std::vector<std::wstring>{box.Path(L"maps\\alpha.bsp"), box.Path(L"maps\\beta.bsp")}));

  step("Add: many files typed by name");
  tour::Click(tour::Centre(tour::ScreenRect(launcher.Button(1))));
  dialog = launcher.WaitForDialog(L"Open BSP file");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(open_maps());
  std::wstring names;
  for (int i = 1; i <= kManyMaps; ++i) names += L"\"" + MapName(i) + L"\" ";
  tour::Click(tour::Centre(tour::ScreenRect(FileNameEdit(dialog))));
  tour::Keys({VK_END});
  tour::Keys({VK_SHIFT, VK_HOME});  // over whatever the box still shows
  tour::Type(names);
  tour::Keys({VK_RETURN});
  ASSERT_TRUE(tour::WaitUntil([&] { return !IsWindow(dialog); }));
  HWND list = launcher.List();
  ASSERT_TRUE(tour::WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == kManyMaps + 2; }));

  step("the list's scroll bar, after the window moved again: thumb drag, arrow, track");
  ASSERT_TRUE(tour::DragByCaption(form, {90, -30}));
  tour::ExpectScrolling(tour::NonClientBar(list, true), [&] { return SendMessageW(list, LB_GETTOPINDEX, 0, 0); });
  const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);

  step("Delete the first line shown");
  const RECT client = tour::ClientScreenRect(list);
  const auto line = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  tour::Click({client.left + 20, client.top + line / 2});
  ASSERT_TRUE(tour::WaitUntil([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == top; }));
  const std::wstring deleted = launcher.Items()[static_cast<size_t>(top)];
  tour::Click(tour::Centre(tour::ScreenRect(launcher.Button(2))));
  EXPECT_TRUE(tour::WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == kManyMaps + 1; }));
  items = launcher.Items();
  EXPECT_EQ(std::find(items.begin(), items.end(), deleted), items.end());

  step("Run starts the tool with every file");
  tour::Click(tour::Centre(tour::ScreenRect(launcher.Button(4))));
  ASSERT_TRUE(tour::WaitUntil([&] { return box.Exists(L"cmdline.txt"); }, 15000));
  std::wstring expected;
  for (const std::wstring& item : items) expected += L"-f \"" + item + L"\" ";
  EXPECT_TRUE(tour::WaitUntil([&] { return box.Read(L"cmdline.txt") == Utf8(expected + L"-o"); }));

  step("Clear empties the list and Run waits for files");
  tour::Click(tour::Centre(tour::ScreenRect(launcher.Button(3))));
  EXPECT_TRUE(tour::WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 0; }));
  EXPECT_TRUE(tour::WaitUntil([&] { return !IsWindowEnabled(launcher.Button(4)); }));

  step("Alt+F4 closes the window and the program ends cleanly");
  tour::Focus(launcher.Form());
  tour::Keys({VK_MENU, VK_F4});
  EXPECT_EQ(launcher.ExitCode(), 0u);
}

// The file list of a new folder is made by the shell view long after the
// dialog was skinned: it is skinned then, with its header, and in the
// detailed view a click on its bar's down arrow scrolls it.
TEST_P(LauncherTour, TheDownArrowScrollsTheDetailedFileList) {
  const TourRun& run = GetParam();
  Sandbox box(Utf16(std::string("file-list-") + run.name), false);
  box.MakeFolder(L"maps");
  for (int i = 1; i <= kManyMaps; ++i) box.Write(L"maps\\" + MapName(i), "m");
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

  tour::Settle(dialog);
  tour::Click(tour::Centre(tour::ScreenRect(FileNameEdit(dialog))));
  tour::Type(box.Path(L"maps"));
  tour::Keys({VK_RETURN});
  ASSERT_TRUE(tour::WaitUntil([&] { return SendMessageW(FileList(dialog), LVM_GETITEMCOUNT, 0, 0) == kManyMaps; }));
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

  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(tour::WaitUntil([&] { return !IsWindow(dialog); }));
}

INSTANTIATE_TEST_SUITE_P(Skins, LauncherTour,
                         testing::Values(TourRun{"unskinned", L"--no-skin", false}, TourRun{"default", L"", true},
                                         TourRun{"dark", Skin("dark"), true}),
                         [](const testing::TestParamInfo<TourRun>& info) { return info.param.name; });

}  // namespace
