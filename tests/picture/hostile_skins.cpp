#include "hostile_skins.h"

#include <random>

#include "tools/skinpack/package_writer.h"

namespace picture_test {
namespace {

using skinpack::BuildPackage;
using skinpack::Entry;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// A 64-byte run-length picture that declares width x height and codes nothing.
Bytes RleGiant(int width, int height) {
  return Bmp({.width = width, .height = height, .bits = 8, .compression = 1, .palette = {{0, 0, 0}, {255, 0, 255}},
              .pixels = {0, 1}});
}

Bytes Solid(int width, int height) { return Bmp({.width = width, .height = height, .pixels = Rows(width, height, 24, 0x40)}); }

constexpr const char* kElementSections[] = {
    "Progress.Chunk", "GroupBoxEdge", "GroupBox", "Tabs", "StatusBarEdges", "Tab.Pane", "ToolBars", "ComboButton",
    "SunkEdge", "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll",
    "HorzScrollThumb", "VertScrollThumb", "Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
    "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown", "UpDown.Horz", "UpDown.Vert", "Track",
    "TRACKVERT"};

// 47 pictures of 8000 x 8000, each named by a section of its own.
HostileSkin RleGiants() {
  std::vector<Entry> entries{{"skin.ini", {}}};
  std::string ini;
  int n = 0;
  const auto add = [&](const std::string& section, const std::string& extra) {
    const std::string name = "p" + std::to_string(n++) + ".bmp";
    ini += "[" + section + "]\r\n" + extra + "=" + name + "\r\nFrame=1\r\nFrameCount=1\r\n";
    entries.push_back({name, RleGiant(8000, 8000)});
  };
  for (const char* section : kElementSections) add(section, "Image");
  for (int i = 0; n < 47; ++i) add("Button" + std::to_string(i), "ButtonImage");
  entries[0].body = Text(ini);
  return {"rle-giants", BuildPackage(entries), "is over the picture budget: it is 8000 x 8000 pixels"};
}

HostileSkin MonoGiant() {
  const Bytes picture = Bmp({.width = 12000, .height = 12000, .bits = 1, .palette = {{0, 0, 0}, {255, 255, 255}},
                             .pixels = Rows(12000, 12000, 1)});
  return {"mono-giant",
          BuildPackage({{"skin.ini", Text("[MenuItem]\r\nImage=mono.bmp\r\n")}, {"mono.bmp", picture}}, {.chainLimit = 4}),
          "\"mono.bmp\" is over the picture budget: it is 12000 x 12000 pixels"};
}

HostileSkin ShortBitFields() {
  // A 44-byte header ends inside the masks, and the file ends before them.
  const Bytes picture = Bmp({.bits = 32, .compression = 3, .header_size = 44, .pixels = {1, 2, 3, 4}});
  return {"short-bitfields",
          BuildPackage({{"skin.ini", Text("[Buttons]\r\nBitmap=fields.bmp\r\n")}, {"fields.bmp", picture}}),
          "[Buttons] Bitmap=fields.bmp: \"fields.bmp\" is not a BMP file the engine reads: its bit-field masks end "
          "past the end of the file"};
}

HostileSkin CutShort() {
  Bytes picture = Solid(20, 20);
  picture.resize(picture.size() - 7);
  return {"cut-short", BuildPackage({{"skin.ini", Text("[MenuItem]\r\nImage=cut.bmp\r\n")}, {"cut.bmp", picture}}),
          "its pixels need 1200 bytes but only 1193 follow its headers"};
}

HostileSkin ZeroFrames() {
  const std::string ini =
      "[Personality]\r\nTop=top.bmp\r\nTopFrame=0\r\nTopTopHeight=5000\r\nTopBotHeight=5000\r\n"
      "[Progress.Chunk]\r\nImage=chunk.bmp\r\n[MenuItem]\r\nImage=item.bmp\r\nLeftWidth=5000\r\nRightWidth=5000\r\n";
  return {"zero-frames",
          BuildPackage({{"skin.ini", Text(ini)}, {"top.bmp", Solid(30, 20)}, {"chunk.bmp", Solid(10, 10)},
                        {"item.bmp", Solid(50, 10)}}),
          "[Personality] TopFrame=0: the frame count is 0; it must be at least 1"};
}

HostileSkin RandomDefinition() {
  std::mt19937 random(14);
  Bytes ini(64 << 10);
  for (auto& b : ini) b = static_cast<std::uint8_t>(random());
  return {"random-definition", BuildPackage({{"skin.ini", ini}, {"a.bmp", Solid(4, 4)}}),
          "the definition \"skin.ini\" has no section the engine knows"};
}

HostileSkin MissingNames() {
  const std::string ini =
      "[Button0]\r\nAction=0\r\nAlign=1\r\nXcoord=20\r\nYcoord=4\r\nframe=3\r\nButtonImage=close.bmp\r\n"
      "[Buttons]\r\nBitmap=buttons.bmp\r\n";
  return {"missing-names", BuildPackage({{"skin.ini", Text(ini)}, {"buttons.bmp", Solid(50, 10)}}),
          "[Button0] ButtonImage=close.bmp: the package has no entry \"close.bmp\""};
}

HostileSkin CutPackage() {
  Bytes package = SoundSkin();
  package.resize(package.size() * 2 / 3);
  return {"cut-package", package, "the package is cut short: its compressed stream ends before the"};
}

}  // namespace

Bytes SoundSkin() {
  const std::string ini = "[TitlebarSkin]\r\nSkinName=Sound\r\n[MenuItem]\r\nImage=item.bmp\r\nLeftWidth=4\r\n"
                          "[Buttons]\r\nBitmap=buttons.bmp\r\nLeftWidth=3\r\nRightWidth=3\r\n";
  return BuildPackage({{"skin.ini", Text(ini)}, {"item.bmp", Solid(100, 16)}, {"buttons.bmp", Solid(150, 20)}});
}

std::vector<HostileSkin> HostileSkins() {
  return {RleGiants(), MonoGiant(), ShortBitFields(), CutShort(), ZeroFrames(), RandomDefinition(), MissingNames(),
          CutPackage()};
}

}  // namespace picture_test
