// The real launcher's controls and its open dialog's, skinned: driven from
// this separate process, pixels read from the shared virtual desktop.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "launcher_driver.h"
#include "skin/data/skin_data.h"
#include "skin/draw/transparent.h"

namespace {

constexpr UINT kSkinnedQuery = 0x3523;

bool AnswersSkinned(HWND window) {
  return WaitUntil([&] { return SendMessageW(window, kSkinnedQuery, 0, 0) == 1; }, 3000);
}

// The skin the launcher carries in its form.
std::unique_ptr<skin::TSkinData> DefaultSkin() {
  std::ifstream file("Z:" BRINDLE_SKINS_DIR "/default.skn", std::ios::binary);
  std::vector<std::uint8_t> stream(4);
  stream.insert(stream.end(), std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  const auto size = static_cast<std::uint32_t>(stream.size() - 4);
  for (int i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(size >> (8 * i));
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  data->ReadSkinStream(stream);
  return data;
}

// The button's top-left corner shows frame k of the Buttons element where it is not keyed out.
bool CornerShows(HWND button, const skin::TDataSkinButton& e, int k) {
  RECT r;
  GetWindowRect(button, &r);
  HDC screen = GetDC(nullptr);
  bool same = true;
  for (int y = 0; y < e.TopHeight && same; ++y)
    for (int x = 0; x < e.LeftWidth && same; ++x) {
      COLORREF c = e.Image.Pixel(e.Image.Width() / e.FrameCount * (k - 1) + x, y);
      if (c != skin::kSkinColourKey) same = GetPixel(screen, r.left + x, r.top + y) == c;
    }
  ReleaseDC(nullptr, screen);
  return same;
}

BOOL CALLBACK Collect(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

TEST(LauncherControls, ButtonsAndTheOpenDialogsControlsAreSkinned) {
  const auto skin = DefaultSkin();
  ASSERT_TRUE(skin->Elements().Buttons);
  const skin::TDataSkinButton& buttons = *skin->Elements().Buttons;
  Sandbox box(L"controls", false);
  Launcher launcher(box);
  for (int i = 1; i <= 4; ++i) {
    HWND b = launcher.Button(i);
    EXPECT_TRUE(AnswersSkinned(b)) << i;
    const bool enabled = IsWindowEnabled(b) != FALSE;
    EXPECT_TRUE(WaitUntil([&] {
      return enabled ? CornerShows(b, buttons, 1) || CornerShows(b, buttons, 5) : CornerShows(b, buttons, 3);
    }, 3000)) << i;
  }

  launcher.PostClick(launcher.Button(1));
  HWND dialog = launcher.WaitForDialog(L"Open BSP file");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(AnswersSkinned(dialog));
  std::vector<HWND> children;
  EnumChildWindows(dialog, Collect, reinterpret_cast<LPARAM>(&children));
  int pushes = 0, combos = 0;
  for (HWND w : children) {
    const std::wstring c = ClassOf(w);
    const auto style = static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE));
    const bool push = c == L"Button" && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
    if (!push && c != L"ComboBox") continue;
    (push ? pushes : combos)++;
    EXPECT_TRUE(AnswersSkinned(w)) << Utf8(c) << " " << Utf8(WindowText(w));
  }
  EXPECT_GE(pushes, 2);
  EXPECT_GE(combos, 2);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
}

}  // namespace
