#include "skin/controls/list_view.h"

#include <commctrl.h>

#include "host/core/colour.h"
#include "skin/data/skin_data.h"

namespace skin {

void TListViewParts::Attached(const TSkinControl& list) {
  FollowHeader(list);
  ApplyColours(list);
}

void TListViewParts::Message(const TSkinControl& list, UINT msg) {
  if (msg == WM_STYLECHANGED) FollowHeader(list);
}

void TListViewParts::Active(const TSkinControl& list) {
  if (list.SkinActive)
    ApplyColours(list);
  else
    Restore(list);
}

void TListViewParts::SkinChanged(const TSkinControl& list) {
  Restore(list);
  ApplyColours(list);
  if (header_) header_->SkinChanged();
}

void TListViewParts::FollowHeader(const TSkinControl& list) {
  if (header_ && header_->LifeState == clGone) header_.reset();  // the list made a new one
  if (header_ || !list.Handle) return;
  HWND header = reinterpret_cast<HWND>(SendMessageW(list.Handle, LVM_GETHEADER, 0, 0));
  if (!header) return;
  header_.reset(new TSkinHeader(nullptr));
  header_->AttachWindow(header, list.SkinData, nullptr, list.FormCanvas);
}

void TListViewParts::ApplyColours(const TSkinControl& list) {
  if (!list.Handle || !list.SkinData) return;
  const ContentColours& c = list.SkinData->Elements().Content;
  if (c.Content == kColourNotGiven) return;
  HWND w = list.Handle;
  if (!coloured_) {
    back_ = static_cast<COLORREF>(SendMessageW(w, LVM_GETBKCOLOR, 0, 0));
    text_back_ = static_cast<COLORREF>(SendMessageW(w, LVM_GETTEXTBKCOLOR, 0, 0));
    text_ = static_cast<COLORREF>(SendMessageW(w, LVM_GETTEXTCOLOR, 0, 0));
    coloured_ = true;
  }
  const auto content = static_cast<LPARAM>(host::ColourToRgb(c.Content));
  SendMessageW(w, LVM_SETBKCOLOR, 0, content);
  SendMessageW(w, LVM_SETTEXTBKCOLOR, 0, content);
  if (c.ContentText != kColourNotGiven)
    SendMessageW(w, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(host::ColourToRgb(c.ContentText)));
  InvalidateRect(w, nullptr, TRUE);
}

// A list that is going away keeps what it has.
void TListViewParts::Restore(const TSkinControl& list) {
  if (!coloured_ || !list.Handle || list.LifeState == clGone) return;
  coloured_ = false;
  HWND w = list.Handle;
  SendMessageW(w, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back_));
  SendMessageW(w, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(text_back_));
  SendMessageW(w, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text_));
  InvalidateRect(w, nullptr, TRUE);
}

const host::ClassInfo& TSkinListView::Info() {
  static const host::ClassInfo info{"TSkinListView", &TSkinScrollbar::Info(), {}};
  return info;
}

void TSkinListView::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  if (Attached) return;
  TSkinScrollbar::Attach(form, data, use_skin_colour, canvas);
  parts_.Attached(*this);
}

const host::ClassInfo& TSkinListViewH::Info() {
  static const host::ClassInfo info{"TSkinListViewH", &TSkinScrollbarH::Info(), {}};
  return info;
}

void TSkinListViewH::AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) {
  if (Attached) return;
  TSkinScrollbarH::AttachWindow(window, data, form, canvas);
  parts_.Attached(*this);
}

}  // namespace skin
