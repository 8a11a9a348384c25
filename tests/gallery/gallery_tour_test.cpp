// A user's tour of the control gallery as shipped: the staged program started
// from its folder, its window dragged to a new place, every control kind
// driven with the real mouse and keyboard from this process and judged by the
// program's state. It runs with skinning off (the reference) and in each of
// our skins; a step that works only unskinned is a fault of the engine. Each
// control kind the engine learns to skin adds its steps here.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "gallery_driver.h"
#include "remote.h"
#include "user_input.h"

namespace {

constexpr UINT kSkinnedQuery = 0x3523;
using tour::TextOf;

struct TourRun {
  const char* name;
  std::wstring arguments;
  bool skinned;
};
void PrintTo(const TourRun& run, std::ostream* os) { *os << run.name; }

bool Skinned(HWND window) {
  return tour::WaitUntil([&] { return SendMessageW(window, kSkinnedQuery, 0, 0) == 1; }, 3000);
}

// Clicks a point and waits for the program's window of the class to appear.
HWND Opens(const Gallery& gallery, const wchar_t* cls, POINT at, bool right = false) {
  right ? tour::RightClick(at) : tour::Click(at);
  return gallery.TopLevel(cls);
}

// The window's bottom-right corner, as far in as the skin's rounded corner
// needs for the point to belong to the window.
POINT SizingCorner(HWND window) {
  const RECT r = tour::ScreenRect(window);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool shaped = GetWindowRgn(window, region) != ERROR;
  int in = 1;
  while (shaped && in < 8 && !PtInRegion(region, w - in, h - in)) ++in;
  DeleteObject(region);
  return {r.right - in, r.bottom - in};
}

// The box of the window's region, window coordinates; the whole window when it has none.
RECT RegionBox(HWND window) {
  const RECT r = tour::ScreenRect(window);
  RECT box{0, 0, r.right - r.left, r.bottom - r.top};
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(window, region) != ERROR) GetRgnBox(region, &box);
  DeleteObject(region);
  return box;
}

// Inside the first item of a popup menu, whatever the items' height.
POINT FirstMenuItem(HWND popup) {
  const RECT r = tour::ScreenRect(popup);
  return {r.left + 30, r.top + 10};
}

class GalleryTour : public testing::TestWithParam<TourRun> {};

TEST_P(GalleryTour, EveryControlAsAUserDrivesIt) {
  const TourRun& run = GetParam();
  Gallery gallery(run.arguments);
  HWND form = gallery.Form();
  ASSERT_NE(form, nullptr);
  if (run.skinned) {
    ASSERT_TRUE(Skinned(form));
  }
  tour::Settle(form);
  tour::Steps step;
  ASSERT_TRUE(tour::DragByCaption(form, {60, 40})) << "the window follows its caption";

  step("a click on a page's tab shows that page and hides the one before");
  HWND buttons_page = FindWindowExW(FindWindowExW(form, nullptr, WC_TABCONTROLW, nullptr), nullptr, L"TTabSheet", L"Buttons");
  ASSERT_TRUE(buttons_page && IsWindowVisible(buttons_page));
  ASSERT_TRUE(gallery.ShowPage(L"Lists"));
  EXPECT_FALSE(IsWindowVisible(buttons_page));

  step("the long list's scroll bar");
  HWND list = gallery.Children(L"ListBox").at(0);
  tour::ExpectScrolling(tour::NonClientBar(list, true), [&] { return SendMessageW(list, LB_GETTOPINDEX, 0, 0); });

  step("the report list: a click on a row selects it; its scroll bar scrolls it");
  HWND report_list = gallery.Children(WC_LISTVIEWW).at(0);
  if (run.skinned) {
    EXPECT_TRUE(Skinned(report_list));
    EXPECT_TRUE(Skinned(reinterpret_cast<HWND>(SendMessageW(report_list, LVM_GETHEADER, 0, 0))));
  }
  const auto row_rect = [&](int row) {
    const tour::Remote<RECT> rect(report_list, RECT{LVIR_BOUNDS});
    SendMessageW(report_list, LVM_GETITEMRECT, static_cast<WPARAM>(row), rect.Address());
    RECT r = rect.Read();
    MapWindowPoints(report_list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const RECT third_row = row_rect(3);
  tour::Click({third_row.left + 40, (third_row.top + third_row.bottom) / 2});
  EXPECT_TRUE(tour::WaitUntil([&] { return SendMessageW(report_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 3; }));
  tour::ExpectScrolling(tour::NonClientBar(report_list, true), [&] { return SendMessageW(report_list, LVM_GETTOPINDEX, 0, 0); });

  ASSERT_TRUE(gallery.ShowPage(L"Text"));
  step("the memo's scroll bars");
  HWND memo = gallery.Child(L"Edit", ES_MULTILINE, ES_MULTILINE);
  tour::ExpectScrolling(tour::NonClientBar(memo, true), [&] { return SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0); });
  // Sideways: where the first shown line starts moves left.
  const auto line_start = [&] {
    const LRESULT first = SendMessageW(memo, EM_LINEINDEX, SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    return static_cast<short>(LOWORD(SendMessageW(memo, EM_POSFROMCHAR, static_cast<WPARAM>(first), 0)));
  };
  const short unscrolled = line_start();
  tour::Click(tour::Centre(tour::NonClientBar(memo, false).second_arrow));
  EXPECT_TRUE(tour::WaitUntil([&] { return line_start() < unscrolled; })) << "the right arrow scrolls sideways";

  ASSERT_TRUE(gallery.ShowPage(L"Ranges"));
  step("the scroll-bar controls");
  for (DWORD kind : {static_cast<DWORD>(SBS_VERT), static_cast<DWORD>(SBS_HORZ)}) {
    HWND bar = gallery.Child(L"ScrollBar", SBS_VERT, kind);
    tour::ExpectScrolling(tour::ControlBar(bar), [&] { return SendMessageW(bar, SBM_GETPOS, 0, 0); });
  }

  ASSERT_TRUE(gallery.ShowPage(L"Text"));
  step("the drop-down list combo: dropped by its button, an item chosen by mouse");
  HWND combo = gallery.Child(L"ComboBox", 3, CBS_DROPDOWNLIST);
  const RECT box = tour::ScreenRect(combo);
  HWND dropped = Opens(gallery, L"ComboLBox", {box.right - 8, (box.top + box.bottom) / 2});
  ASSERT_NE(dropped, nullptr);
  EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 1);
  const RECT items = tour::ClientScreenRect(dropped);
  const auto line = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  tour::Click({items.left + 20, items.top + 2 * line + line / 2});
  EXPECT_TRUE(tour::WaitUntil([&] { return SendMessageW(combo, CB_GETCURSEL, 0, 0) == 2; }));
  EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 0);

  step("an edit: its text selected with the keys and typed over");
  HWND edit = gallery.Child(L"Edit", L"Edit with a border");
  ASSERT_NE(edit, nullptr);
  tour::Click(tour::Centre(tour::ScreenRect(edit)));
  tour::Keys({VK_END});
  tour::Keys({VK_SHIFT, VK_HOME});
  tour::Type(L"Typed on the tour");
  EXPECT_TRUE(tour::WaitUntil([&] { return TextOf(edit) == L"Typed on the tour"; })) << "the edit shows what was typed";

  step("the spin edit's buttons");
  HWND spin = gallery.Child(L"Edit", L"25");
  ASSERT_NE(spin, nullptr);
  const RECT arrows = tour::ScreenRect(GetTopWindow(spin));
  tour::Click({(arrows.left + arrows.right) / 2, arrows.top + 3});
  EXPECT_TRUE(tour::WaitUntil([&] { return TextOf(spin) == L"26"; })) << "the up button counts up";
  tour::Click({(arrows.left + arrows.right) / 2, arrows.bottom - 4});
  EXPECT_TRUE(tour::WaitUntil([&] { return TextOf(spin) == L"25"; })) << "the down button counts down";

  ASSERT_TRUE(gallery.ShowPage(L"Buttons"));
  step("the push button shows a message box, closed with its button");
  HWND message = Opens(gallery, L"TMessageForm", tour::Centre(tour::ScreenRect(gallery.Child(L"Button", L"Push"))));
  ASSERT_NE(message, nullptr);
  if (run.skinned) {
    EXPECT_TRUE(Skinned(message));
  }
  tour::Click(tour::Centre(tour::ScreenRect(FindWindowExW(message, nullptr, L"Button", nullptr))));
  EXPECT_TRUE(tour::WaitUntil([&] { return !IsWindow(message); }));

  step("check boxes: a click ticks one and another clears it; Space toggles the one with the focus");
  HWND check = gallery.Child(L"Button", L"Unchecked");
  ASSERT_NE(check, nullptr);
  const auto checked = [](HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0); };
  tour::Click(tour::Centre(tour::ScreenRect(check)));
  EXPECT_TRUE(tour::WaitUntil([&] { return checked(check) == BST_CHECKED; })) << "a click ticks it";
  tour::Keys({VK_SPACE});
  EXPECT_TRUE(tour::WaitUntil([&] { return checked(check) == BST_UNCHECKED; })) << "Space clears it";
  HWND left_text = gallery.Child(L"Button", L"Box on the right");
  const RECT right_box = tour::ScreenRect(left_text);
  tour::Click({right_box.right - 6, (right_box.top + right_box.bottom) / 2});
  EXPECT_TRUE(tour::WaitUntil([&] { return checked(left_text) == BST_CHECKED; })) << "a click on its box on the right";

  step("the radio group: a click picks a choice and clears the one before");
  HWND group = gallery.Child(L"TGroupBox", L"Radio group");
  ASSERT_NE(group, nullptr);
  HWND first = FindWindowExW(group, nullptr, L"Button", L"First choice");
  HWND third = FindWindowExW(group, nullptr, L"Button", L"Third choice");
  ASSERT_EQ(checked(first), BST_CHECKED);
  tour::Click(tour::Centre(tour::ScreenRect(third)));
  EXPECT_TRUE(tour::WaitUntil([&] { return checked(third) == BST_CHECKED && checked(first) == BST_UNCHECKED; }));

  step("the media player: a press and release on Play clicks it once; a release on another button clicks none");
  HWND player = gallery.Children(L"TMediaPlayer").at(0);
  HWND report = gallery.Child(L"TPanel", L"No button pressed yet");
  ASSERT_NE(report, nullptr);
  // Nine buttons share its width; over a skinned player lies the skin's overlay.
  const RECT transport = tour::ScreenRect(player);
  const int button_width = (transport.right - transport.left) / 9;
  const auto button_centre = [&](int i) {
    return POINT{transport.left + i * button_width + button_width / 2, (transport.top + transport.bottom) / 2};
  };
  tour::Click(button_centre(0));
  EXPECT_TRUE(tour::WaitUntil([&] { return TextOf(report) == L"Play clicked 1 time"; })) << testing::PrintToString(TextOf(report));
  tour::Drag(button_centre(1), button_centre(2));
  tour::Click(button_centre(7));  // Record is disabled
  tour::Click(button_centre(0));
  EXPECT_TRUE(tour::WaitUntil([&] { return TextOf(report) == L"Play clicked 2 times"; })) << testing::PrintToString(TextOf(report));

  step("the system's Find dialog from the Dialogs menu by keys: its check box and radio button by mouse");
  tour::Keys({VK_MENU, 'D'});
  tour::Keys({'F'});
  HWND find = gallery.TopLevel(L"#32770");
  ASSERT_NE(find, nullptr) << "Dialogs, Find... opens the find dialog";
  if (run.skinned) {
    EXPECT_TRUE(Skinned(find));
  }
  HWND match_case = FindWindowExW(find, nullptr, L"Button", L"Match &Case");
  HWND up = FindWindowExW(find, nullptr, L"Button", L"&Up");
  ASSERT_TRUE(match_case && up);
  tour::Click(tour::Centre(tour::ScreenRect(match_case)));
  EXPECT_TRUE(tour::WaitUntil([&] { return checked(match_case) == BST_CHECKED; })) << "Match case is ticked";
  tour::Click(tour::Centre(tour::ScreenRect(up)));
  EXPECT_TRUE(tour::WaitUntil([&] { return checked(up) == BST_CHECKED; })) << "Up is picked";
  tour::Click(tour::Centre(tour::ScreenRect(FindWindowExW(find, nullptr, L"Button", L"&Down"))));
  tour::Click(tour::Centre(tour::ScreenRect(FindWindowExW(find, nullptr, L"Edit", nullptr))));
  tour::Type(L"line 3");
  tour::Click(tour::Centre(tour::ScreenRect(GetDlgItem(find, IDOK))));
  const auto memo_selection = [&] {
    const LRESULT range = SendMessageW(memo, EM_GETSEL, 0, 0);
    return HIWORD(range) - LOWORD(range);
  };
  EXPECT_TRUE(tour::WaitUntil([&] { return memo_selection() == 6; })) << "Find Next selects the text in the memo";
  tour::Click(tour::Centre(tour::ScreenRect(GetDlgItem(find, IDCANCEL))));
  EXPECT_TRUE(tour::WaitUntil([&] { return !IsWindow(find); }));

  step("Dialogs, Font... and Message box... by keys: each system dialog opens and its Cancel closes it");
  for (const WORD item : {WORD{'O'}, WORD{'M'}}) {
    tour::Keys({VK_MENU, 'D'});
    tour::Keys({item});
    HWND dialog = gallery.TopLevel(L"#32770");
    ASSERT_NE(dialog, nullptr);
    if (run.skinned) {
      EXPECT_TRUE(Skinned(dialog));
    }
    tour::Click(tour::Centre(tour::ScreenRect(GetDlgItem(dialog, IDCANCEL))));
    EXPECT_TRUE(tour::WaitUntil([&] { return !IsWindow(dialog); }));
  }

  ASSERT_TRUE(gallery.ShowPage(L"Ranges"));
  step("the track bars: the arrow keys and a drag of the thumb move them");
  for (const DWORD vertical : {0ul, static_cast<DWORD>(TBS_VERT)}) {
    HWND track = gallery.Child(TRACKBAR_CLASSW, TBS_VERT, vertical);
    ASSERT_NE(track, nullptr);
    if (run.skinned) {
      EXPECT_TRUE(Skinned(track));
    }
    const auto position = [&] { return SendMessageW(track, TBM_GETPOS, 0, 0); };
    const auto thumb = [&] {
      const tour::Remote<RECT> rect(track, RECT{});
      SendMessageW(track, TBM_GETTHUMBRECT, 0, rect.Address());
      RECT r = rect.Read();
      MapWindowPoints(track, nullptr, reinterpret_cast<POINT*>(&r), 2);
      return tour::Centre(r);
    };
    tour::Click(thumb());  // the thumb takes the focus where it stands
    const LRESULT start = tour::Steady(position);
    tour::Keys({VK_RIGHT});
    EXPECT_TRUE(tour::WaitUntil([&] { return position() == start + 1; })) << "the arrow key moves it one line";
    tour::Keys({VK_LEFT});
    EXPECT_TRUE(tour::WaitUntil([&] { return position() == start; }));
    const POINT from = thumb();
    tour::Drag(from, vertical ? POINT{from.x, from.y + 60} : POINT{from.x + 60, from.y});
    EXPECT_GT(tour::Steady(position), start) << "the thumb follows the mouse";
  }

  step("the status bar along the bottom: View, Simple status bar switches its simple text on and off");
  HWND status = gallery.Children(L"msctls_statusbar32").at(0);
  EXPECT_EQ(tour::ScreenRect(status).bottom, tour::ClientScreenRect(form).bottom);
  EXPECT_EQ(SendMessageW(status, SB_GETPARTS, 0, 0), 3);
  EXPECT_EQ(SendMessageW(status, SB_ISSIMPLE, 0, 0), FALSE);
  tour::Keys({VK_MENU, 'V'});
  tour::Keys({'M'});
  EXPECT_TRUE(tour::WaitUntil([&] { return SendMessageW(status, SB_ISSIMPLE, 0, 0) == TRUE; }));
  tour::Keys({VK_MENU, 'V'});
  tour::Keys({'M'});
  EXPECT_TRUE(tour::WaitUntil([&] { return SendMessageW(status, SB_ISSIMPLE, 0, 0) == FALSE; }));

  ASSERT_TRUE(gallery.ShowPage(L"Containers"));
  step("the group box: a click into its edit, then typing there");
  HWND group_box = gallery.Child(L"TGroupBox", L"Group box");
  ASSERT_NE(group_box, nullptr);
  HWND group_edit = FindWindowExW(group_box, nullptr, L"Edit", nullptr);
  ASSERT_NE(group_edit, nullptr);
  tour::Click(tour::Centre(tour::ScreenRect(group_edit)));
  EXPECT_TRUE(tour::WaitUntil([&] { return tour::Focus(form) == group_edit; }));
  tour::Keys({VK_END});
  tour::Keys({VK_SHIFT, VK_HOME});
  tour::Type(L"Typed in the group");
  EXPECT_TRUE(tour::WaitUntil([&] { return TextOf(group_edit) == L"Typed in the group"; }));

  step("the bottom tabs' scroll arrows: the right one moves the tabs along, the left one back");
  HWND tabs = gallery.Child(WC_TABCONTROLW, TCS_BOTTOM | TCS_VERTICAL, TCS_BOTTOM);
  ASSERT_NE(tabs, nullptr);
  HWND tab_arrows = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_TRUE(tab_arrows && IsWindowVisible(tab_arrows)) << "more tabs than room";
  if (run.skinned) {
    EXPECT_TRUE(Skinned(tabs));
    EXPECT_TRUE(Skinned(tab_arrows));
  }
  const auto first_tab_left = [&] {
    const tour::Remote<RECT> rect(tabs, RECT{});
    SendMessageW(tabs, TCM_GETITEMRECT, 0, rect.Address());
    return static_cast<LRESULT>(rect.Read().left);
  };
  const LRESULT unscrolled_tabs = first_tab_left();
  const RECT spin_box = tour::ScreenRect(tab_arrows);
  tour::Click({spin_box.right - 4, (spin_box.top + spin_box.bottom) / 2});
  EXPECT_LT(tour::Steady(first_tab_left), unscrolled_tabs) << "the tabs move left";
  tour::Click({spin_box.left + 4, (spin_box.top + spin_box.bottom) / 2});
  EXPECT_EQ(tour::Steady(first_tab_left), unscrolled_tabs) << "and back";

  step("the tab set: a click on its second tab chooses it, and the panel below says so");
  HWND tab_set = gallery.Children(L"TTabSet").at(0);
  if (run.skinned) {
    EXPECT_TRUE(Skinned(tab_set));
  }
  // Tabs lie from a margin of 5, each its text's width and 9 more, in the gallery's font.
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
  HGDIOBJ old_font = SelectObject(screen, font);
  SIZE first_text{};
  GetTextExtentPoint32W(screen, L"Sheet one", 9, &first_text);
  SelectObject(screen, old_font);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  const RECT strip = tour::ScreenRect(tab_set);
  tour::Click({strip.left + 5 + first_text.cx + 9 + 12, (strip.top + strip.bottom) / 2});
  EXPECT_TRUE(tour::WaitUntil([&] { return gallery.Child(L"TPanel", L"Tab set: Sheet two") != nullptr; }));

  step("the window's corner dragged in and back out: the window and its shape follow");
  const RECT unsized = tour::ScreenRect(form);
  const auto size_is = [&](int dx, int dy) {
    const RECT r = tour::ScreenRect(form);
    const RECT box = RegionBox(form);
    return r.right - r.left == unsized.right - unsized.left + dx && r.bottom - r.top == unsized.bottom - unsized.top + dy &&
           box.right == r.right - r.left && box.bottom == r.bottom - r.top;
  };
  // Inwards first: the window reaches nearly to the screen's right edge.
  POINT corner = SizingCorner(form);
  tour::Drag(corner, {corner.x - 48, corner.y - 36});
  EXPECT_TRUE(tour::WaitUntil([&] { return size_is(-48, -36); })) << "the window shrinks with its corner";
  corner = SizingCorner(form);
  tour::Drag(corner, {corner.x + 48, corner.y + 36});
  EXPECT_TRUE(tour::WaitUntil([&] { return size_is(0, 0); })) << "and grows back";

  step("the menu bar by mouse: File, Open skin... opens the dialog, Cancel closes it");
  const RECT client = tour::ClientScreenRect(form);
  HWND popup = Opens(gallery, L"#32768", {client.left + 14, client.top - 9});
  ASSERT_NE(popup, nullptr) << "File opens its menu";
  HWND dialog = Opens(gallery, L"#32770", FirstMenuItem(popup));
  ASSERT_NE(dialog, nullptr) << "its first item opens the open dialog";
  EXPECT_EQ(TextOf(dialog), L"Open skin");
  if (run.skinned) {
    EXPECT_TRUE(Skinned(dialog));
  }
  tour::Click(tour::Centre(tour::ScreenRect(GetDlgItem(dialog, IDCANCEL))));
  EXPECT_TRUE(tour::WaitUntil([&] { return !IsWindow(dialog); }));

  ASSERT_TRUE(gallery.ShowPage(L"Lists"));
  step("the menu bar by keys: View, Long list hides the list and shows it again");
  tour::Keys({VK_MENU, 'V'});
  tour::Keys({'L'});
  EXPECT_TRUE(tour::WaitUntil([&] { return !IsWindowVisible(list); }));
  tour::Keys({VK_MENU, 'V'});
  tour::Keys({'L'});
  EXPECT_TRUE(tour::WaitUntil([&] { return IsWindowVisible(list) != FALSE; }));

  step("the list's context menu, by mouse and by keys");
  const RECT lines = tour::ClientScreenRect(list);
  popup = Opens(gallery, L"#32768", {lines.left + 30, lines.top + 30}, true);
  ASSERT_NE(popup, nullptr);
  tour::Click(FirstMenuItem(popup));
  EXPECT_TRUE(tour::WaitUntil([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == 0; })) << "Go to first line";
  tour::Click({lines.left + 30, lines.top + 30});  // the keys reach the list once it has the focus
  tour::Keys({VK_SHIFT, VK_F10});
  ASSERT_NE(gallery.TopLevel(L"#32768"), nullptr);
  tour::Keys({'L'});
  EXPECT_TRUE(tour::WaitUntil([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == 199; })) << "Go to last line";
}

INSTANTIATE_TEST_SUITE_P(Skins, GalleryTour,
                         testing::Values(TourRun{"unskinned", L"--no-skin", false}, TourRun{"default", L"", true},
                                         TourRun{"dark", SkinArgument("dark"), true}),
                         [](const testing::TestParamInfo<TourRun>& info) { return info.param.name; });

}  // namespace
