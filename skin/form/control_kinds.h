#pragma once
// Which control skinner a control gets: the control-kind words of Skin3rd,
// the fixed rules for host controls, and the rules for bare child windows by
// their Win32 class and style. Pure decisions; the walk that applies them is
// in control_discovery.cpp.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/core/properties.h"

namespace skin {

// The control skinner classes a decision can name.
enum class TSkinnerClass {
  None, Button, BitButton, PngBitButton, MenuButton, SpeedButton, CheckBox, RadioButton, GroupBox, Box, BoxH,
  Tab, Tab31, MediaPlayer, Scrollbar, SingleScrollbar, ComBox, Edit, UpDown, TrackBar, Progress, Sizer,
  ObjImageCheck, ObjImageRadio, ObjImageCx, AdvPage, ListView, StatusBar, TabSheet, Header,
};

// What a kind word of Skin3rd asks for.
enum class TKindAction {
  Unknown,  // not a kind word: decided, nothing attached
  Nil, Combo, Edit, RadioButton, Panel, TrackBar, Button, MediaPlayer, BitBtn, PngBitBtn, MenuBtn, SpeedButton, Tab,
  Progress, Scrollbar, SingleScrollbar, EmbedScrollbar, Container, GroupBox, AdvPageControl, RadioGroup, CheckGroup,
  CheckBox,
};

struct TKindRule {
  TKindAction action = TKindAction::Unknown;
  int needs = -1;          // SkinControls member the kind needs; -1 for none
  bool needs_tabs = false; // the skin must have a Tabs element too
};

// The rule of a kind word; case is ignored.
TKindRule KindRule(std::string_view kind);

// The kind Skin3rd gives a control class (upper-case N): the text after the
// first "=" of the first line that begins with "n=" (lower case), at most 50
// characters. Nothing when no line matches.
std::optional<std::string> Skin3rdKind(const host::StringList& lines, std::string_view class_upper);

// What the fixed rules decide for a host control that Skin3rd did not.
struct TFixedFacts {
  std::string_view name;  // upper-case class name
  bool panel = false;
  bool push_button = false;
  bool form = false;
  bool scroll_bars = false;
  int num_buttons = -1;   // the published "NumButtons", -1 when missing
};
enum class TFixedFollow { Nothing, Components, Children };
struct TFixedDecision {
  TSkinnerClass skinner = TSkinnerClass::None;
  bool use_skin_colour = false;
  TFixedFollow follow = TFixedFollow::Nothing;
  bool bare = false;  // attached to the control's window as a bare window
};
// has_headerbar: the skin has a Headerbar element with a picture.
TFixedDecision DecideFixed(const TFixedFacts& facts, std::uint32_t skin_controls, bool has_tabs,
                           bool has_headerbar = false);

// What a bare child window gets, by its lower-case class name and style.
// ShellView: the file list of a shell view (a "SysListView32" child) gets the skinner.
enum class TWindowAction { Nothing, Attach, InnerCombo, NestedDialog, PanelColour, PanelDiscover, ShellView };
struct TWindowDecision {
  TWindowAction action = TWindowAction::Nothing;
  TSkinnerClass skinner = TSkinnerClass::None;
};
TWindowDecision DecideWindow(std::string_view class_lower, DWORD style, bool has_first_child);

}  // namespace skin
