// Which control gets which control skinner: the kinds of Skin3rd, the
// fixed rules for host controls and the rules for bare child windows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/data/skin_data.h"
#include "skin/form/control_kinds.h"

using namespace skin;

namespace {

constexpr std::uint32_t kAll = 0x1FFFFF;

TEST(Skin3rd, TheFirstLineWithTheWholeClassNameWinsAndKindsIgnoreCase) {
  const host::StringList lines{"TControlBarX=nil", "TControlBar=Panel", "TControlBar=scrollbar"};
  EXPECT_EQ(Skin3rdKind(lines, "TCONTROLBAR"), "panel");
  EXPECT_EQ(Skin3rdKind(lines, "TCONTROL"), std::nullopt);  // the key includes "="
  EXPECT_EQ(KindRule("Panel").action, TKindAction::Panel);
  EXPECT_EQ(KindRule("NIL").action, TKindAction::Nil);
  EXPECT_EQ(KindRule("nonsense").action, TKindAction::Unknown);
  EXPECT_EQ(KindRule("tab").needs, static_cast<int>(xcTab));
  EXPECT_TRUE(KindRule("tab").needs_tabs);
  EXPECT_EQ(Skin3rdKind({"TX=" + std::string(60, 'k')}, "TX")->size(), 50u);
}

TEST(FixedRules, FirstMatchWinsInTheirOrder) {
  TFixedFacts list_box{"TLISTBOX"};
  list_box.scroll_bars = true;
  EXPECT_EQ(DecideFixed(list_box, kAll, true).skinner, TSkinnerClass::Scrollbar);
  EXPECT_EQ(DecideFixed(list_box, kAll & ~Bit(xcScrollbar), true).skinner, TSkinnerClass::None);

  TFixedFacts button{"TBUTTON"};
  button.push_button = true;
  EXPECT_EQ(DecideFixed(button, kAll, true).skinner, TSkinnerClass::Button);

  TFixedFacts panel{"TPANEL"};
  panel.panel = panel.scroll_bars = true;  // the panel rule comes before the scroll-bar rule
  const TFixedDecision p = DecideFixed(panel, kAll, true);
  EXPECT_EQ(p.skinner, TSkinnerClass::Box);
  EXPECT_TRUE(p.use_skin_colour);
  EXPECT_EQ(p.follow, TFixedFollow::Components);

  EXPECT_EQ(DecideFixed({"TTABSET"}, kAll, false).skinner, TSkinnerClass::None);  // no Tabs element
  EXPECT_EQ(DecideFixed({"TTABSET"}, kAll, true).skinner, TSkinnerClass::Tab31);
  const TFixedDecision sheet = DecideFixed({"TTABSHEET"}, kAll, false);  // the page is filled without a Tabs element
  EXPECT_EQ(sheet.skinner, TSkinnerClass::TabSheet);
  EXPECT_TRUE(sheet.use_skin_colour);
  EXPECT_EQ(DecideFixed({"TTABSHEET"}, kAll & ~Bit(xcTab), true).skinner, TSkinnerClass::None);
  EXPECT_EQ(DecideFixed({"TUPDOWN"}, kAll, true).skinner, TSkinnerClass::UpDown);
  const TFixedDecision status = DecideFixed({"TSTATUSBAR"}, kAll, true);
  EXPECT_EQ(status.skinner, TSkinnerClass::StatusBar);
  EXPECT_FALSE(status.use_skin_colour);
  EXPECT_EQ(DecideFixed({"TSTATUSBAR"}, kAll & ~Bit(xcStatusBar), true).skinner, TSkinnerClass::None);
  EXPECT_EQ(DecideFixed({"TMVCPANEL"}, kAll, true).follow, TFixedFollow::Components);

  TFixedFacts dc_edit{"TDCEDIT"};
  dc_edit.form = true;  // never the embedded-form rule
  dc_edit.num_buttons = 0;
  const TFixedDecision e = DecideFixed(dc_edit, kAll, true);
  EXPECT_EQ(e.skinner, TSkinnerClass::Edit);
  EXPECT_TRUE(e.bare);
  dc_edit.num_buttons = 1;
  EXPECT_EQ(DecideFixed(dc_edit, kAll, true).skinner, TSkinnerClass::ComBox);
}

TEST(FixedRules, ListViewsAndHeaders) {
  TFixedFacts list_view{"TLISTVIEW"};
  list_view.scroll_bars = true;  // a list view, not a plain scroll-bar skinner
  EXPECT_EQ(DecideFixed(list_view, kAll, true).skinner, TSkinnerClass::ListView);
  EXPECT_EQ(DecideFixed(list_view, kAll & ~Bit(xcScrollbar), true).skinner, TSkinnerClass::None);
  EXPECT_EQ(DecideFixed({"THEADERCONTROL"}, kAll, true, true).skinner, TSkinnerClass::Header);
  EXPECT_EQ(DecideFixed({"THEADERCONTROL"}, kAll, true, false).skinner, TSkinnerClass::None);  // no Headerbar picture
}

TEST(WindowRules, ButtonStylesAreBitTestsInOrder) {
  EXPECT_EQ(DecideWindow("button", BS_PUSHBUTTON, false).skinner, TSkinnerClass::Button);
  EXPECT_EQ(DecideWindow("button", BS_DEFPUSHBUTTON, false).skinner, TSkinnerClass::Button);
  EXPECT_EQ(DecideWindow("button", BS_AUTOCHECKBOX, false).skinner, TSkinnerClass::CheckBox);
  EXPECT_EQ(DecideWindow("button", BS_AUTO3STATE, false).skinner, TSkinnerClass::CheckBox);
  EXPECT_EQ(DecideWindow("button", BS_AUTORADIOBUTTON, false).skinner, TSkinnerClass::RadioButton);
  EXPECT_EQ(DecideWindow("button", BS_GROUPBOX, false).action, TWindowAction::Nothing);
  EXPECT_EQ(DecideWindow("button", BS_OWNERDRAW, false).action, TWindowAction::Nothing);
  EXPECT_EQ(DecideWindow("button", BS_PUSHBUTTON | BS_BITMAP, false).action, TWindowAction::Nothing);
}

TEST(WindowRules, OtherClasses) {
  EXPECT_EQ(DecideWindow("combobox", CBS_DROPDOWN, false).skinner, TSkinnerClass::ComBox);
  EXPECT_EQ(DecideWindow("combobox", CBS_SIMPLE, false).action, TWindowAction::Nothing);
  EXPECT_EQ(DecideWindow("comboboxex32", 0, true).action, TWindowAction::InnerCombo);
  EXPECT_EQ(DecideWindow("comboboxex32", 0, false).action, TWindowAction::Nothing);
  EXPECT_EQ(DecideWindow("scrollbar", SBS_SIZEGRIP, false).skinner, TSkinnerClass::Sizer);
  EXPECT_EQ(DecideWindow("scrollbar", WS_TABSTOP, false).action, TWindowAction::Nothing);
  EXPECT_EQ(DecideWindow("#32770", 0, true).action, TWindowAction::NestedDialog);
  EXPECT_EQ(DecideWindow("#32770", 0, true).skinner, TSkinnerClass::BoxH);
  EXPECT_EQ(DecideWindow("shelldll_defview", 0, true).action, TWindowAction::ShellView);
  EXPECT_EQ(DecideWindow("syslistview32", WS_VSCROLL, false).action, TWindowAction::Nothing);  // only in a shell view
  EXPECT_EQ(DecideWindow("systabcontrol32", TCS_OWNERDRAWFIXED, false).action, TWindowAction::Nothing);
  EXPECT_EQ(DecideWindow("edit", WS_BORDER, false).skinner, TSkinnerClass::Edit);
  EXPECT_EQ(DecideWindow("tpanel", 0, true).action, TWindowAction::PanelDiscover);
  EXPECT_EQ(DecideWindow("static", 0, false).action, TWindowAction::Nothing);
}

}  // namespace
