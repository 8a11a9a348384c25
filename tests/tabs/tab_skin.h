#pragma once
// A skin whose tab frames are plain colours and whose pane picture has four
// coloured quarters: a pixel read back tells which frame, or which corner of
// the pane picture, it shows.
#include <windows.h>

#include "test_skins.h"

namespace tabs_test {

// Frames 1 to 5 of the Tabs picture.
inline constexpr COLORREF kFrame[5] = {RGB(200, 0, 0), RGB(0, 150, 0), RGB(90, 90, 90), RGB(100, 100, 0),
                                       RGB(0, 100, 100)};
inline constexpr COLORREF kNormalText = RGB(255, 255, 255);
inline constexpr COLORREF kFocusText = RGB(255, 255, 0);
// Top left, top right, bottom left, bottom right of the pane picture.
inline constexpr COLORREF kQuarter[4] = {RGB(255, 128, 0), RGB(0, 0, 255), RGB(0, 255, 255), RGB(128, 0, 128)};

inline data_test::TestSkin PlainTabsSkin() {
  data_test::TestSkin skin{
      "[Tabs]\nImage=tabs.bmp\nStyle=1\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=0\nTile=0\n"
      "NormalColour2=255 255 255\nMouseOverColour2=255 255 0\n"
      "[Tab.Pane]\nImage=pane.bmp\nLeftWidth=0\nRightWidth=0\nTopHeight=0\nBottomHeight=0\nTrans=0\nTile=0\n"};
  skin.Picture("tabs.bmp", data_test::Bmp(100, 20, [](int x, int) { return kFrame[x / 20]; }));
  skin.Picture("pane.bmp", data_test::Bmp(40, 30, [](int x, int y) { return kQuarter[(y >= 15) * 2 + (x >= 20)]; }));
  return skin;
}

}  // namespace tabs_test
