#include "host/menus/menu.h"

#include <algorithm>
#include <cwctype>

#include "host/controls/form.h"
#include "host/core/error.h"
#include "host/core/text.h"
#include "host/graphics/canvas.h"
#include "host/graphics/image_list.h"
#include "host/menus/shortcut.h"

namespace host {
namespace {

constexpr std::string_view kBiDiNames[] = {"bdLeftToRight", "bdRightToLeft"};
const EnumInfo kBiDiModes{"TBiDiMode", kBiDiNames};

// Commands are unique in the process, so that a window showing several menus
// finds the item of a WM_COMMAND. They stay below the system's commands.
UINT NextCommand() {
  static UINT next = 0;
  next = next % 0xEFFF + 1;
  return next;
}

}  // namespace

// Read once: every item of every menu asks for it, and asking the system is slow.
LOGFONTW MenuFontInfo() {
  static const LOGFONTW font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return metrics.lfMenuFont;
    LOGFONTW fallback{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
    return fallback;
  }();
  return font;
}

bool IsAccel(wchar_t key, std::wstring_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return std::towupper(caption[i + 1]) == std::towupper(key);
  }
  return false;
}

// --- items ---

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  for (TMenuItem* child : items_) child->parent_ = nullptr;
  items_.clear();
  if (handle_) {
    // The children's popups are their own: emptied first, the menu frees only itself.
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
    DestroyMenu(handle_);
  }
  if (parent_) parent_->Remove(*this);
}

const ClassInfo& TMenuItem::Info() {
  static const ClassInfo info{"TMenuItem", &TComponent::Info(), {
      props::Text<&TMenuItem::Caption, &TMenuItem::SetCaption>("Caption"),
      props::Text<&TMenuItem::ShortCut, &TMenuItem::SetShortCut>("ShortCut"),
      props::Boolean<&TMenuItem::Checked, &TMenuItem::SetChecked>("Checked"),
      props::Boolean<&TMenuItem::RadioItem, &TMenuItem::SetRadioItem>("RadioItem"),
      props::Integer<&TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex>("GroupIndex"),
      props::Boolean<&TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled"),
      props::Boolean<&TMenuItem::Visible, &TMenuItem::SetVisible>("Visible"),
      props::Boolean<&TMenuItem::Default, &TMenuItem::SetDefault>("Default"),
      props::Integer<&TMenuItem::ImageIndex, &TMenuItem::SetImageIndex>("ImageIndex"),
      props::Event<&TMenuItem::SetOnClick>("OnClick"),
  }, [](TComponent* owner) -> TComponent* { return new TMenuItem(owner); }};
  return info;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(*this);
  else if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Items().Add(*this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

int TMenuItem::MenuIndex() const {
  if (!parent_) return -1;
  const auto& siblings = parent_->items_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TMenuItem::Insert(int index, TMenuItem& item) {
  if (item.parent_) throw Error("The menu item " + item.Name() + " is in a menu already");
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, &item);
  item.parent_ = this;
  RebuildHandle();
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

TMenuItem& TMenuItem::Add(std::string caption, std::int32_t tag) {
  auto* item = new TMenuItem(this);
  item->caption_ = std::move(caption);
  item->SetTag(tag);
  Add(*item);
  return *item;
}

void TMenuItem::Remove(TMenuItem& item) {
  const auto it = std::find(items_.begin(), items_.end(), &item);
  if (it == items_.end()) return;
  items_.erase(it);
  item.parent_ = nullptr;
  RebuildHandle();
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
  for (TMenuItem* child : items_) {
    if (child->command_ == command) return child;
    if (TMenuItem* found = child->FindCommand(command)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindHandle(HMENU handle) {
  for (TMenuItem* child : items_) {
    if (child->handle_ && child->handle_ == handle) return child;
    if (TMenuItem* found = child->FindHandle(handle)) return found;
  }
  return nullptr;
}

void TMenuItem::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed();
}

void TMenuItem::SetShortCut(std::string text) {
  shortcut_ = std::move(text);
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  if (checked && radio_) UncheckGroup();
  Changed();
}

void TMenuItem::UncheckGroup() {
  if (!parent_) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radio_ && sibling->group_ == group_ && sibling->checked_) {
      sibling->checked_ = false;
      sibling->Changed();
    }
}

void TMenuItem::SetRadioItem(bool radio) {
  radio_ = radio;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  // Hidden items are not in the Win32 menu at all.
  if (parent_) parent_->RebuildHandle();
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::SetDefault(bool on) {
  default_ = on;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  image_index_ = index;
  Changed();
}

HMENU TMenuItem::Handle() {
  if (!handle_ && (menu_ || !items_.empty())) {
    handle_ = menu_ && menu_->bar_ ? CreateMenu() : CreatePopupMenu();
    if (!handle_) throw Error("Cannot create a menu: " + SystemErrorText(GetLastError()));
    RebuildHandle();
  }
  return items_.empty() && !menu_ ? nullptr : handle_;
}

HMENU TMenuItem::MenuHandle() const { return parent_ ? parent_->Handle() : nullptr; }

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::FillInfo(MENUITEMINFOW& info, std::wstring& text) {
  const TMenu* menu = GetParentMenu();
  info = {sizeof(info)};
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
  // A menu bar's own items stay the system's: the bar draws them.
  const bool top_of_bar = menu && menu->bar_ && parent_ && parent_->menu_;
  if (menu && menu->owner_draw_ && !top_of_bar) info.fType |= MFT_OWNERDRAW;
  if (menu && menu->IsRightToLeft()) info.fType |= MFT_RIGHTORDER;
  if (radio_) info.fType |= MFT_RADIOCHECK;
  if (IsLine()) {
    info.fType |= MFT_SEPARATOR;
  } else {
    text = Widen(caption_);
    if (!shortcut_.empty()) text += L"\t" + Widen(shortcut_);
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  info.fState = (enabled_ ? 0 : MFS_GRAYED) | (checked_ ? MFS_CHECKED : 0) | (default_ ? MFS_DEFAULT : 0);
  info.wID = command_;
  info.hSubMenu = Handle();
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
}

void TMenuItem::RebuildHandle() {
  if (!handle_) {
    // The first child turns a plain item into one with a popup.
    if (parent_ && !items_.empty()) parent_->RebuildHandle();
    return;
  }
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  UINT position = 0;
  for (TMenuItem* child : items_) {
    if (!child->visible_) continue;
    MENUITEMINFOW info;
    std::wstring text;
    child->FillInfo(info, text);
    InsertMenuItemW(handle_, position++, TRUE, &info);
  }
  // An item that lost or gained a popup shows it in its parent's menu.
  if (parent_ && parent_->handle_) {
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = items_.empty() ? nullptr : handle_;
    SetMenuItemInfoW(parent_->handle_, command_, FALSE, &info);
  }
}

void TMenuItem::Changed() {
  if (parent_ && parent_->handle_ && visible_) {
    MENUITEMINFOW info;
    std::wstring text;
    FillInfo(info, text);
    SetMenuItemInfoW(parent_->handle_, command_, FALSE, &info);
  }
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

// --- menus ---

TMenu::TMenu(TComponent* owner, bool bar) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)), bar_(bar) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  // The items go with their owners; they are no longer this menu's.
  items_->menu_ = nullptr;
}

const ClassInfo& TMenu::Info() {
  static const ClassInfo info{"TMenu", &TComponent::Info(), {
      props::Boolean<&TMenu::OwnerDraw, &TMenu::SetOwnerDraw>("OwnerDraw"),
      props::Text<&TMenu::ImagesName, &TMenu::SetImagesName>("Images"),
      props::Enum<&TMenu::BiDiMode, &TMenu::SetBiDiMode>("BiDiMode", kBiDiModes),
  }};
  return info;
}

TMenuItem* TMenu::FindItem(UINT_PTR value, FindKind kind) const {
  if (kind == FindKind::Command) return items_->FindCommand(static_cast<UINT>(value));
  return items_->FindHandle(reinterpret_cast<HMENU>(value));
}

void TMenu::SetOwnerDraw(bool on) {
  if (on == owner_draw_) return;
  owner_draw_ = on;
  // Every Win32 item takes the new type.
  std::function<void(TMenuItem&)> refill = [&](TMenuItem& item) {
    item.RebuildHandle();
    for (TMenuItem* child : item.items_) refill(*child);
  };
  refill(*items_);
  MenuChanged();
}

void TMenu::SetImages(TImageList* images) {
  images_ = images;
  images_name_ = images ? images->Name() : std::string();
  MenuChanged();
}

std::string TMenu::ImagesName() const { return images_ ? images_->Name() : images_name_; }

void TMenu::SetBiDiMode(TBiDiMode mode) {
  bidi_ = mode;
  std::function<void(TMenuItem&)> refill = [&](TMenuItem& item) {
    item.RebuildHandle();
    for (TMenuItem* child : item.items_) refill(*child);
  };
  refill(*items_);
  MenuChanged();
}

void TMenu::Loaded() {
  TComponent::Loaded();
  if (!images_name_.empty() && Owner()) images_ = dynamic_cast<TImageList*>(Owner()->FindComponent(images_name_));
}

HFONT TMenu::ItemFont() {
  if (!item_font_) {
    const LOGFONTW font = MenuFontInfo();
    item_font_.reset(CreateFontIndirectW(&font));
  }
  return item_font_;
}

// Every item of an opening menu is measured: one DC, its font selected once,
// spares each measure a DC and a font selection.
HDC TMenu::MeasureDc() {
  if (!measure_dc_) {
    measure_dc_.reset(CreateCompatibleDC(nullptr));
    if (measure_dc_ && ItemFont()) SelectObject(measure_dc_, ItemFont());
  }
  return measure_dc_;
}

bool TMenu::MeasureItem(MEASUREITEMSTRUCT& m) {
  if (m.CtlType != ODT_MENU) return false;
  TMenuItem* item = items_->FindCommand(m.itemID);
  if (!item) return false;
  Canvas canvas(MeasureDc());
  int width = 0, height = 0;
  item->MeasureDefault(canvas, width, height);
  if (item->OnMeasureItem) item->OnMeasureItem(*item, canvas, width, height);
  m.itemWidth = static_cast<UINT>(std::max(width, 0));
  m.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool TMenu::DrawItem(const DRAWITEMSTRUCT& d) {
  if (d.CtlType != ODT_MENU) return false;
  TMenuItem* item = items_->FindCommand(d.itemID);
  if (!item) return false;
  // The saved state gives the menu's DC its own font back.
  const SavedDc saved(d.hDC);
  if (HFONT font = ItemFont()) SelectObject(d.hDC, font);
  Canvas canvas(d.hDC);
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  if (item->OnDrawItem)
    item->OnDrawItem(*item, canvas, d.rcItem, selected);
  else
    item->DrawDefault(canvas, d.rcItem, selected);
  return true;
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = items_->FindCommand(command);
  if (!item) return false;
  item->Click();
  return true;
}

std::optional<LRESULT> TMenu::MenuChar(wchar_t key, HMENU menu) const {
  TMenuItem* parent = items_->handle_ == menu ? items_.get() : items_->FindHandle(menu);
  if (!parent) return std::nullopt;
  WORD position = 0;
  for (TMenuItem* item : parent->items_) {
    if (!item->Visible()) continue;
    if (item->Enabled() && IsAccel(key, Widen(item->Caption())))
      return MAKELRESULT(position, item->Count() > 0 ? MNC_SELECT : MNC_EXECUTE);
    ++position;
  }
  return std::nullopt;
}

bool TMenu::IsShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const TShortCut pressed = ShortCutOfKey(static_cast<WORD>(msg.wParam));
  // Items under a disabled or hidden parent are out of reach as well.
  std::function<TMenuItem*(TMenuItem&)> find = [&](TMenuItem& parent) -> TMenuItem* {
    for (TMenuItem* item : parent.items_) {
      if (!item->Enabled() || !item->Visible()) continue;
      if (!item->ShortCut().empty() && TextToShortCut(item->ShortCut()) == pressed) return item;
      if (TMenuItem* found = find(*item)) return found;
    }
    return nullptr;
  };
  TMenuItem* item = find(*items_);
  if (!item) return false;
  item->Click();
  return true;
}

TMainMenu::~TMainMenu() {
  if (form_) form_->SetMenu(nullptr);
}

const ClassInfo& TMainMenu::Info() {
  static const ClassInfo info{"TMainMenu", &TMenu::Info(), {},
                              [](TComponent* owner) -> TComponent* { return new TMainMenu(owner); }};
  return info;
}

void TMainMenu::MenuChanged() {
  if (form_ && !Loading()) form_->MenuChanged();
}

}  // namespace host
