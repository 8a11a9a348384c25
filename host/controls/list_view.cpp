#include "host/controls/list_view.h"

#include <commctrl.h>

#include "host/core/text.h"

namespace host {
namespace {

constexpr std::string_view kViewStyleNames[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
const EnumInfo kViewStyles{"TViewStyle", kViewStyleNames};

DWORD ViewBits(TViewStyle style) {
  switch (style) {
    case vsSmallIcon: return LVS_SMALLICON;
    case vsList: return LVS_LIST;
    case vsReport: return LVS_REPORT;
    default: return LVS_ICON;
  }
}

}  // namespace

// ---- TListColumn ----

const ClassInfo& TListColumn::Info() {
  static const ClassInfo info{"TListColumn", nullptr, {
      props::Text<&TListColumn::Caption, &TListColumn::SetCaption>("Caption"),
      props::Integer<&TListColumn::Width, &TListColumn::SetWidth>("Width"),
  }};
  return info;
}

void TListColumn::SetCaption(std::string v) {
  caption_ = std::move(v);
  view_.UpdateColumns();
}

void TListColumn::SetWidth(int v) {
  width_ = v < 0 ? 0 : v;
  view_.UpdateColumns();
}

// ---- TListColumns ----

const ClassInfo& TListColumns::Info() {
  static const ClassInfo info{"TListColumns", nullptr, {}};
  return info;
}

// ---- TListView ----

TListView::TListView(TComponent* owner) : TWinControl(owner), columns_(std::make_unique<TListColumns>(*this)) {
  SetBounds(0, 0, 250, 150);
}

const ClassInfo& TListView::Info() {
  static const ClassInfo info{"TListView", &TWinControl::Info(), {
      props::Collection<&TListView::Columns>("Columns"),
      props::Boolean<&TListView::RowSelect, &TListView::SetRowSelect>("RowSelect"),
      props::Text<&TListView::SmallImagesName, &TListView::SetSmallImagesName>("SmallImages"),
      props::Enum<&TListView::ViewStyle, &TListView::SetViewStyle>("ViewStyle", kViewStyles),
      props::Event<&TListView::SetOnSelectItem>("OnSelectItem"),
  }, [](TComponent* owner) -> TComponent* { return new TListView(owner); }};
  return info;
}

void TListView::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = WC_LISTVIEWW;
  p.system_class = true;
  p.style |= WS_TABSTOP | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | ViewBits(view_style_);
  p.ex_style |= WS_EX_CLIENTEDGE;
}

void TListView::HandleCreated() {
  ApplyStyle();
  UpdateColumns();
  for (int i = 0; i < ItemCount(); ++i) InsertRow(i);
  if (pending_index_ >= 0) SetItemIndex(pending_index_);
}

void TListView::Loaded() {
  TWinControl::Loaded();
  if (!small_images_name_.empty() && Owner())
    small_images_ = dynamic_cast<TImageList*>(Owner()->FindComponent(small_images_name_));
  ApplyStyle();
  UpdateColumns();
}

void TListView::ApplyStyle() {
  if (!HandleAllocated()) return;
  HWND w = WindowHandle();
  const LONG style = GetWindowLongW(w, GWL_STYLE) & ~static_cast<LONG>(LVS_TYPEMASK);
  SetWindowLongW(w, GWL_STYLE, style | static_cast<LONG>(ViewBits(view_style_)));
  SendMessageW(w, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, row_select_ ? LVS_EX_FULLROWSELECT : 0);
  SendMessageW(w, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small_images_ ? small_images_->Handle() : nullptr));
}

void TListView::SetViewStyle(TViewStyle v) {
  view_style_ = v;
  ApplyStyle();
}

void TListView::SetRowSelect(bool on) {
  row_select_ = on;
  ApplyStyle();
}

void TListView::SetSmallImages(TImageList* images) {
  small_images_ = images;
  small_images_name_ = images ? images->Name() : std::string();
  ApplyStyle();
}

std::string TListView::SmallImagesName() const { return small_images_ ? small_images_->Name() : small_images_name_; }

void TListView::UpdateColumns() {
  if (!HandleAllocated() || Loading()) return;
  HWND w = WindowHandle();
  while (SendMessageW(w, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (int i = 0; i < columns_->Count(); ++i) {
    const TListColumn& column = columns_->Item(i);
    std::wstring text = Widen(column.Caption());
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    c.pszText = text.data();
    c.cx = column.Width();
    c.iSubItem = i;
    SendMessageW(w, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&c));
  }
}

void TListView::InsertRow(int index) const {
  HWND w = WindowHandle();
  const Row& row = rows_[static_cast<size_t>(index)];
  for (size_t column = 0; column < row.texts.size(); ++column) {
    std::wstring text = Widen(row.texts[column]);
    LVITEMW item{};
    item.iItem = index;
    item.iSubItem = static_cast<int>(column);
    item.pszText = text.data();
    if (column == 0) {
      item.mask = LVIF_TEXT | (row.image >= 0 ? LVIF_IMAGE : 0);
      item.iImage = row.image;
      SendMessageW(w, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    } else {
      item.mask = LVIF_TEXT;
      SendMessageW(w, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
  }
}

int TListView::AddItem(const std::string& caption, const StringList& subitems, int image) {
  Row row{{caption}, image};
  row.texts.insert(row.texts.end(), subitems.begin(), subitems.end());
  rows_.push_back(std::move(row));
  const int index = ItemCount() - 1;
  if (HandleAllocated()) InsertRow(index);
  return index;
}

void TListView::ClearItems() {
  rows_.clear();
  pending_index_ = -1;
  if (HandleAllocated()) SendMessageW(WindowHandle(), LVM_DELETEALLITEMS, 0, 0);
}

std::string TListView::ItemText(int item, int column) const {
  if (item < 0 || item >= ItemCount() || column < 0) return {};
  const StringList& texts = rows_[static_cast<size_t>(item)].texts;
  return static_cast<size_t>(column) < texts.size() ? texts[static_cast<size_t>(column)] : std::string();
}

int TListView::ItemIndex() const {
  if (!HandleAllocated()) return pending_index_;
  return static_cast<int>(SendMessageW(WindowHandle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TListView::SetItemIndex(int index) {
  pending_index_ = index >= 0 && index < ItemCount() ? index : -1;
  if (!HandleAllocated()) return;
  LVITEMW clear{};
  clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(WindowHandle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
  if (pending_index_ < 0) return;
  LVITEMW set = clear;
  set.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(WindowHandle(), LVM_SETITEMSTATE, static_cast<WPARAM>(pending_index_), reinterpret_cast<LPARAM>(&set));
  SendMessageW(WindowHandle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(pending_index_), FALSE);
}

void TListView::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    const auto* nm = reinterpret_cast<const NMLISTVIEW*>(m.LParam);
    if (nm->hdr.code == LVN_ITEMCHANGED && (nm->uChanged & LVIF_STATE) &&
        ((nm->uOldState ^ nm->uNewState) & LVIS_SELECTED) && OnSelectItem)
      OnSelectItem(this);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
