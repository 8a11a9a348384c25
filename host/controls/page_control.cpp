#include "host/controls/page_control.h"

#include <commctrl.h>

#include <algorithm>

#include "host/core/text.h"
#include "host/gdi/handles.h"

namespace host {

namespace {
constexpr std::string_view kPositionNames[] = {"tpTop", "tpBottom", "tpLeft", "tpRight"};
const EnumInfo kPositions{"TTabPosition", kPositionNames};

// The style bits this control owns; the rest belong to the window.
constexpr DWORD kOwnStyles = TCS_BOTTOM | TCS_VERTICAL | TCS_MULTILINE;
}  // namespace

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 289, 193); }

const ClassInfo& TCustomTabControl::Info() {
  static const ClassInfo info{"TCustomTabControl", &TWinControl::Info(), {
      props::Enum<&TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition>("TabPosition", kPositions),
      props::Boolean<&TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine>("MultiLine"),
      props::Text<&TCustomTabControl::ImagesName, &TCustomTabControl::SetImagesName>("Images"),
      props::Event<&TCustomTabControl::SetOnChange>("OnChange"),
  }};
  return info;
}

// Side tabs stack: the system lays them out in rows only.
DWORD TCustomTabControl::StyleBits() const {
  DWORD style = multi_line_ ? TCS_MULTILINE : 0;
  if (position_ == tpBottom || position_ == tpRight) style |= TCS_BOTTOM;
  if (position_ == tpLeft || position_ == tpRight) style |= TCS_VERTICAL | TCS_MULTILINE;
  return style;
}

void TCustomTabControl::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = WC_TABCONTROLW;
  p.system_class = true;
  p.style |= WS_TABSTOP | WS_CLIPCHILDREN | StyleBits();
  p.ex_style |= WS_EX_CONTROLPARENT;
}

void TCustomTabControl::HandleCreated() {
  if (TImageList* images = Images()) SendMessageW(WindowHandle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images->Handle()));
  RebuildTabs();
}

void TCustomTabControl::ApplyStyle() {
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongW(WindowHandle(), GWL_STYLE) & ~static_cast<LONG>(kOwnStyles);
  SetWindowLongW(WindowHandle(), GWL_STYLE, style | static_cast<LONG>(StyleBits()));
  SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  Invalidate();
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
  position_ = position;
  ApplyStyle();
}

void TCustomTabControl::SetMultiLine(bool on) {
  multi_line_ = on;
  ApplyStyle();
}

void TCustomTabControl::RebuildTabs() {
  if (!HandleAllocated()) return;
  HWND w = WindowHandle();
  SendMessageW(w, TCM_DELETEALLITEMS, 0, 0);
  const std::vector<Tab> tabs = Tabs();
  for (size_t i = 0; i < tabs.size(); ++i) {
    std::wstring text = Widen(tabs[i].text);
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.iImage = tabs[i].image;
    SendMessageW(w, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  tab_index_ = std::min(tab_index_, static_cast<int>(tabs.size()) - 1);
  SendMessageW(w, TCM_SETCURSEL, static_cast<WPARAM>(tab_index_), 0);
}

int TCustomTabControl::TabIndex() const {
  return HandleAllocated() ? static_cast<int>(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0)) : tab_index_;
}

void TCustomTabControl::SetTabIndex(int index) {
  if (index == TabIndex()) return;
  tab_index_ = index;
  if (HandleAllocated()) SendMessageW(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  Change();
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

TImageList* TCustomTabControl::Images() const {
  // A stored name is looked up on first use, when every component of the form exists.
  if (!images_ && !images_name_.empty() && Owner()) images_ = dynamic_cast<TImageList*>(Owner()->FindComponent(images_name_));
  return images_;
}

void TCustomTabControl::SetImages(TImageList* images) {
  images_ = images;
  images_name_ = images ? images->Name() : std::string();
  if (HandleAllocated())
    SendMessageW(WindowHandle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

std::string TCustomTabControl::ImagesName() const { return images_ ? images_->Name() : images_name_; }

RECT TCustomTabControl::DisplayRect() {
  RECT r;
  GetClientRect(Handle(), &r);
  SendMessageW(WindowHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TCustomTabControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (header->code == TCN_SELCHANGE) {
      tab_index_ = static_cast<int>(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0));
      Change();
    }
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

const ClassInfo& TTabControl::Info() {
  static const ClassInfo info{"TTabControl", &TCustomTabControl::Info(), {
      props::Strings<&TTabControl::TabTexts, &TTabControl::SetTabTexts>("Tabs"),
  }, [](TComponent* owner) -> TComponent* { return new TTabControl(owner); }};
  return info;
}

void TTabControl::SetTabTexts(const StringList& tabs) {
  tabs_ = tabs;
  if (TabIndex() < 0 && !tabs_.empty()) SetTabIndex(0);
  RebuildTabs();
}

// Tab i shows picture i of the image list.
std::vector<TCustomTabControl::Tab> TTabControl::Tabs() const {
  std::vector<Tab> tabs;
  for (size_t i = 0; i < tabs_.size(); ++i) tabs.push_back({tabs_[i], static_cast<int>(i)});
  return tabs;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {}

TTabSheet::~TTabSheet() {
  if (TPageControl* pages = PageControl()) pages->RemovePage(this);
}

const ClassInfo& TTabSheet::Info() {
  static const ClassInfo info{"TTabSheet", &TWinControl::Info(), {
      props::Integer<&TTabSheet::ImageIndex, &TTabSheet::SetImageIndex>("ImageIndex"),
  }, [](TComponent* owner) -> TComponent* { return new TTabSheet(owner); }};
  return info;
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (TPageControl* old = PageControl()) old->RemovePage(this);
  auto* pages = dynamic_cast<TPageControl*>(parent);
  // Hidden until its page control shows it, so that pages do not flash by.
  if (pages) visible_ = false;
  TWinControl::SetParent(parent);
  if (pages) pages->AddPage(this);
}

void TTabSheet::SetCaption(std::string caption) {
  TWinControl::SetCaption(std::move(caption));
  if (TPageControl* pages = PageControl()) pages->PageChanged();
}

void TTabSheet::SetImageIndex(int index) {
  image_index_ = index;
  if (TPageControl* pages = PageControl()) pages->PageChanged();
}

void TTabSheet::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"TTabSheet";
  p.system_class = false;
  p.style |= WS_CLIPCHILDREN;
  p.ex_style |= WS_EX_CONTROLPARENT;
}

void TTabSheet::WndProc(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(WindowHandle(), &r);
    Brush brush(CreateSolidBrush(ColourToRgb(color_)));
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush);
    m.Result = 1;
    return;
  }
  TWinControl::WndProc(m);
}

const ClassInfo& TPageControl::Info() {
  static const ClassInfo info{"TPageControl", &TCustomTabControl::Info(), {
      props::Text<&TPageControl::ActivePageName, &TPageControl::SetActivePageName>("ActivePage"),
  }, [](TComponent* owner) -> TComponent* { return new TPageControl(owner); }};
  return info;
}

std::vector<TCustomTabControl::Tab> TPageControl::Tabs() const {
  std::vector<Tab> tabs;
  for (const TTabSheet* page : pages_) tabs.push_back({page->Caption(), page->ImageIndex()});
  return tabs;
}

TTabSheet* TPageControl::ActivePage() const {
  const int index = TabIndex();
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  const auto at = std::find(pages_.begin(), pages_.end(), page);
  if (at != pages_.end()) SetTabIndex(static_cast<int>(at - pages_.begin()));
}

std::string TPageControl::ActivePageName() const {
  const TTabSheet* page = ActivePage();
  return page ? page->Name() : active_name_;
}

void TPageControl::SetActivePageName(std::string name) {
  active_name_ = std::move(name);
  for (TTabSheet* page : pages_)
    if (SameText(page->Name(), active_name_)) SetActivePage(page);
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  SetActivePageName(active_name_);
  ShowActive();
}

void TPageControl::AddPage(TTabSheet* page) {
  pages_.push_back(page);
  PageChanged();
  if (TabIndex() < 0) SetTabIndex(0);
  ShowActive();
}

void TPageControl::RemovePage(TTabSheet* page) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  PageChanged();
  ShowActive();
}

void TPageControl::PageChanged() { RebuildTabs(); }

void TPageControl::ShowActive() {
  TTabSheet* active = ActivePage();
  if (active && HandleAllocated()) {
    const RECT d = DisplayRect();
    active->SetBounds(d.left, d.top, d.right - d.left, d.bottom - d.top);
  }
  if (active) active->SetVisible(true);
  for (TTabSheet* page : pages_)
    if (page != active) page->SetVisible(false);
}

void TPageControl::Change() {
  ShowActive();
  TCustomTabControl::Change();
}

void TPageControl::HandleCreated() {
  TCustomTabControl::HandleCreated();
  ShowActive();
}

void TPageControl::WndProc(TMessage& m) {
  TCustomTabControl::WndProc(m);
  if (m.Msg == WM_SIZE) ShowActive();
}

}  // namespace host
