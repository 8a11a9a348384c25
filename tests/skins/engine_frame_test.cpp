// The skins' window-frame pictures put through the engine's own nine-slice
// drawing (real GDI stretching under Wine): the frame closes without seams and
// with transparent rounded corners at the launcher's size and others.
#include <gtest/gtest.h>

#include "bmp.h"
#include "skin/draw/skin_element.h"
#include "skin_support.h"

namespace {

using skingen::Image;
using skingen::kKey;

host::DibBitmap toDib(const Image& img) {
  const auto bytes = skingen::encodeBmp(img);
  host::DibBitmap dib;
  EXPECT_TRUE(dib.LoadFromBmp(bytes));
  return dib;
}

// Renders one border into the window picture at (x, y) as PaintBorder does.
void paintBorder(Image& win, const Image& picture, skin::Strip strip, RECT margins, int k, int x, int y, int w, int h) {
  const host::DibBitmap dib = toDib(picture);
  const host::DibBitmap part = skin::ComposeSkinElement(RECT{0, 0, w, h}, dib, margins, k, 2, false, strip);
  ASSERT_EQ(part.Width(), w);
  ASSERT_EQ(part.Height(), h);
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px) {
      const COLORREF c = part.Pixel(px, py);
      win.set(x + px, y + py, {GetRValue(c), GetGValue(c), GetBValue(c)});
    }
}

TEST(SkinFramesThroughTheEngine, CloseWithoutSeamsAndWithTransparentCorners) {
  ASSERT_FALSE(skintest::kSkins.empty()) << "no skins in " << skintest::sourceDir();
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    const auto& ini = s.ini;
    const Image& left = s.files.at(ini.ReadString("Personality", "Left", ""));
    const Image& right = s.files.at(ini.ReadString("Personality", "Right", ""));
    const Image& top = s.files.at(ini.ReadString("Personality", "Top", ""));
    const Image& bottom = s.files.at(ini.ReadString("Personality", "Bottom", ""));
    const int bl = left.width() / 2, br = right.width() / 2, bt = top.height() / 2, bb = bottom.height() / 2;
    auto sideMargins = [&](const char* n) {
      return RECT{0, ini.ReadInteger("Personality", std::string(n) + "TopHeight", 0), 0,
                  ini.ReadInteger("Personality", std::string(n) + "BotHeight", 0)};
    };
    auto acrossMargins = [&](const char* n) {
      return RECT{ini.ReadInteger("Personality", std::string(n) + "TopHeight", 0), 0,
                  ini.ReadInteger("Personality", std::string(n) + "BotHeight", 0), 0};
    };
    for (auto [w, h] : {std::pair{427, 280}, {160, 90}, {900, 640}})
      for (int k : {1, 2}) {
        SCOPED_TRACE(name + " " + std::to_string(w) + "x" + std::to_string(h) + " frame " + std::to_string(k));
        Image win(w, h, {1, 2, 3});
        paintBorder(win, left, skin::Strip::Horizontal, sideMargins("Left"), k, 0, 0, bl, h);
        paintBorder(win, right, skin::Strip::Horizontal, sideMargins("Right"), k, w - br, 0, br, h);
        paintBorder(win, bottom, skin::Strip::Vertical, acrossMargins("Bottom"), k, bl, h - bb, w - bl - br, bb);
        paintBorder(win, top, skin::Strip::Vertical, acrossMargins("Top"), k, bl, 0, w - bl - br, bt);
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) EXPECT_EQ(win.at(x, y), kKey);
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < w; ++x) {
            if (win.at(x, y) == kKey) {
              ASSERT_TRUE(std::min(x, w - 1 - x) < 10 && std::min(y, h - 1 - y) < 10) << "key at " << x << "," << y;
            }
          }
        for (int y = bt / 2; y < bt - 2; ++y) {
          EXPECT_EQ(win.at(bl - 1, y), win.at(bl, y)) << "left join, row " << y;
          EXPECT_EQ(win.at(w - br, y), win.at(w - br - 1, y)) << "right join, row " << y;
        }
      }
  }
}

}  // namespace
