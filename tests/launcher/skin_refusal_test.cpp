// Skin packages the engine cannot use, given to the real launcher with
// --skin: the message box says why in skinpack check's words, the stored skin
// stays, and the memory the process holds stays bounded whatever the package
// declares.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>

#include "hostile_skins.h"
#include "launcher_driver.h"
#include "skin/check/package_check.h"
#include "skin/check/refusal.h"
#include "unix_memory.h"

namespace {

constexpr UINT kSkinnedQuery = 0x3523;
constexpr std::uint64_t kMiB = 1 << 20;

// What the skin in use shows: the frame's size and pixels along the caption.
std::vector<COLORREF> Look(HWND form) {
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(form, kSkinnedQuery, 0, 0) == 1; }, 5000));
  Sleep(500);  // the skinned frame is painted after skin-now
  RECT r;
  GetWindowRect(form, &r);
  std::vector<COLORREF> look{static_cast<COLORREF>(r.right - r.left), static_cast<COLORREF>(r.bottom - r.top)};
  HDC screen = GetDC(nullptr);
  for (int k = 1; k < 8; ++k) look.push_back(GetPixel(screen, r.left + (r.right - r.left) * k / 8, r.top + 3));
  ReleaseDC(nullptr, screen);
  return look;
}

std::wstring SkinArgument(const std::wstring& path) { return L"--skin \"" + path + L"\""; }

TEST(SkinOption, AnUnusablePackageIsRefusedInSkinpacksWordsAndTheStoredSkinStays) {
  std::vector<COLORREF> stored, dark;
  {
    Sandbox box(L"skin-stored", false);
    Launcher launcher(box);
    stored = Look(launcher.Form());
  }
  {
    // Another good skin does change the look, so that the comparison below sees a change.
    Sandbox box(L"skin-dark", false);
    std::ifstream file(WindowsPath(BRINDLE_SKINS_DIR "/dark.skn").c_str(), std::ios::binary);
    box.Write(L"dark.skn", std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    Launcher launcher(box, {}, SkinArgument(box.Path(L"dark.skn")));
    dark = Look(launcher.Form());
  }
  EXPECT_NE(dark, stored);

  for (const picture_test::HostileSkin& skin : picture_test::HostileSkins()) {
    const std::wstring name = L"skin-" + Utf16(skin.name);
    Sandbox box(name, false);
    const std::wstring path = box.Path(Utf16(skin.name) + L".skn");
    box.Write(Utf16(skin.name) + L".skn", std::string(skin.package.begin(), skin.package.end()));
    skin::store::TSkinReader reader;
    reader.OnOldPackage = nullptr;
    const std::string expected = skin::check::RefusalText(Utf8(path), skin::check::PackageProblems(skin.package, reader));

    Launcher launcher(box, {}, SkinArgument(path), false);
    HWND message = launcher.WaitForDialog(L"", 30000);
    ASSERT_NE(message, nullptr) << skin.name;
    const UnixMemory refusing = UnixMemoryOf(L"BrindleLauncher", name);
    EXPECT_EQ(Utf8(WindowText(GetDlgItem(message, 0xFFFF))), expected);
    PostMessageW(message, WM_COMMAND, IDOK, 0);
    ASSERT_NE(launcher.WaitForForm(), nullptr) << skin.name;
    EXPECT_EQ(Look(launcher.Form()), stored) << skin.name;
    const UnixMemory running = UnixMemoryOf(L"BrindleLauncher", name);

    std::printf("%-18s %4llu MiB committed (%3llu MiB resident) at the refusal, %4llu MiB running\n",
                skin.name.c_str(), static_cast<unsigned long long>(refusing.committed / kMiB),
                static_cast<unsigned long long>(refusing.resident / kMiB),
                static_cast<unsigned long long>(running.committed / kMiB));
    ASSERT_TRUE(refusing.found && running.found) << "no /proc entry for " << skin.name;
    EXPECT_LT(refusing.committed, 300 * kMiB) << skin.name;
    EXPECT_LT(running.committed, 300 * kMiB) << skin.name;
  }
}

}  // namespace
