#include "skin/controls/list_view.h"

#include <commctrl.h>

namespace skin {

void TListHeader::Follow(HWND list, TSkinData* data, host::Canvas* canvas) {
  if (header_ || !list) return;
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  if (!header) return;
  header_.reset(new TSkinHeader(nullptr));
  header_->AttachWindow(header, data, nullptr, canvas);
}

void TListHeader::SkinChanged() const {
  if (header_) header_->SkinChanged();
}

const host::ClassInfo& TSkinListView::Info() {
  static const host::ClassInfo info{"TSkinListView", &TSkinScrollbar::Info(), {}};
  return info;
}

void TSkinListView::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  if (Attached) return;
  TSkinScrollbar::Attach(form, data, use_skin_colour, canvas);
  header_.Follow(Handle, SkinData, FormCanvas);
}

void TSkinListView::AfterMessage(host::TMessage& m) {
  TSkinScrollbar::AfterMessage(m);
  if (m.Msg == WM_STYLECHANGED) header_.Follow(Handle, SkinData, FormCanvas);
}

void TSkinListView::SkinChanged() {
  TSkinScrollbar::SkinChanged();
  header_.SkinChanged();
}

const host::ClassInfo& TSkinListViewH::Info() {
  static const host::ClassInfo info{"TSkinListViewH", &TSkinScrollbarH::Info(), {}};
  return info;
}

void TSkinListViewH::AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) {
  if (Attached) return;
  TSkinScrollbarH::AttachWindow(window, data, form, canvas);
  header_.Follow(Handle, SkinData, FormCanvas);
}

void TSkinListViewH::AfterMessage(host::TMessage& m) {
  TSkinScrollbarH::AfterMessage(m);
  if (m.Msg == WM_STYLECHANGED) header_.Follow(Handle, SkinData, FormCanvas);
}

void TSkinListViewH::SkinChanged() {
  TSkinScrollbarH::SkinChanged();
  header_.SkinChanged();
}

}  // namespace skin
