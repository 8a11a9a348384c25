// Child-control discovery: the walk over a skinned window's controls that
// gives each one the control skinner its kind asks for.
#include <algorithm>
#include <exception>

#include "host/controls/form.h"
#include "host/core/text.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skinner_factory.h"
#include "skin/data/skin_data.h"
#include "skin/draw/text.h"
#include "skin/form/control_kinds.h"
#include "skin/form/engine_messages.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

bool InheritsFromName(const host::TPersistent& object, std::string_view class_name) {
  for (const host::ClassInfo* c = &object.Class(); c; c = c->parent)
    if (c->name == class_name) return true;
  return false;
}

bool IsPanel(const host::TControl& c) { return InheritsFromName(c, "TCustomPanel"); }
bool IsListBox(const host::TControl& c) { return InheritsFromName(c, "TCustomListBox") || InheritsFromName(c, "TListBox"); }

// The windowed controls of a container in tab order, nested containers included.
void TabOrderList(const host::TWinControl& container, std::vector<host::TWinControl*>& list) {
  std::vector<host::TWinControl*> children;
  for (host::TControl* c : container.Controls())
    if (auto* w = dynamic_cast<host::TWinControl*>(c)) children.push_back(w);
  std::stable_sort(children.begin(), children.end(),
                   [](const host::TWinControl* a, const host::TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  for (host::TWinControl* w : children) {
    list.push_back(w);
    TabOrderList(*w, list);
  }
}

std::vector<host::TControl*> ChildControls(host::TControl& control) {
  auto* win = dynamic_cast<host::TWinControl*>(&control);
  return win ? win->Controls() : std::vector<host::TControl*>{};
}

}  // namespace

bool TSkinForm::HasScrollBars(host::TControl& control) {
  auto* win = dynamic_cast<host::TWinControl*>(&control);
  if (!win) return false;
  if (IsListBox(control)) return true;
  const auto style = win->HandleAllocated() ? static_cast<DWORD>(GetWindowLongW(win->WindowHandle(), GWL_STYLE)) : 0;
  return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

// The direct call reaches only a skinner in the control's slot; one that
// took the control's window as a bare window answers through the window.
bool TSkinForm::IsSkinned(host::TControl& control) const {
  if (control.Perform(kSkinnedQuery) == 1) return true;
  if (auto* win = dynamic_cast<host::TWinControl*>(&control); win && win->HandleAllocated() &&
                                                              skin::IsSkinned(win->WindowHandle()))
    return true;
  return std::any_of(FControls.begin(), FControls.end(), [&](const TSkinControl* s) { return s->HostControl() == &control; });
}

bool TSkinForm::IsExcluded(host::TControl& control) const {
  auto* win = dynamic_cast<host::TWinControl*>(&control);
  if (win && !win->HandleAllocated()) return true;
  if (control.Tag() == FSkinData->DisableTag()) return true;
  return win && skin::IsSkinned(win->WindowHandle());
}

void TSkinForm::DiscoverForm(host::TForm& form) {
  PurgeControls();
  DiscoverComponents(form);
  std::vector<host::TWinControl*> list;
  TabOrderList(form, list);
  for (host::TWinControl* control : list)
    if (!IsExcluded(*control)) DiscoverControl(*control, &form);
}

void TSkinForm::DiscoverComponents(host::TComponent& container) {
  const std::vector<host::TComponent*> owned = container.Components();
  for (host::TComponent* c : owned)
    if (auto* control = dynamic_cast<host::TControl*>(c)) DiscoverControl(*control, &container);
  HookPopupMenus(container, true);
}

void TSkinForm::DiscoverControl(host::TControl& control, host::TComponent* container) {
  const std::uint32_t sc = FSkinData->SkinControls();
  const auto has = [sc](int member) { return member < 0 || (sc & Bit(static_cast<std::uint32_t>(member))) != 0; };
  if (control.Tag() == FSkinData->DisableTag()) {
    const std::string lower = host::LowerCase(control.ClassName());
    if (lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos)
      for (host::TControl* child : ChildControls(control)) child->SetTag(FSkinData->DisableTag());
    return;
  }
  if (!control.Parent() || IsSkinned(control)) return;
  const std::string n = host::UpperCase(control.ClassName());
  if (auto* win = dynamic_cast<host::TWinControl*>(&control); win && !win->HandleAllocated()) {
    try {
      win->Handle();
    } catch (const std::exception&) {
      return;  // no window, nothing to skin
    }
  }

  const auto attach = [&](TSkinnerClass cls, bool use_skin_colour, host::TControl* target = nullptr,
                          bool single = false, bool embedded = false) {
    return MakeSkinner({cls, target ? target : &control, nullptr, use_skin_colour, single, embedded}, *this);
  };

  if (FSkinData->OnSkinControl) {
    host::TComponent* skinned = nullptr;
    FSkinData->OnSkinControl(this, FSkinData, container, &control, n, skinned);
    if (auto* skinner = dynamic_cast<TSkinControl*>(skinned)) {
      if (std::find(FControls.begin(), FControls.end(), skinner) == FControls.end()) {
        FControls.push_back(skinner);
        skinner->Attach(this, FSkinData, skinner->UseSkinColor, FControlCanvas);
        if (IsPanel(control)) DiscoverComponents(control);
      }
      return;
    }
  }

  if (const std::optional<std::string> kind = Skin3rdKind(FSkinData->Skin3rd(), n)) {
    const TKindRule rule = KindRule(*kind);
    const bool tabs = FSkinData->Elements().Tabs && !FSkinData->Elements().Tabs->Image.Empty();
    if (!has(rule.needs) || (rule.needs_tabs && !tabs)) return;
    using A = TKindAction;
    switch (rule.action) {
      case A::Combo: attach(TSkinnerClass::ComBox, false); break;
      case A::Edit:
        if (auto* win = dynamic_cast<host::TWinControl*>(&control)) {
          RECT w, c;
          GetWindowRect(win->WindowHandle(), &w);
          GetClientRect(win->WindowHandle(), &c);
          if (w.right - w.left != c.right || w.bottom - w.top != c.bottom) attach(TSkinnerClass::Edit, false);
        }
        break;
      case A::RadioButton: attach(TSkinnerClass::RadioButton, false); break;
      case A::Panel:
        SetPropText(&control, "Transparent", "True");
        attach(TSkinnerClass::Box, true);
        break;
      case A::TrackBar:
        SetPropText(&control, "Transparent", "True");
        attach(TSkinnerClass::TrackBar, false);
        break;
      case A::Button: attach(TSkinnerClass::Button, false); break;
      case A::MediaPlayer: attach(TSkinnerClass::MediaPlayer, false); break;
      case A::BitBtn:
        attach(n == "TCXBUTTON" && GetEnumPropText(&control, "Kind") == "cxbkDropDownButton" ? TSkinnerClass::MenuButton
                                                                                             : TSkinnerClass::BitButton,
               false);
        break;
      case A::PngBitBtn: attach(TSkinnerClass::PngBitButton, false); break;
      case A::MenuBtn: attach(TSkinnerClass::MenuButton, false); break;
      case A::SpeedButton: attach(TSkinnerClass::SpeedButton, false); break;
      case A::Tab: attach(TSkinnerClass::Tab, false); break;
      case A::Progress: attach(TSkinnerClass::Progress, false); break;
      case A::Scrollbar:
        attach(TSkinnerClass::Scrollbar, false);
        DiscoverComponents(control);
        break;
      case A::SingleScrollbar: attach(TSkinnerClass::Scrollbar, false, nullptr, true); break;
      case A::EmbedScrollbar:
        for (host::TControl* child : ChildControls(control))
          if (HasScrollBars(*child)) attach(TSkinnerClass::Scrollbar, false, child, false, true);
        break;
      case A::Container:
        for (host::TControl* child : ChildControls(control)) DiscoverControl(*child, nullptr);
        break;
      case A::GroupBox: attach(TSkinnerClass::GroupBox, true); break;
      case A::AdvPageControl: attach(TSkinnerClass::AdvPage, true); break;
      case A::RadioGroup:
      case A::CheckGroup: {
        const bool radio = rule.action == A::RadioGroup;
        if (has(xcRadioButton))
          for (host::TControl* child : ChildControls(control)) {
            if (IsSkinned(*child)) continue;  // the group was reached before
            if (n.find("TRZ") != std::string::npos)
              attach(radio ? TSkinnerClass::ObjImageRadio : TSkinnerClass::ObjImageCheck, true, child);
            else
              attach(radio ? TSkinnerClass::RadioButton : TSkinnerClass::CheckBox, false, child);
          }
        if (radio || has(xcGroupBox)) attach(TSkinnerClass::GroupBox, true);
        break;
      }
      case A::CheckBox: attach(TSkinnerClass::CheckBox, false); break;
      case A::Nil:
      case A::Unknown:
        break;
    }
    return;
  }

  if (n == "TDBCOMBOBOXEH" || n == "TFRDESIGNERPAGE" || n == "TFRPBOX") return;

  TFixedFacts facts{n, IsPanel(control), InheritsFromName(control, "TButton"),
                    dynamic_cast<host::TForm*>(&control) != nullptr, HasScrollBars(control),
                    GetIntProp(&control, "NumButtons")};
  const SkinElements& e = FSkinData->Elements();
  const bool tabs = e.Tabs && !e.Tabs->Image.Empty();
  const bool headerbar = e.Headerbar && !e.Headerbar->Image.Empty();
  const TFixedDecision d = DecideFixed(facts, FSkinData->SkinControls(), tabs, headerbar);
  if (d.skinner != TSkinnerClass::None) {
    auto* win = dynamic_cast<host::TWinControl*>(&control);
    if (d.bare && win)
      MakeSkinner({d.skinner, nullptr, win->WindowHandle()}, *this);
    else
      attach(d.skinner, d.use_skin_colour);
  }
  if (d.follow == TFixedFollow::Components) DiscoverComponents(control);
  if (d.follow == TFixedFollow::Children)
    for (host::TControl* child : ChildControls(control)) DiscoverControl(*child, nullptr);
}

void TSkinForm::DiscoverWindows(HWND parent) {
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) DiscoverWindow(child);
}

bool TSkinForm::HasSkinnerOf(HWND window) const {
  return std::any_of(FControls.begin(), FControls.end(), [window](const TSkinControl* s) { return s->Window() == window; });
}

void TSkinForm::DiscoverWindow(HWND window) {
  if (!window || !FSkinData || HasSkinnerOf(window)) return;
  const std::string c = host::LowerCase(GetClassNameText(window));
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const TWindowDecision d = DecideWindow(c, style, GetTopWindow(window) != nullptr);
  const auto colour_host = [&] {
    if (auto* control = host::TWinControl::FromHandle(window)) control->SetColor(FSkinData->Elements().Colours.ButtonFace);
  };
  switch (d.action) {
    case TWindowAction::Nothing: return;
    case TWindowAction::Attach: MakeSkinner({d.skinner, nullptr, window}, *this); return;
    case TWindowAction::InnerCombo: MakeSkinner({d.skinner, nullptr, GetTopWindow(window)}, *this); return;
    case TWindowAction::NestedDialog:
      DiscoverWindows(window);
      MakeSkinner({d.skinner, nullptr, window}, *this);
      return;
    case TWindowAction::PanelDiscover:
      DiscoverWindows(window);
      colour_host();
      return;
    case TWindowAction::PanelColour: colour_host(); return;
    case TWindowAction::ShellView:
      if (!(FSkinData->SkinControls() & Bit(xcScrollbar))) return;
      for (HWND list = FindWindowExW(window, nullptr, L"SysListView32", nullptr); list;
           list = FindWindowExW(window, list, L"SysListView32", nullptr))
        if (!HasSkinnerOf(list) && !skin::IsSkinned(list)) MakeSkinner({d.skinner, nullptr, list}, *this);
      return;
  }
}

// A shell view makes its file list anew whenever it changes folder, long
// after skin-now: the list is skinned when the dialog hears of it.
void TSkinForm::NoticeChild(HWND child) {
  if (FHostForm || FState == flCreated || !child) return;
  HWND view = child;
  if (host::LowerCase(GetClassNameText(view)) != "shelldll_defview") view = GetParent(child);
  if (!view || host::LowerCase(GetClassNameText(view)) != "shelldll_defview") return;
  PurgeControls();
  DiscoverWindow(view);
}

void TSkinForm::ReskinControl(HWND window) {
  for (std::size_t i = FControls.size(); i-- > 0;) {
    TSkinControl* old = FControls[i];
    if (old->Window() != window) continue;
    host::TControl* control = old->HostControl();
    const bool list_view = old->ClassName() == "TSkinListView";
    FControls.erase(FControls.begin() + static_cast<std::ptrdiff_t>(i));
    old->FormSkinner = nullptr;
    TSkinControl::Free(old);
    if (control)
      MakeSkinner({list_view ? TSkinnerClass::ListView : TSkinnerClass::Scrollbar, control}, *this);
    return;
  }
}

}  // namespace skin
