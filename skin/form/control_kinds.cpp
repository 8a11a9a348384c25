#include "skin/form/control_kinds.h"

#include "host/core/text.h"
#include "skin/data/skin_data.h"

namespace skin {
namespace {

struct KindRow {
  std::string_view word;
  TKindRule rule;
};

constexpr int kNone = -1;

const KindRow kKinds[] = {
    {"nil", {TKindAction::Nil, kNone}},
    {"combobox", {TKindAction::Combo, xcCombo}},
    {"edit", {TKindAction::Edit, xcEdit}},
    {"radiobutton", {TKindAction::RadioButton, xcRadioButton}},
    {"panel", {TKindAction::Panel, xcPanel}},
    {"trackbar", {TKindAction::TrackBar, xcButton}},
    {"button", {TKindAction::Button, xcButton}},
    {"mediaplayer", {TKindAction::MediaPlayer, xcButton}},
    {"bitbtn", {TKindAction::BitBtn, xcButton}},
    {"pngbitbtn", {TKindAction::PngBitBtn, xcButton}},
    {"menubtn", {TKindAction::MenuBtn, xcButton}},
    {"speedbutton", {TKindAction::SpeedButton, xcSpeedButton}},
    {"tab", {TKindAction::Tab, xcTab, true}},
    {"progress", {TKindAction::Progress, xcProgress}},
    {"scrollbar", {TKindAction::Scrollbar, xcScrollbar}},
    {"singlescrollbar", {TKindAction::SingleScrollbar, xcScrollbar}},
    {"embedscrollbar", {TKindAction::EmbedScrollbar, xcScrollbar}},
    {"container", {TKindAction::Container, kNone}},
    {"groupbox", {TKindAction::GroupBox, xcGroupBox}},
    {"advpagecontrol", {TKindAction::AdvPageControl, xcTab}},
    {"radiogroup", {TKindAction::RadioGroup, xcGroupBox}},
    {"checkgroup", {TKindAction::CheckGroup, xcPanel}},
    {"checkbox", {TKindAction::CheckBox, xcCheckBox}},
};

bool Has(std::uint32_t set, int member) { return member < 0 || (set & Bit(static_cast<std::uint32_t>(member))); }

bool Is(std::string_view n, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names)
    if (n == name) return true;
  return false;
}

}  // namespace

TKindRule KindRule(std::string_view kind) {
  const std::string lower = host::LowerCase(kind);
  for (const KindRow& row : kKinds)
    if (row.word == lower) return row.rule;
  return {};
}

std::optional<std::string> Skin3rdKind(const host::StringList& lines, std::string_view class_upper) {
  const std::string key = host::LowerCase(class_upper) + "=";
  for (const std::string& line : lines) {
    const std::string lower = host::LowerCase(line);
    if (lower.compare(0, key.size(), key) != 0) continue;
    return lower.substr(key.size(), 50);
  }
  return std::nullopt;
}

TFixedDecision DecideFixed(const TFixedFacts& f, std::uint32_t sc, bool has_tabs, bool has_headerbar) {
  using S = TSkinnerClass;
  const std::string_view n = f.name;
  if (n == "TTABSET" && Has(sc, xcTab) && has_tabs) return {S::Tab31};
  if (n == "TTABBEDNOTEBOOK" && Has(sc, xcTab) && has_tabs) return {S::Tab};
  if (n == "TTABSHEET" && Has(sc, xcTab)) return {S::TabSheet, true};
  if (n == "TMVCPANEL") return {S::None, false, TFixedFollow::Components};
  if (Is(n, {"TUPDOWN", "TSPINBUTTON"}) && Has(sc, xcSpin)) return {S::UpDown};
  if (n == "TMEDIAPLAYER" && Has(sc, xcButton)) return {S::MediaPlayer};
  if (n == "TDBNAVIGATOR" && Has(sc, xcPanel)) return {S::Box, true, TFixedFollow::Children};
  if (Is(n, {"TRZDBCHECKBOX", "TRZCHECKBOX"}) && Has(sc, xcCheckBox)) return {S::ObjImageCheck, true};
  if (Is(n, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}) && Has(sc, xcRadioButton)) return {S::ObjImageRadio, true};
  if (Is(n, {"TCXDBCHECKBOX", "TCXCHECKBOX"}) && Has(sc, xcCheckBox)) return {S::ObjImageCx, true};
  if (n == "TTNTCOMBOBOX" && Has(sc, xcCombo)) return {S::ComBox};
  if (n == "TSTATUSBAR" && Has(sc, xcStatusBar)) return {S::StatusBar};
  if (n == "TLISTVIEW" && Has(sc, xcScrollbar)) return {S::ListView};
  if (n == "THEADERCONTROL" && has_headerbar) return {S::Header};
  if (Has(sc, xcScrollbar) && Is(n, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"})) return {S::Scrollbar};
  if (f.panel && Has(sc, xcPanel)) return {S::Box, true, TFixedFollow::Components};
  if (Is(n, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && Has(sc, xcScrollbar)) return {S::Scrollbar};
  if (Has(sc, xcScrollbar) && f.scroll_bars) return {S::Scrollbar};
  if (f.push_button && Has(sc, xcButton)) return {S::Button};
  const bool dc_edit = Is(n, {"TDCEDIT", "TDCDBEDIT"});
  if (!dc_edit && f.form) return {S::Box, true, TFixedFollow::Components};
  if (dc_edit) {
    if (f.num_buttons == 1 && Has(sc, xcCombo)) return {S::ComBox};
    if (f.num_buttons == 0 && Has(sc, xcEdit)) return {S::Edit, false, TFixedFollow::Nothing, true};
  }
  return {};
}

TWindowDecision DecideWindow(std::string_view c, DWORD s, bool has_first_child) {
  using S = TSkinnerClass;
  using A = TWindowAction;
  if (c == "button" && (s & 0xB) != 0xB) {
    if ((s & 7) == 7 || (s & 0x80) == 0x80) return {};
    if ((s & 3) == 3 || (s & 2) == 2 || (s & 5) == 5) return {A::Attach, S::CheckBox};
    if ((s & 9) == 9 || (s & 4) == 4) return {A::Attach, S::RadioButton};
    return {A::Attach, S::Button};
  }
  if (c == "combobox") return (s & 3) != CBS_SIMPLE ? TWindowDecision{A::Attach, S::ComBox} : TWindowDecision{};
  if (c == "comboboxex32") return has_first_child ? TWindowDecision{A::InnerCombo, S::ComBox} : TWindowDecision{};
  if (c == "scrollbar") return (s & WS_TABSTOP) ? TWindowDecision{} : TWindowDecision{A::Attach, S::Sizer};
  if (c == "systreeview32") return {};
  if (c == "shelldll_defview") return {A::ShellView, S::ListView};
  if (c == "#32770") return (s & WS_TABSTOP) ? TWindowDecision{} : TWindowDecision{A::NestedDialog, S::BoxH};
  if (Is(c, {"tpanel", "ttntpanel.unicodeclass", "ttntsilentpaintpanel.unicodeclass"})) return {A::PanelDiscover};
  if (c == "tcheckbox") return {A::Attach, S::CheckBox};
  if (c == "tcombobox") return {A::Attach, S::ComBox};
  if (c == "tbutton") return {A::Attach, S::Button};
  if (c == "tprogressbar") return {A::Attach, S::Progress};
  if (c == "tsilentpaintpanel") return {A::PanelColour};
  if (c == "systabcontrol32") return (s & 0x2000) != 0x2000 ? TWindowDecision{A::Attach, S::Tab} : TWindowDecision{};
  if (c == "edit") return {A::Attach, S::Edit};
  return {};
}

}  // namespace skin
