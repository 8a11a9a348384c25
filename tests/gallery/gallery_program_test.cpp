// The real control gallery, started as a separate process and looked at
// through its windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr UINT kSkinnedQuery = 0x3523;

std::wstring Widen(const char* s) { return std::wstring(s, s + strlen(s)); }

std::wstring ClassOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

std::wstring TextOf(HWND w) {
  wchar_t text[256] = {};
  SendMessageW(w, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));  // another process's edit answers only this
  return text;
}

class Gallery {
public:
  explicit Gallery(const wchar_t* arguments) {
    std::wstring command = L"\"" + Widen(BRINDLE_GALLERY_EXE) + L"\" " + arguments;
    STARTUPINFOW si{sizeof(si)};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_)) return;
    WaitForInputIdle(process_.hProcess, 10000);
    for (int i = 0; i < 200 && !form_; ++i) {
      EnumWindows(
          [](HWND w, LPARAM self) {
            auto* g = reinterpret_cast<Gallery*>(self);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid != g->process_.dwProcessId || !IsWindowVisible(w) || ClassOf(w) != L"TGalleryForm") return TRUE;
            g->form_ = w;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(this));
      if (!form_) Sleep(50);
    }
    Sleep(600);  // past the skin manager's quarter-second action timer
  }
  ~Gallery() {
    if (!process_.hProcess) return;
    if (form_) PostMessageW(form_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  HWND Form() const { return form_; }
  // The form's own child windows, by class.
  std::map<std::wstring, std::vector<HWND>> Children() const {
    std::map<std::wstring, std::vector<HWND>> out;
    for (HWND c = GetWindow(form_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out[ClassOf(c)].push_back(c);
    return out;
  }

private:
  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
};

std::vector<std::wstring> Texts(const std::vector<HWND>& windows) {
  std::vector<std::wstring> out;
  for (HWND w : windows) out.push_back(TextOf(w));
  return out;
}

bool Has(const std::vector<std::wstring>& texts, const wchar_t* text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(GalleryProgram, StartsSkinnedWithEveryControl) {
  Gallery gallery(L"");
  ASSERT_NE(gallery.Form(), nullptr);
  EXPECT_EQ(SendMessageW(gallery.Form(), kSkinnedQuery, 0, 0), 1);
  auto children = gallery.Children();
  const auto buttons = Texts(children[L"Button"]);
  for (const wchar_t* b : {L"Push", L"Default", L"Disabled", L"Glyph", L"Menu button"}) EXPECT_TRUE(Has(buttons, b)) << b;
  EXPECT_EQ(children[L"ComboBox"].size(), 3u);
  EXPECT_EQ(children[L"ScrollBar"].size(), 2u);
  EXPECT_EQ(children[L"TPanel"].size(), 1u);
  ASSERT_EQ(children[L"ListBox"].size(), 1u);
  EXPECT_EQ(SendMessageW(children[L"ListBox"][0], LB_GETCOUNT, 0, 0), 200);
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

}  // namespace
