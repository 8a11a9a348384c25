// The real control gallery, started as a separate process and looked at
// through its windows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>
#include <string>
#include <vector>

#include "gallery_driver.h"
#include "remote.h"
#include "host/core/colour.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/data/skin_data.h"
#include "test_skins.h"
#include "user_input.h"

namespace {

constexpr UINT kSkinnedQuery = 0x3523;

using tour::ClassOf;
using tour::TextOf;

std::vector<std::wstring> Texts(const std::vector<HWND>& windows) {
  std::vector<std::wstring> out;
  for (HWND w : windows) out.push_back(TextOf(w));
  return out;
}

bool Has(const std::vector<std::wstring>& texts, const wchar_t* text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

RECT ScreenRect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

// A window's own bar as the system gives its rectangle (GetScrollBarInfo
// answers only in the window's process): along the client area, right or
// below, one pixel into the corner when the window has both bars.
RECT NonClientBar(HWND w, bool vertical) {
  RECT c;
  GetClientRect(w, &c);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&c), 2);
  const bool both = (GetWindowLongW(w, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) == (WS_HSCROLL | WS_VSCROLL);
  if (vertical) return {c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom + both};
  return {c.left, c.bottom, c.right + both, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

TEST(GalleryProgram, StartsSkinnedWithEveryControl) {
  Gallery gallery(L"");
  ASSERT_NE(gallery.Form(), nullptr);
  const auto skinned = [](HWND w) { return SendMessageW(w, kSkinnedQuery, 0, 0) == 1; };
  EXPECT_TRUE(skinned(gallery.Form()));
  auto children = gallery.Children();
  const auto buttons = Texts(children[L"Button"]);
  for (const wchar_t* b : {L"Push", L"Default", L"Disabled", L"Glyph", L"Menu button"}) EXPECT_TRUE(Has(buttons, b)) << b;
  EXPECT_EQ(children[L"ComboBox"].size(), 3u);
  EXPECT_EQ(children[L"ScrollBar"].size(), 2u);
  EXPECT_EQ(children[L"TPanel"].size(), 2u);
  EXPECT_EQ(children[L"msctls_statusbar32"].size(), 1u);
  EXPECT_EQ(children[L"TGroupBox"].size(), 2u) << "the group box and the radio group";
  ASSERT_EQ(children[L"ListBox"].size(), 1u);
  const HWND list = children[L"ListBox"][0];
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 200);

  // Every control the engine skins answers the query; an edit without a border keeps the system's look.
  EXPECT_EQ(children[L"msctls_trackbar32"].size(), 2u);
  EXPECT_EQ(children[L"msctls_progress32"].size(), 6u);
  for (const wchar_t* kind : {L"Button", L"ComboBox", L"ListBox", L"ScrollBar", L"msctls_trackbar32", L"msctls_progress32",
                              L"msctls_statusbar32", L"TGroupBox"})
    for (HWND w : children[kind]) EXPECT_TRUE(skinned(w)) << testing::PrintToString(kind + (L" " + TextOf(w)));
  HWND memo = nullptr, spin = nullptr;
  for (HWND e : children[L"Edit"]) {
    const std::wstring text = TextOf(e);
    EXPECT_EQ(skinned(e), text != L"Edit without a border") << testing::PrintToString(text);
    if (GetWindowLongW(e, GWL_STYLE) & ES_MULTILINE) memo = e;
    if (text == L"25") spin = e;
  }
  ASSERT_NE(spin, nullptr);
  const HWND up_down = GetTopWindow(spin);
  ASSERT_EQ(ClassOf(up_down), L"msctls_updown32");
  // The spin edit finds its arrows when it first paints, on its page.
  ASSERT_TRUE(gallery.ShowPage(L"Text"));
  EXPECT_TRUE(tour::WaitUntil([&] { return skinned(up_down); }));

  // A shown overlay lies exactly over each real bar.
  ASSERT_NE(memo, nullptr);
  std::vector<RECT> overlays;
  for (HWND o : children[L"TWScrollbar"])
    if (GetWindowLongW(o, GWL_STYLE) & WS_VISIBLE) overlays.push_back(ScreenRect(o));  // on any page
  const std::pair<const char*, RECT> bars[] = {
      {"list", NonClientBar(list, true)},
      {"memo, vertical", NonClientBar(memo, true)},
      {"memo, horizontal", NonClientBar(memo, false)},
      {"first scroll bar", ScreenRect(children[L"ScrollBar"].at(0))},
      {"second scroll bar", ScreenRect(children[L"ScrollBar"].at(1))},
  };
  for (const auto& [name, bar] : bars)
    EXPECT_EQ(std::count_if(overlays.begin(), overlays.end(), [&](const RECT& o) { return EqualRect(&o, &bar); }), 1)
        << name;
}

TEST(GalleryProgram, WithoutSkinTheControlsKeepTheirSystemStyles) {
  Gallery gallery(L"--no-skin");
  ASSERT_NE(gallery.Form(), nullptr);
  EXPECT_NE(SendMessageW(gallery.Form(), kSkinnedQuery, 0, 0), 1);
  auto children = gallery.Children();
  std::map<std::wstring, HWND> edits;
  for (HWND e : children[L"Edit"]) edits[TextOf(e)] = e;
  for (const wchar_t* text : {L"Edit with a border", L"Edit without a border", L"Read-only edit", L"Disabled edit", L"25"})
    ASSERT_TRUE(edits.count(text)) << "no edit shows " << testing::PrintToString(std::wstring(text)) << " among "
                                   << testing::PrintToString(Texts(children[L"Edit"]));
  const auto ex = [](HWND w) { return GetWindowLongW(w, GWL_EXSTYLE); };
  const auto style = [](HWND w) { return GetWindowLongW(w, GWL_STYLE); };
  EXPECT_TRUE(ex(edits[L"Edit with a border"]) & WS_EX_CLIENTEDGE);
  EXPECT_FALSE(ex(edits[L"Edit without a border"]) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(style(edits[L"Read-only edit"]) & ES_READONLY);
  EXPECT_TRUE(style(edits[L"Disabled edit"]) & WS_DISABLED);
  EXPECT_EQ(ClassOf(GetTopWindow(edits[L"25"])), L"msctls_updown32");  // the spin edit
  HWND memo = nullptr;
  for (HWND e : children[L"Edit"])
    if (style(e) & ES_MULTILINE) memo = e;
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(style(memo) & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);
  EXPECT_EQ(SendMessageW(memo, EM_GETLINECOUNT, 0, 0), 40);
  int horizontal = 0, vertical = 0;
  for (HWND s : children[L"ScrollBar"]) ++((style(s) & SBS_VERT) ? vertical : horizontal);
  EXPECT_EQ(horizontal, 1);
  EXPECT_EQ(vertical, 1);
  std::vector<LONG> combo_kinds;
  for (HWND c : children[L"ComboBox"]) combo_kinds.push_back(style(c) & 3);
  std::sort(combo_kinds.begin(), combo_kinds.end());
  EXPECT_EQ(combo_kinds, (std::vector<LONG>{CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST}));
}

// The window as the screen shows it, one colour per pixel, row by row.
std::vector<COLORREF> Capture(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB}};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels(static_cast<const COLORREF*>(bits), static_cast<const COLORREF*>(bits) + w * h);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

double SameShare(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  if (a.size() != b.size() || a.empty()) return 0;
  std::size_t same = 0;
  for (std::size_t i = 0; i < a.size(); ++i) same += a[i] == b[i];
  return static_cast<double>(same) / static_cast<double>(a.size());
}

void Keys(std::initializer_list<WORD> down) {
  std::vector<INPUT> in;
  for (WORD k : down) in.push_back(INPUT{INPUT_KEYBOARD, {.ki = {k, 0, 0, 0, 0}}});
  for (auto it = down.end(); it != down.begin();) in.push_back(INPUT{INPUT_KEYBOARD, {.ki = {*--it, 0, KEYEVENTF_KEYUP, 0, 0}}});
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  Sleep(300);
}

HWND WaitForDialog(DWORD process) {
  for (int i = 0; i < 100; ++i) {
    HWND found = nullptr;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == process && IsWindowVisible(w) && ClassOf(w) == L"#32770") found = w;
    }
    if (found) return found;
    Sleep(100);
  }
  return nullptr;
}

std::wstring DarkSkin() { return WindowsPath(std::string(BRINDLE_SKINS_DIR) + "/dark.skn"); }

// The skin a running gallery opens through File, "Open skin..." looks as
// the same skin does from the start, on the whole window.
TEST(GalleryProgram, OpeningASkinFromTheMenuRepaintsTheWindowInIt) {
  std::vector<COLORREF> dark;
  {
    Gallery reference(SkinArgument("dark"));
    ASSERT_NE(reference.Form(), nullptr);
    dark = Capture(reference.Form());
  }
  Gallery gallery(L"");
  ASSERT_NE(gallery.Form(), nullptr);
  SetForegroundWindow(gallery.Form());
  Sleep(300);
  const std::vector<COLORREF> before = Capture(gallery.Form());
  Keys({VK_MENU, 'F'});
  Keys({'O'});
  HWND dialog = WaitForDialog(gallery.Id());
  ASSERT_NE(dialog, nullptr) << "Alt+F, O opens the open dialog";
  EXPECT_EQ(SendMessageW(dialog, kSkinnedQuery, 0, 0), 1);
  HWND edit = GetDlgItem(dialog, 0x47C);
  if (!edit) edit = GetDlgItem(dialog, 0x480);
  while (edit && ClassOf(edit) != L"Edit") edit = GetWindow(edit, GW_CHILD);
  ASSERT_NE(edit, nullptr);
  // The folder first (the dialog moves into it and stays), then the file's name.
  const std::wstring path = DarkSkin();
  const std::size_t slash = path.rfind(L'\\');
  const auto open = [&](const std::wstring& text, bool wait) {
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const auto ok = reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK));
    if (wait)
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), ok);
    else
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), ok);
  };
  open(path.substr(0, slash), true);
  open(path.substr(slash + 1), false);
  for (int i = 0; i < 50 && IsWindow(dialog); ++i) Sleep(100);
  EXPECT_FALSE(IsWindow(dialog));
  // The skin change is carried out by the manager's timer, then repainted.
  std::vector<COLORREF> after;
  for (int i = 0; i < 50 && SameShare(after = Capture(gallery.Form()), dark) <= 0.99; ++i) Sleep(100);
  EXPECT_LT(SameShare(before, after), 0.5) << "the window changed its look";
  // The caret and the focus rectangle may sit elsewhere: nearly every pixel, not every one.
  EXPECT_GT(SameShare(after, dark), 0.99);
}

// File, "Skinning" switches the skin off and on again, and the window's
// menu goes to the system and comes back to the skinned bar with it.
TEST(GalleryProgram, TheSkinningItemSwitchesTheSkinOffAndOn) {
  Gallery gallery(L"");
  ASSERT_NE(gallery.Form(), nullptr);
  SetForegroundWindow(gallery.Form());
  Sleep(300);
  const auto skinned = [&] { return SendMessageW(gallery.Form(), kSkinnedQuery, 0, 0) == 1; };
  const auto wait_for = [&](bool on) {
    for (int i = 0; i < 50 && skinned() != on; ++i) Sleep(100);
    return skinned() == on;
  };
  ASSERT_TRUE(skinned());
  EXPECT_EQ(GetMenu(gallery.Form()), nullptr) << "the skinned bar holds the menu";
  Keys({VK_MENU, 'F'});
  Keys({'S'});
  ASSERT_TRUE(wait_for(false));
  EXPECT_NE(GetMenu(gallery.Form()), nullptr) << "the system's menu bar is back";
  Keys({VK_MENU, 'F'});
  Keys({'S'});
  EXPECT_TRUE(wait_for(true));
  EXPECT_EQ(GetMenu(gallery.Form()), nullptr);
}

// One of our packed skins, read as the program reads it.
void LoadSkin(const char* name, skin::TSkinData& data) {
  std::ifstream file(std::string(BRINDLE_SKINS_DIR) + "/" + name + ".skn", std::ios::binary);
  data.ReadSkinStream(data_test::StreamOf({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()}));
}

BOOL CALLBACK FindComboEdit(HWND w, LPARAM out) {
  if (ClassOf(w) == L"Edit" && ClassOf(GetParent(w)) == L"ComboBox" && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
  }
  return TRUE;
}

// In the dark skin the open dialog's file name box is dark inside, in the skin's own content colour.
TEST(GalleryProgram, TheOpenDialogsFileNameBoxTakesTheDarkSkinsContentColour) {
  skin::TSkinData data{nullptr};
  LoadSkin("dark", data);
  const std::int32_t content = data.Elements().Content.Content;
  ASSERT_NE(content, skin::kColourNotGiven);
  Gallery gallery(SkinArgument("dark"));
  ASSERT_NE(gallery.Form(), nullptr);
  SetForegroundWindow(gallery.Form());
  tour::Settle(gallery.Form());
  Keys({VK_MENU, 'F'});
  Keys({'O'});
  HWND dialog = gallery.TopLevel(L"#32770");
  ASSERT_NE(dialog, nullptr);
  HWND name = nullptr;
  EnumChildWindows(dialog, FindComboEdit, reinterpret_cast<LPARAM>(&name));
  ASSERT_NE(name, nullptr);
  RECT r;
  GetClientRect(name, &r);
  MapWindowPoints(name, nullptr, reinterpret_cast<POINT*>(&r), 2);
  // The dialog is skinned by the manager's timer, a moment after it shows.
  COLORREF inside = CLR_INVALID;
  tour::WaitUntil([&] {
    RedrawWindow(name, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC screen = GetDC(nullptr);
    inside = GetPixel(screen, r.right - 2, r.bottom - 2);
    ReleaseDC(nullptr, screen);
    return inside == host::ColourToRgb(content);
  });
  EXPECT_EQ(inside, host::ColourToRgb(content));
  SendMessageW(dialog, WM_CLOSE, 0, 0);
}

// The system's Find dialog from the Dialogs menu: its bare check boxes and
// radio buttons are skinned, the glyph over the system's is the skin's own
// picture, and its group box keeps the system's look.
TEST(GalleryProgram, TheFindDialogsButtonsShowTheSkinsGlyphs) {
  skin::TSkinData data{nullptr};
  LoadSkin("default", data);
  ASSERT_TRUE(data.Elements().Buttons);
  const host::DibBitmap& check = data.Elements().Buttons->CheckImage;
  const int frames = data.Elements().Buttons->CheckFrames, w = check.Width() / frames, h = check.Height();

  Gallery gallery(L"");
  ASSERT_NE(gallery.Form(), nullptr);
  SetForegroundWindow(gallery.Form());
  tour::Settle(gallery.Form());
  Keys({VK_MENU, 'D'});
  Keys({'F'});
  HWND find = gallery.TopLevel(L"#32770");
  ASSERT_NE(find, nullptr);
  std::map<LONG, std::vector<HWND>> buttons;
  for (HWND c = GetTopWindow(find); c; c = GetWindow(c, GW_HWNDNEXT))
    if (ClassOf(c) == L"Button") buttons[GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK].push_back(c);
  ASSERT_EQ(buttons[BS_AUTOCHECKBOX].size(), 2u);
  ASSERT_EQ(buttons[BS_AUTORADIOBUTTON].size(), 2u);
  ASSERT_EQ(buttons[BS_GROUPBOX].size(), 1u);
  for (auto type : {BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON})
    for (HWND b : buttons[type]) EXPECT_EQ(SendMessageW(b, kSkinnedQuery, 0, 0), 1) << TextOf(b);
  EXPECT_EQ(SendMessageW(buttons[BS_GROUPBOX][0], kSkinnedQuery, 0, 0), 0);

  // Unchecked: frame 1, left and vertically centred, in every pixel not keyed.
  HWND box = buttons[BS_AUTOCHECKBOX][0];
  ASSERT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  RECT r;
  GetClientRect(box, &r);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const int top = r.top + (r.bottom - r.top - h) / 2;
  HDC screen = GetDC(nullptr);
  int differing = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (const COLORREF c = check.Pixel(x, y); c != RGB(255, 0, 255) && GetPixel(screen, r.left + x, top + y) != c)
        ++differing;
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(differing, 0);
  SendMessageW(find, WM_CLOSE, 0, 0);
}

// The live preview: a package saved over the watched one is shown, a broken
// one leaves the skin before and says why in the status bar.
TEST(GalleryProgram, TheWatchedPackageIsShownAgainEachTimeItIsSaved) {
  skin::TSkinData light{nullptr}, dark{nullptr};
  LoadSkin("default", light);
  LoadSkin("dark", dark);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"brindle-watch\\", watched = folder + L"watched.skn";
  CreateDirectoryW(folder.c_str(), nullptr);
  const auto put = [&](const char* name) {
    return CopyFileW(WindowsPath(std::string(BRINDLE_SKINS_DIR) + "/" + name + ".skn").c_str(), watched.c_str(), FALSE);
  };
  ASSERT_TRUE(put("default"));

  Gallery gallery(L"--watch \"" + watched + L"\"");
  ASSERT_NE(gallery.Form(), nullptr);
  HWND status = gallery.Children(L"msctls_statusbar32").at(0);
  const auto face = [&] {
    POINT p{600, 300};  // on the first page, right of its controls
    ClientToScreen(gallery.Form(), &p);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
  };
  const auto status_text = [&] {
    const tour::Remote<std::array<wchar_t, 1024>> text(status, {});
    SendMessageW(status, SB_GETTEXTW, 0, text.Address());
    return std::wstring(text.Read().data());
  };
  EXPECT_TRUE(tour::WaitUntil([&] { return face() == host::ColourToRgb(light.Elements().Colours.ButtonFace); }));

  const ULONGLONG saved = GetTickCount64();
  ASSERT_TRUE(put("dark"));
  EXPECT_TRUE(tour::WaitUntil([&] { return face() == host::ColourToRgb(dark.Elements().Colours.ButtonFace); }));
  std::printf("the saved package was shown after %llu ms\n", GetTickCount64() - saved);
  EXPECT_NE(status_text().find(L"Showing"), std::wstring::npos) << testing::PrintToString(status_text());

  HANDLE file = CreateFileW(watched.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "not a skin package", 18, &written, nullptr);
  CloseHandle(file);
  EXPECT_TRUE(tour::WaitUntil([&] { return status_text().find(L"refused") != std::wstring::npos; }))
      << testing::PrintToString(status_text());
  EXPECT_EQ(face(), host::ColourToRgb(dark.Elements().Colours.ButtonFace)) << "the skin before stays";
  EXPECT_EQ(gallery.TopLevel(L"#32770", 300), nullptr) << "no message box interrupts the author";
  DeleteFileW(watched.c_str());
}

}  // namespace
