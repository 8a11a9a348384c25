// The base's caption beside an image, for skinners that draw items of their
// control themselves (the sections of a header).
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/skin_control.h"
#include "skin/draw/text.h"

namespace skin {

void TSkinControl::DrawCaptionImage(HDC dc, const RECT& rect, UINT align, std::wstring_view text, HIMAGELIST images,
                                    int image) const {
  if (text.empty()) return;
  RECT room = rect;
  int cx = 0, cy = 0;
  if (images && image >= 0 && image < ImageList_GetImageCount(images) && ImageList_GetIconSize(images, &cx, &cy)) {
    ImageList_Draw(images, image, dc, room.left, room.top + ((room.bottom - room.top) - cy) / 2, ILD_TRANSPARENT);
    room.left += cx + 2;
  }
  if (room.right <= room.left) return;
  const int mode = SetBkMode(dc, TRANSPARENT);
  DrawTextAW(dc, text, room, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  SetBkMode(dc, mode);
}

}  // namespace skin
