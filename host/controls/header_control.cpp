#include "host/controls/header_control.h"

#include <commctrl.h>

#include "host/core/text.h"

namespace host {
namespace {

int SectionFormat(const THeaderSection& section) {
  int format = HDF_STRING;
  switch (section.Alignment()) {
    case TAlignment::taCenter: format |= HDF_CENTER; break;
    case TAlignment::taRightJustify: format |= HDF_RIGHT; break;
    case TAlignment::taLeftJustify: format |= HDF_LEFT; break;
  }
  if (section.ImageIndex() >= 0) format |= HDF_IMAGE;
  return format;
}

}  // namespace

// ---- THeaderSection ----

const ClassInfo& THeaderSection::Info() {
  static const ClassInfo info{"THeaderSection", nullptr, {
      props::Enum<&THeaderSection::Alignment, &THeaderSection::SetAlignment>("Alignment", AlignmentType()),
      props::Integer<&THeaderSection::ImageIndex, &THeaderSection::SetImageIndex>("ImageIndex"),
      props::Text<&THeaderSection::Text, &THeaderSection::SetText>("Text"),
      props::Integer<&THeaderSection::Width, &THeaderSection::SetWidth>("Width"),
  }};
  return info;
}

void THeaderSection::SetText(std::string v) { text_ = std::move(v); Changed(); }
void THeaderSection::SetWidth(int v) { width_ = v < 0 ? 0 : v; Changed(); }
void THeaderSection::SetAlignment(TAlignment v) { alignment_ = v; Changed(); }
void THeaderSection::SetImageIndex(int v) { image_index_ = v < -1 ? -1 : v; Changed(); }
void THeaderSection::Changed() { header_.UpdateSections(); }
int THeaderSection::Index() const { return header_.Sections()->IndexOf(this); }

// ---- THeaderSections ----

const ClassInfo& THeaderSections::Info() {
  static const ClassInfo info{"THeaderSections", nullptr, {}};
  return info;
}

// ---- THeaderControl ----

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>(*this)) {
  SetBounds(0, 0, 200, 20);
}

const ClassInfo& THeaderControl::Info() {
  static const ClassInfo info{"THeaderControl", &TWinControl::Info(), {
      props::Collection<&THeaderControl::Sections>("Sections"),
      props::Text<&THeaderControl::ImagesName, &THeaderControl::SetImagesName>("Images"),
      props::Event<&THeaderControl::SetOnSectionClick>("OnSectionClick"),
  }, [](TComponent* owner) -> TComponent* { return new THeaderControl(owner); }};
  return info;
}

void THeaderControl::SetOnSectionClick(NotifyEvent e) {
  if (!e) {
    OnSectionClick = nullptr;
    return;
  }
  OnSectionClick = [e = std::move(e)](THeaderControl* header, THeaderSection*) { e(header); };
}

void THeaderControl::SetImages(TImageList* images) {
  images_ = images;
  images_name_ = images ? images->Name() : std::string();
  UpdateSections();
}

std::string THeaderControl::ImagesName() const { return images_ ? images_->Name() : images_name_; }

void THeaderControl::Loaded() {
  TWinControl::Loaded();
  if (!images_name_.empty() && Owner()) images_ = dynamic_cast<TImageList*>(Owner()->FindComponent(images_name_));
  UpdateSections();
}

void THeaderControl::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = WC_HEADERW;
  p.system_class = true;
  p.style |= HDS_BUTTONS | HDS_HORZ;
}

void THeaderControl::HandleCreated() { UpdateSections(); }

void THeaderControl::UpdateSections() {
  if (!HandleAllocated() || Loading()) return;
  HWND w = WindowHandle();
  SendMessageW(w, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  while (SendMessageW(w, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(w, HDM_DELETEITEM, 0, 0);
  for (int i = 0; i < sections_->Count(); ++i) {
    const THeaderSection& section = sections_->Item(i);
    std::wstring text = Widen(section.Text());
    HDITEMW item{};
    // The system marks an item that is given an image as showing one.
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | (section.ImageIndex() >= 0 ? HDI_IMAGE : 0);
    item.pszText = text.data();
    item.cxy = section.Width();
    item.fmt = SectionFormat(section);
    item.iImage = section.ImageIndex();
    SendMessageW(w, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  Invalidate();
}

void THeaderControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    const auto* nm = reinterpret_cast<const NMHEADERW*>(m.LParam);
    if ((nm->hdr.code == HDN_ITEMCLICKW || nm->hdr.code == HDN_ITEMCLICKA) && nm->iItem >= 0 &&
        nm->iItem < sections_->Count() && OnSectionClick)
      OnSectionClick(this, &sections_->Item(nm->iItem));
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
