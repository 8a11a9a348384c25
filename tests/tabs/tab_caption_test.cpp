// A tab's caption drawn into a bitmap: the icon beside the text, left out
// when the tab is too narrow for it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "host/gdi/handles.h"
#include "host/graphics/canvas.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/tab_caption.h"

namespace {

constexpr COLORREF kBack = RGB(0, 0, 90), kIcon = RGB(250, 0, 0), kText = RGB(255, 255, 255);

// One icon of the given size, all red.
HIMAGELIST RedIcons(int size) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24, 1, 1);
  host::DibBitmap picture(size, size);
  picture.GetCanvas().SetBrushColour(kIcon);
  picture.GetCanvas().FillRect({0, 0, size, size});
  const host::Bitmap copy(static_cast<HBITMAP>(CopyImage(picture.Handle(), IMAGE_BITMAP, 0, 0, 0)));
  ImageList_Add(list, copy, nullptr);
  return list;
}

host::DibBitmap Caption(int width, int image, HIMAGELIST images) {
  host::DibBitmap b(width, 24);
  b.GetCanvas().SetBrushColour(kBack);
  b.GetCanvas().FillRect({0, 0, width, 24});
  SelectObject(b.Dc(), GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(b.Dc(), kText);
  skin::DrawTabCaption(b.Dc(), {0, 0, width, 24}, skin::TTabAlign::Centre, L"Ab", image, images, true);
  return b;
}

bool Same(const host::DibBitmap& a, const host::DibBitmap& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

TEST(TabCaption, AnIconSitsBeforeTheTextUnlessItIsWiderThanTheTab) {
  HIMAGELIST small = RedIcons(16), large = RedIcons(32);
  const host::DibBitmap with_icon = Caption(80, 0, small);
  const host::DibBitmap plain = Caption(80, -1, small);
  // Centred as one: the icon, then the text.
  int icon_left = 80, icon_right = -1, text_left = 80, text_right = -1;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 80; ++x) {
      const COLORREF c = with_icon.Pixel(x, y);
      if (c == kIcon) icon_left = std::min(icon_left, x), icon_right = std::max(icon_right, x);
      if (c == kText) text_left = std::min(text_left, x), text_right = std::max(text_right, x);
    }
  EXPECT_EQ(icon_right - icon_left, 15);
  EXPECT_LT(icon_right, text_left);
  EXPECT_LE(std::abs(icon_left - (79 - text_right)), 3);
  EXPECT_FALSE(Same(with_icon, plain));

  EXPECT_TRUE(Same(Caption(30, 0, large), Caption(30, -1, large))) << "an icon wider than the tab is left out";
  EXPECT_TRUE(Same(Caption(30, 0, nullptr), Caption(30, -1, nullptr)));
  ImageList_Destroy(small);
  ImageList_Destroy(large);
}

}  // namespace
