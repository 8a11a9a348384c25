#pragma once
// A list of same-sized images for menus and buttons: the comctl32 image list,
// made on first use at the list's Width and Height, or one shared from
// elsewhere (a skin's check-mark images) that the list then does not free.
#include <windows.h>
#include <commctrl.h>

#include "host/core/component.h"

namespace host {

class TImageList : public TComponent {
public:
  explicit TImageList(TComponent* owner) : TComponent(owner) {}
  ~TImageList() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);

  // The images, made empty at the list's size when there are none yet.
  HIMAGELIST Handle();
  HIMAGELIST HandleIfMade() const { return handle_; }
  // Shows another list's images; the list stays its maker's.
  void ShareImages(HIMAGELIST images);
  int Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }
  // A picture whose pixels of the mask colour are left out; gives its index or -1.
  int AddMasked(HBITMAP picture, COLORREF mask);

private:
  void Release();

  int width_ = 16;
  int height_ = 16;
  HIMAGELIST handle_ = nullptr;
  bool owned_ = false;
};

}  // namespace host
