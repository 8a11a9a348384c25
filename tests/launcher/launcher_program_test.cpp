// The real launcher program, driven from this separate process.
#include <gtest/gtest.h>

#include <windows.h>

#include "launcher_driver.h"

namespace {

struct LanguageCase {
  const wchar_t* name;
  const char* def;           // BrindleLauncher.def, or null
  const wchar_t* ini_name;   // language file, or null
  const char* ini;
  std::vector<std::wstring> captions;
};

const std::vector<std::wstring> kEnglish{L"Add", L"Delete", L"Clear", L"Do it!"};
const std::vector<std::wstring> kUkrainian{L"Додати", L"Видалити", L"Очистити", L"Зробити!"};
const std::vector<std::wstring> kRussian{L"Добавить", L"Удалить", L"Очистить", L"Сделать!"};
const std::vector<std::wstring> kStored{L"Add", L"Delete", L"Clear", L"Run"};

class LanguageTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageTest, CaptionsOfTheRunningWindow) {
  const LanguageCase& c = GetParam();
  Sandbox box(std::wstring(L"lang-") + c.name, false);
  if (c.def) box.Write(L"BrindleLauncher.def", c.def);
  if (c.ini_name) box.Write(c.ini_name, c.ini);
  Launcher launcher(box);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(WindowText(launcher.Button(i)), c.captions[static_cast<size_t>(i - 1)]) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LanguageTest,
    ::testing::Values(
        LanguageCase{L"none", nullptr, nullptr, nullptr, kEnglish},
        LanguageCase{L"0", nullptr, L"Brindle.ini", "[General]\r\nLanguage=0\r\n", kEnglish},
        LanguageCase{L"1", nullptr, L"Brindle.ini", "[General]\r\nLanguage=1\r\n", kUkrainian},
        LanguageCase{L"2", nullptr, L"Brindle.ini", "[General]\r\nLanguage=2\r\n", kRussian},
        LanguageCase{L"3", nullptr, L"Brindle.ini", "[General]\r\nLanguage=3\r\n", kStored},
        LanguageCase{L"minus1", nullptr, L"Brindle.ini", "[General]\r\nLanguage=-1\r\n", kStored},
        LanguageCase{L"hex", nullptr, L"Brindle.ini", "[General]\r\nLanguage=0x2\r\n", kRussian},
        LanguageCase{L"abc", nullptr, L"Brindle.ini", "[General]\r\nLanguage=abc\r\n", kEnglish},
        // Enabled without a name: the language file is named like the program.
        LanguageCase{L"own-name", "[LanguageCustomFile]\r\nEnabled=1\r\n", L"BrindleLauncher.ini",
                     "[General]\r\nLanguage=1\r\n", kUkrainian}),
    [](const auto& info) { return Utf8(info.param.name) == "own-name" ? std::string("own_name") : Utf8(info.param.name); });

TEST(LauncherDialog, RussianTitleAndFilterInTheRealOpenDialog) {
  Sandbox box(L"dialog-ru", false);
  box.Write(L"Brindle.ini", "[General]\r\nLanguage=0x2\r\n");
  Launcher launcher(box);
  launcher.PostClick(launcher.Button(1));
  HWND dialog = launcher.WaitForDialog(L"Открыть BSP файл");
  ASSERT_NE(dialog, nullptr);
  HWND types = GetDlgItem(dialog, 0x470);
  wchar_t filter[128] = {};
  SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
  EXPECT_EQ(std::wstring(filter), L"BSP файл (*.bsp)");
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(launcher.Items().empty());  // cancelled: the list is unchanged
}

class CommandLineTest : public ::testing::Test {
protected:
  CommandLineTest() : box(L"command-line", true) {
    box.MakeFolder(L"maps");
    box.MakeFolder(L"maps\\карти");
    for (const wchar_t* f : {L"maps\\a.bsp", L"maps\\b c.bsp", L"maps\\карти\\мапа 1.bsp"}) box.Write(f, "BSP");
  }
  // Presses Run and returns what the tool received.
  std::wstring Run(const Launcher& launcher) {
    box.Remove(L"cmdline.txt");
    launcher.Click(launcher.Button(4));
    EXPECT_TRUE(WaitUntil([&] { return box.Exists(L"cmdline.txt") && !box.Read(L"cmdline.txt").empty(); }));
    Sleep(50);
    return Utf16(box.Read(L"cmdline.txt"));
  }
  Sandbox box;
};

TEST_F(CommandLineTest, FilesChosenInTheDialogReachTheToolQuoted) {
  Launcher launcher(box, box.Path(L"maps"));
  const std::wstring maps = box.Path(L"maps\\");

  launcher.AddFiles(maps, L"a.bsp");
  EXPECT_EQ(launcher.Items(), (std::vector<std::wstring>{maps + L"a.bsp"}));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(launcher.Button(4)) != FALSE; }));
  EXPECT_EQ(Run(launcher), L"-f \"" + maps + L"a.bsp\" -o");

  launcher.AddFiles(maps, L"\"b c.bsp\" \"a.bsp\"");
  const auto items = launcher.Items();
  ASSERT_EQ(items.size(), 3u);
  std::wstring expected;
  for (const auto& item : items) expected += L"-f \"" + item + L"\" ";
  expected += L"-o";
  EXPECT_EQ(Run(launcher), expected);
  EXPECT_NE(std::find(items.begin(), items.end(), maps + L"b c.bsp"), items.end());
}

TEST_F(CommandLineTest, SameFileTwiceIsListedAndPassedTwice) {
  Launcher launcher(box, box.Path(L"maps"));
  const std::wstring maps = box.Path(L"maps\\");
  launcher.AddFiles(maps, L"a.bsp");
  launcher.AddFiles(maps, L"a.bsp");
  const std::wstring a = box.Path(L"maps\\a.bsp");
  EXPECT_EQ(launcher.Items(), (std::vector<std::wstring>{a, a}));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(launcher.Button(4)) != FALSE; }));
  EXPECT_EQ(Run(launcher), L"-f \"" + a + L"\" -f \"" + a + L"\" -o");
}

TEST_F(CommandLineTest, CyrillicPathsArriveIntact) {
  Launcher launcher(box, box.Path(L"maps"));
  const std::wstring path = box.Path(L"maps\\карти\\мапа 1.bsp");
  launcher.AddFiles(box.Path(L"maps\\карти\\"), L"мапа 1.bsp");
  EXPECT_EQ(launcher.Items(), (std::vector<std::wstring>{path}));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(launcher.Button(4)) != FALSE; }));
  EXPECT_EQ(Run(launcher), L"-f \"" + path + L"\" -o");
}

class BehaviourTest : public ::testing::Test {
protected:
  BehaviourTest() : box(L"behaviour", false) {
    box.MakeFolder(L"maps");
    box.Write(L"maps\\a.bsp", "BSP");
    box.Write(L"maps\\b.bsp", "BSP");
  }
  std::wstring Maps() const { return box.Path(L"maps\\"); }
  Sandbox box;
};

TEST_F(BehaviourTest, WindowIsCentredOnTheScreen) {
  Launcher launcher(box);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(launcher.Form(), 0x3523, 0, 0) == 1; }));
  RECT r;
  GetWindowRect(launcher.Form(), &r);
  // The form is centred as the system frames it; the skinned frame then
  // grows around the same client area from the same top-left corner.
  RECT system{0, 0, 427, 249};
  AdjustWindowRectEx(&system, static_cast<DWORD>(GetWindowLongW(launcher.Form(), GWL_STYLE)) | WS_CAPTION, FALSE,
                     static_cast<DWORD>(GetWindowLongW(launcher.Form(), GWL_EXSTYLE)));
  const auto half_even = [](int v) { return v % 2 == 0 ? v / 2 : ((v / 2) % 2 == 0 ? v / 2 : v / 2 + 1); };
  EXPECT_EQ(r.left, half_even(GetSystemMetrics(SM_CXSCREEN)) - half_even(system.right - system.left));
  EXPECT_EQ(r.top, half_even(GetSystemMetrics(SM_CYSCREEN)) - half_even(system.bottom - system.top));
  RECT client;
  GetClientRect(launcher.Form(), &client);
  EXPECT_EQ(client.right, 427);
  EXPECT_EQ(client.bottom, 249);
}

TEST_F(BehaviourTest, RunFollowsTheListWithinATick) {
  Launcher launcher(box, box.Path(L"maps"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(launcher.Button(4)); }, 1000));
  launcher.AddFiles(Maps(), L"\"a.bsp\" \"b.bsp\"");
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(launcher.Button(4)) != FALSE; }, 1000));
  launcher.Click(launcher.Button(3));
  EXPECT_TRUE(launcher.Items().empty());
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(launcher.Button(4)); }, 1000));
}

// Everything the skin made while the user worked is freed at exit, once.
TEST_F(BehaviourTest, ClosingAfterWorkEndsTheProgramWithExitCodeZero) {
  Launcher launcher(box, box.Path(L"maps"));
  launcher.AddFiles(Maps(), L"\"a.bsp\" \"b.bsp\"");
  ASSERT_EQ(launcher.Items().size(), 2u);
  EXPECT_EQ(launcher.Close(), 0u);
}

TEST_F(BehaviourTest, DeleteRemovesTheSelectionAndNothingWithoutOne) {
  Launcher launcher(box, box.Path(L"maps"));
  launcher.AddFiles(Maps(), L"\"a.bsp\" \"b.bsp\"");
  ASSERT_EQ(launcher.Items().size(), 2u);
  SendMessageW(launcher.List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  launcher.Click(launcher.Button(2));
  EXPECT_EQ(launcher.Items().size(), 2u);
  const std::wstring second = launcher.Items()[1];
  SendMessageW(launcher.List(), LB_SETCURSEL, 0, 0);
  launcher.Click(launcher.Button(2));
  EXPECT_EQ(launcher.Items(), (std::vector<std::wstring>{second}));
}

TEST_F(BehaviourTest, MissingToolShowsTheSystemsErrorAndKeepsTheList) {
  Launcher launcher(box, box.Path(L"maps"));
  launcher.AddFiles(Maps(), L"a.bsp");
  const auto before = launcher.Items();
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(launcher.Button(4)) != FALSE; }));
  launcher.PostClick(launcher.Button(4));
  HWND box_wnd = launcher.WaitForDialog(L"Brindle");
  ASSERT_NE(box_wnd, nullptr);

  wchar_t* expected = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 ERROR_FILE_NOT_FOUND, 0, reinterpret_cast<wchar_t*>(&expected), 0, nullptr);
  std::wstring text = expected;
  LocalFree(expected);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  EXPECT_EQ(WindowText(GetDlgItem(box_wnd, 0xFFFF)), text);

  PostMessageW(box_wnd, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box_wnd); }));
  EXPECT_EQ(launcher.Items(), before);
  EXPECT_TRUE(IsWindowEnabled(launcher.Button(4)));
}

// The skin engine's question every skinned window answers with 1.
constexpr UINT kSkinnedQuery = 0x3523;

bool AnswersSkinned(HWND window) {
  return WaitUntil([&] { return SendMessageW(window, kSkinnedQuery, 0, 0) == 1; }, 3000);
}

TEST_F(BehaviourTest, EveryWindowOfTheProcessIsSkinned) {
  Launcher launcher(box, box.Path(L"maps"));
  EXPECT_TRUE(AnswersSkinned(launcher.Form()));
  EXPECT_EQ(SendMessageW(launcher.List(), kSkinnedQuery, 0, 0), 1);  // its scroll-bar skinner

  launcher.PostClick(launcher.Button(1));
  HWND dialog = launcher.WaitForDialog(L"Open BSP file");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(AnswersSkinned(dialog));
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

  launcher.AddFiles(Maps(), L"a.bsp");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(launcher.Button(4)) != FALSE; }));
  launcher.PostClick(launcher.Button(4));
  HWND message = launcher.WaitForDialog(L"Brindle");
  ASSERT_NE(message, nullptr);
  EXPECT_TRUE(AnswersSkinned(message));
  PostMessageW(message, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(message); }));
}

TEST_F(BehaviourTest, TheListsScrollBarIsCoveredByTheSkinnedOverlay) {
  Launcher launcher(box);
  for (int i = 0; i < 40; ++i) SendMessageW(launcher.List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"line"));
  HWND overlay = FindWindowExW(GetParent(launcher.List()), nullptr, L"TWScrollbar", nullptr);
  // The real bar lies right of the client area (its metrics, unlike its state, are readable from here).
  const auto covers = [&] {
    RECT client, r;
    GetClientRect(launcher.List(), &client);
    MapWindowPoints(launcher.List(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT bar{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
    return overlay && IsWindowVisible(overlay) && GetWindowRect(overlay, &r) && EqualRect(&r, &bar);
  };
  EXPECT_TRUE(WaitUntil([&] {
    overlay = FindWindowExW(GetParent(launcher.List()), overlay, L"TWScrollbar", nullptr);
    return covers();
  }));
}

TEST_F(BehaviourTest, WithSkinningOffTheWindowKeepsTheSystemFrame) {
  Launcher launcher(box, {}, L"--no-skin");
  Sleep(600);  // past the skin manager's quarter-second action timer
  EXPECT_NE(SendMessageW(launcher.Form(), kSkinnedQuery, 0, 0), 1);
  EXPECT_EQ(GetWindowLongW(launcher.Form(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  RECT client;
  GetClientRect(launcher.Form(), &client);
  EXPECT_EQ(client.right, 427);
  EXPECT_EQ(client.bottom, 249);
}

}  // namespace
