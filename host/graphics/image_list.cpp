#include "host/graphics/image_list.h"

#include "host/core/error.h"

namespace host {

TImageList::~TImageList() { Release(); }

const ClassInfo& TImageList::Info() {
  static const ClassInfo info{"TImageList", &TComponent::Info(), {
      props::Integer<&TImageList::Width, &TImageList::SetWidth>("Width"),
      props::Integer<&TImageList::Height, &TImageList::SetHeight>("Height"),
  }, [](TComponent* owner) -> TComponent* { return new TImageList(owner); }};
  return info;
}

void TImageList::Release() {
  if (handle_ && owned_) ImageList_Destroy(handle_);
  handle_ = nullptr;
  owned_ = false;
}

// A new size empties the list, as its images no longer fit.
void TImageList::SetWidth(int width) {
  if (width == width_ || width <= 0) return;
  Release();
  width_ = width;
}

void TImageList::SetHeight(int height) {
  if (height == height_ || height <= 0) return;
  Release();
  height_ = height;
}

HIMAGELIST TImageList::Handle() {
  if (!handle_) {
    handle_ = ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (!handle_) throw Error("Cannot create an image list: " + SystemErrorText(GetLastError()));
    owned_ = true;
  }
  return handle_;
}

void TImageList::ShareImages(HIMAGELIST images) {
  Release();
  handle_ = images;
  if (images) ImageList_GetIconSize(images, &width_, &height_);
}

int TImageList::AddMasked(HBITMAP picture, COLORREF mask) { return ImageList_AddMasked(Handle(), picture, mask); }

}  // namespace host
