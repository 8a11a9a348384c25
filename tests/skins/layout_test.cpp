// Every picture the definitions name exists with the frame layout its element
// expects, margins that fit its frames, and a window frame that closes without
// seams and with transparent rounded corners.
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin_support.h"

namespace {

using skingen::Image;
using skingen::kKey;

struct Layout {
  std::string section, key;
  int frames;           // 0: the value of framesKey (the progress bar: by its style)
  std::string framesKey;
  bool stacked = false;
};

std::vector<Layout> layouts() {
  std::vector<Layout> l = {
      {"Personality", "Left", 0, "LeftFrame"},
      {"Personality", "Right", 0, "RightFrame"},
      {"Personality", "Top", 0, "TopFrame", true},
      {"Personality", "Bottom", 0, "BottomFrame", true},
      {"Personality", "menuBar", 2, "", true},
      {"Buttons", "Bitmap", 5, ""},
      {"Buttons", "CheckButton", 0, "CheckButtonFrame"},
      {"Buttons", "RadioButton", 0, "RadioButtonFrame"},
      {"MDICONTROLS", "Image", 12, ""},
      {"Progress", "Bitmap", 0, ""},
      {"Progress.Chunk", "Image", 0, "Frame"},
      {"GroupBoxEdge", "Image", 2, ""},
      {"GroupBox", "Image", 1, ""},
      {"Tabs", "Image", 5, ""},
      {"Tabs", "Border", 1, ""},
      {"StatusBarEdges", "Image", 3, ""},
      {"Tab.Pane", "Image", 1, ""},
      {"ToolBars", "Image", 5, ""},
      {"ComboButton", "Image", 4, ""},
      {"SunkEdge", "Image", 4, ""},
      {"ExtraImages", "Image", 5, ""},
      {"Headerbar", "Image", 0, "Frame"},
      {"MenuItem", "Image", 5, ""},
      {"MenuBackground", "Image", 1, ""},
      {"Scrollbar", "Image", 23, ""},
      {"HorzScroll", "Image", 4, ""},
      {"VertScroll", "Image", 4, ""},
      {"HorzScrollThumb", "Image", 0, "FrameCount"},
      {"VertScrollThumb", "Image", 0, "FrameCount"},
      {"UpDown.Horz", "Image", 8, ""},
      {"UpDown.Horz", "GlyphImage", 8, ""},
      {"UpDown.Vert", "Image", 8, ""},
      {"UpDown.Vert", "GlyphImage", 8, ""},
      {"Track", "Image", 0, "Frame"},
      {"TRACKVERT", "Image", 0, "Frame"},
  };
  for (const char* thumb : {"ThumbHorz", "ThumbVert", "ThumbLeft", "ThumbRight", "ThumbUp", "ThumbDown"})
    l.push_back({std::string("Trackbar.") + thumb, "Image", 5, ""});
  return l;
}

// The bar style's track and fill; the chunk style's track alone.
int framesOf(const Layout& l, const skin::store::TQuickIni& ini) {
  if (l.frames) return l.frames;
  if (l.framesKey.empty()) return ini.ReadInteger(l.section, "Style", 0) == 1 ? 1 : 2;
  return ini.ReadInteger(l.section, l.framesKey, 0);
}

struct FrameSize {
  int w, h;
};

FrameSize frameSize(const Image& img, int frames, bool stacked) {
  return stacked ? FrameSize{img.width(), img.height() / frames} : FrameSize{img.width() / frames, img.height()};
}

TEST(SkinLayout, EveryNamedPictureExistsWithTheFramesItsElementExpects) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    for (const Layout& l : layouts()) {
      SCOPED_TRACE(name + " [" + l.section + "] " + l.key);
      const std::string file = s.ini.ReadString(l.section, l.key, "");
      ASSERT_TRUE(s.files.count(file)) << file;
      const Image& img = s.files.at(file);
      const int frames = framesOf(l, s.ini);
      ASSERT_GE(frames, 1);
      EXPECT_EQ((l.stacked ? img.height() : img.width()) % frames, 0) << img.width() << "x" << img.height();
      for (const skingen::Picture& p : s.skin.pictures)
        if (p.file == file) {
          EXPECT_EQ(p.frames, frames) << "the review sheet would mark other frames";
          EXPECT_EQ(p.stacked, l.stacked);
        }
    }
  }
}

TEST(SkinLayout, CaptionButtonPicturesHoldTheirFrames) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    for (int i = 0; i <= 5; ++i) {
      const std::string section = "Button" + std::to_string(i);
      const Image& img = s.files.at(s.ini.ReadString(section, "ButtonImage", ""));
      const int frames = s.ini.ReadInteger(section, "frame", 0);
      EXPECT_TRUE(frames == 4 || (frames == 1 && s.ini.ReadInteger(section, "Action", 0) == 3)) << section;
      EXPECT_EQ(img.width() % frames, 0) << section;
    }
  }
}

TEST(SkinLayout, MarginsFitInsideTheirFrames) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    for (const Layout& l : layouts()) {
      if (l.section == "Personality" || (l.key != "Image" && l.key != "Bitmap")) continue;
      SCOPED_TRACE(name + " [" + l.section + "]");
      const Image& img = s.files.at(s.ini.ReadString(l.section, l.key, ""));
      const int frames = framesOf(l, s.ini);
      const FrameSize f = frameSize(img, frames, l.stacked);
      const int left = s.ini.ReadInteger(l.section, "LeftWidth", 0), right = s.ini.ReadInteger(l.section, "RightWidth", 0);
      const int top = s.ini.ReadInteger(l.section, "TopHeight", 0), bottom = s.ini.ReadInteger(l.section, "BottomHeight", 0);
      EXPECT_LT(left + right, f.w + (left + right == 0));
      EXPECT_LT(top + bottom, f.h + (top + bottom == 0));
    }
    for (const char* key : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"})
      EXPECT_LE(s.ini.ReadInteger("Tab.Pane", key, 0), 4) << "the engine cuts pane margins to 4";
    const int caption = s.files.at(s.ini.ReadString("Personality", "Top", "")).width();
    EXPECT_LT(s.ini.ReadInteger("Personality", "TopTopHeight", 0) + s.ini.ReadInteger("Personality", "TopBotHeight", 0), caption);
    const int side = s.files.at(s.ini.ReadString("Personality", "Left", "")).height();
    EXPECT_LT(s.ini.ReadInteger("Personality", "LeftTopHeight", 0) + s.ini.ReadInteger("Personality", "LeftBotHeight", 0), side);
  }
}

TEST(SkinLayout, ScrollArrowsAreSquaresOfTheSystemArrowSize) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    const Image& img = s.files.at(s.ini.ReadString("Scrollbar", "Image", ""));
    // Within 2 pixels of the usual 16-pixel arrow the engine uses the picture's own size.
    EXPECT_LE(std::abs(img.height() - 16), 2);
    EXPECT_EQ(img.width() / 23, img.height());
  }
}

TEST(SkinLayout, BordersAreAtLeastThreePixels) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    EXPECT_GE(s.files.at(s.ini.ReadString("Personality", "Left", "")).width() / 2, 3);
    EXPECT_GE(s.files.at(s.ini.ReadString("Personality", "Right", "")).width() / 2, 3);
    EXPECT_GE(s.files.at(s.ini.ReadString("Personality", "Bottom", "")).height() / 2, 3);
  }
}

// Nine-slice rendering as the engine does it (corners 1:1, edges and centre
// stretched by dropping or repeating pixels), of frame k.
Image compose(const Image& img, int frames, int k, bool stacked, int l, int t, int r, int b, int w, int h) {
  const FrameSize f = frameSize(img, frames, stacked);
  const int fx = stacked ? 0 : (k - 1) * f.w, fy = stacked ? (k - 1) * f.h : 0;
  if (l + r > w) l = r = 0;
  if (t + b > h) t = b = 0;
  Image out(w, h);
  auto map = [](int d, int d0, int d1, int s0, int s1) { return s0 + (d - d0) * (s1 - s0) / std::max(1, d1 - d0); };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int sx = x < l ? x : x >= w - r ? f.w - (w - x) : map(x, l, w - r, l, f.w - r);
      const int sy = y < t ? y : y >= h - b ? f.h - (h - y) : map(y, t, h - b, t, f.h - b);
      out.set(x, y, img.at(fx + sx, fy + sy));
    }
  return out;
}

// The window frame of a w x h window, active or not, as the frame painter lays it out.
Image windowFrame(const skintest::LoadedSkin& s, int w, int h, bool active) {
  const auto& ini = s.ini;
  const Image& left = s.files.at(ini.ReadString("Personality", "Left", ""));
  const Image& right = s.files.at(ini.ReadString("Personality", "Right", ""));
  const Image& top = s.files.at(ini.ReadString("Personality", "Top", ""));
  const Image& bottom = s.files.at(ini.ReadString("Personality", "Bottom", ""));
  const int k = active ? 1 : 2;
  const int bl = left.width() / 2, br = right.width() / 2, bt = top.height() / 2, bb = bottom.height() / 2;
  Image win(w, h, {0, 0, 0});
  const int lt = ini.ReadInteger("Personality", "LeftTopHeight", 0), lb = ini.ReadInteger("Personality", "LeftBotHeight", 0);
  const int rt = ini.ReadInteger("Personality", "RightTopHeight", 0), rb = ini.ReadInteger("Personality", "RightBotHeight", 0);
  const int tl = ini.ReadInteger("Personality", "TopTopHeight", 0), tr = ini.ReadInteger("Personality", "TopBotHeight", 0);
  const int ml = ini.ReadInteger("Personality", "BottomTopHeight", 0), mr = ini.ReadInteger("Personality", "BottomBotHeight", 0);
  win.paste(compose(left, 2, k, false, 0, lt, 0, lb, bl, h), 0, 0);
  win.paste(compose(right, 2, k, false, 0, rt, 0, rb, br, h), w - br, 0);
  win.paste(compose(bottom, 2, k, true, ml, 0, mr, 0, w - bl - br, bb), bl, h - bb);
  win.paste(compose(top, 2, k, true, tl, 0, tr, 0, w - bl - br, bt), bl, 0);
  return win;
}

TEST(SkinLayout, WindowCornersAreTransparentAndRounded) {
  for (const std::string& name : skintest::kSkins)
    for (bool active : {true, false}) {
      SCOPED_TRACE(name + (active ? " active" : " inactive"));
      const skintest::LoadedSkin s = skintest::loadSkin(name);
      const Image win = windowFrame(s, 427, 280, active);
      for (auto [x, y] : {std::pair{0, 0}, {426, 0}, {0, 279}, {426, 279}}) EXPECT_EQ(win.at(x, y), kKey) << x << "," << y;
      // Rounded, not cut square: the key recedes along the edges away from the corner.
      EXPECT_EQ(win.at(1, 0), kKey);
      EXPECT_NE(win.at(20, 0), kKey);
      EXPECT_NE(win.at(0, 30), kKey);
      // Key pixels only near the four corners.
      for (int y = 0; y < 280; ++y)
        for (int x = 0; x < 427; ++x)
          if (win.at(x, y) == kKey) {
            const int dx = std::min(x, 426 - x), dy = std::min(y, 279 - y);
            ASSERT_TRUE(dx < 10 && dy < 10) << "transparent pixel at " << x << "," << y;
          }
    }
}

TEST(SkinLayout, BorderPiecesMeetWithoutSeams) {
  for (const std::string& name : skintest::kSkins) {
    SCOPED_TRACE(name);
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    const int bl = s.files.at(s.ini.ReadString("Personality", "Left", "")).width() / 2;
    const int bt = s.files.at(s.ini.ReadString("Personality", "Top", "")).height() / 2;
    const int bb = s.files.at(s.ini.ReadString("Personality", "Bottom", "")).height() / 2;
    const int margin = s.ini.ReadInteger("Personality", "TopTopHeight", 0);
    const int sideTop = s.ini.ReadInteger("Personality", "LeftTopHeight", 0);
    const int sideBottom = s.ini.ReadInteger("Personality", "LeftBotHeight", 0);
    const Image small = windowFrame(s, 200, 120, true);
    for (auto [w, h] : {std::pair{427, 280}, {801, 603}}) {
      const Image win = windowFrame(s, w, h, true);
      // Below the rounded corners, caption rows run on across the joins between
      // the side borders and the caption.
      for (int y = bt / 2; y < bt - 2; ++y) {
        EXPECT_EQ(win.at(bl - 1, y), win.at(bl, y)) << "left join, row " << y;
        EXPECT_EQ(win.at(w - bl, y), win.at(w - bl - 1, y)) << "right join, row " << y;
      }
      // Stretched middles are uniform right from the end of each corner piece.
      for (int x = bl + margin; x < w - bl - margin; ++x) {
        EXPECT_EQ(win.at(x, bt / 2), win.at(w / 2, bt / 2)) << "caption column " << x;
        EXPECT_EQ(win.at(x, h - bb / 2 - 1), win.at(w / 2, h - bb / 2 - 1)) << "bottom column " << x;
      }
      for (int y = sideTop; y < h - sideBottom; ++y) EXPECT_EQ(win.at(bl / 2, y), win.at(bl / 2, h / 2)) << "row " << y;
      // Corner pieces are copied whole, whatever the window size.
      for (int y = 0; y < bt; ++y)
        for (int x = 0; x < bl + margin; ++x) ASSERT_EQ(win.at(x, y), small.at(x, y)) << x << "," << y;
      for (int y = 1; y <= sideBottom; ++y)
        for (int x = 0; x < bl + margin; ++x) ASSERT_EQ(win.at(w - 1 - x, h - y), small.at(199 - x, 120 - y)) << x << "," << y;
    }
  }
}

// Pictures the engine copies without the colour key must hold no key pixel, or
// it would show as magenta.
TEST(SkinLayout, OpaqueElementsHoldNoTransparentPixels) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    std::vector<std::pair<std::string, std::string>> opaque = {
        {"Personality", "menuBar"}, {"Track", "Image"}, {"TRACKVERT", "Image"}, {"Tabs", "Border"},
        {"Tab.Pane", "Image"}, {"MenuBackground", "Image"}, {"StatusBarEdges", "Image"}, {"Headerbar", "Image"},
        {"SunkEdge", "Image"}, {"HorzScroll", "Image"}, {"VertScroll", "Image"}};
    for (const char* thumb : {"ThumbHorz", "ThumbVert", "ThumbLeft", "ThumbRight", "ThumbUp", "ThumbDown"})
      opaque.push_back({std::string("Trackbar.") + thumb, "Image"});
    for (const auto& [section, key] : opaque) {
      if (key == "Image") EXPECT_EQ(s.ini.ReadInteger(section, "Trans", 0), 0) << section;
      const Image& img = s.files.at(s.ini.ReadString(section, key, ""));
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
          ASSERT_NE(img.at(x, y), kKey) << name << " [" << section << "] " << key << " at " << x << "," << y;
    }
  }
}

// Where the engine stretches a centre slice by dropping or repeating rows and
// columns, a uniform centre keeps lines from vanishing or doubling.
TEST(SkinLayout, StretchedCentresAreUniform) {
  struct Stretch {
    const char* section;
    const char* key;
    int frames;  // 0: by the element's style
    bool across, along;  // columns repeat (horizontal stretch), rows repeat (vertical stretch)
  };
  const Stretch stretches[] = {
      {"Buttons", "Bitmap", 5, true, true},      {"MenuItem", "Image", 5, true, true},
      {"MenuBackground", "Image", 1, true, true}, {"Tabs", "Image", 5, true, true},
      {"Tab.Pane", "Image", 1, true, true},      {"StatusBarEdges", "Image", 3, true, true},
      {"Headerbar", "Image", 5, true, true},     {"SunkEdge", "Image", 4, true, true},
      {"Progress", "Bitmap", 0, true, true},     {"HorzScroll", "Image", 4, true, true},
      {"VertScroll", "Image", 4, true, true},    {"HorzScrollThumb", "Image", 3, true, false},
      {"VertScrollThumb", "Image", 3, false, true}, {"Track", "Image", 1, true, false},
      {"TRACKVERT", "Image", 1, false, true},    {"ToolBars", "Image", 5, true, true},
  };
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    for (const Stretch& st : stretches) {
      const Image& img = s.files.at(s.ini.ReadString(st.section, st.key, ""));
      const int frames = st.frames ? st.frames : framesOf({st.section, st.key, 0, ""}, s.ini);
      const int fw = img.width() / frames;
      const int l = s.ini.ReadInteger(st.section, "LeftWidth", 0), r = s.ini.ReadInteger(st.section, "RightWidth", 0);
      const int t = s.ini.ReadInteger(st.section, "TopHeight", 0), b = s.ini.ReadInteger(st.section, "BottomHeight", 0);
      for (int k = 0; k < frames; ++k)
        for (int y = t; y < img.height() - b; ++y)
          for (int x = l; x < fw - r; ++x) {
            const skingen::Rgb c = img.at(k * fw + x, y);
            if (st.across) ASSERT_EQ(c, img.at(k * fw + l, y)) << name << " " << st.section << " frame " << k + 1 << " at " << x << "," << y;
            if (st.along) ASSERT_EQ(c, img.at(k * fw + x, t)) << name << " " << st.section << " frame " << k + 1 << " at " << x << "," << y;
          }
    }
  }
}

// A separator takes the bottom rows of menu-item frame 2, as many as the item is
// high; for the usual heights that band holds one line, inset by the margins.
TEST(SkinLayout, MenuSeparatorShowsOneLineAtEveryItemHeight) {
  for (const std::string& name : skintest::kSkins) {
    const skintest::LoadedSkin s = skintest::loadSkin(name);
    const Image& img = s.files.at(s.ini.ReadString("MenuItem", "Image", ""));
    const int fw = img.width() / 5, margin = s.ini.ReadInteger("MenuItem", "LeftWidth", 0);
    for (int h = 5; h <= 12; ++h) {
      int lines = 0;
      for (int y = img.height() - h; y < img.height(); ++y) {
        const bool line = !(img.at(fw + fw / 2, y) == kKey);
        lines += line;
        if (line) EXPECT_EQ(img.at(fw + margin - 1, y), kKey) << "line not inset";
      }
      EXPECT_EQ(lines, 1) << name << " separator of height " << h;
    }
  }
}

}  // namespace
