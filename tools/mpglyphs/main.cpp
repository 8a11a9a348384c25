// mpglyphs: draws the 27 transport glyphs of the skinned media player.
//   mpglyphs OUTPUT_DIR
// Each button (MPPLAY ... MPEJECT) in three looks: EN enabled, DI disabled,
// CL coloured, written as OUTPUT_DIR/<look>_<button>.bmp. Olive (the colour
// 0x008080 of a Windows colour value) is the background the player's face
// brush replaces, so the symbols are drawn without blending into it.
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "bmp.h"
#include "image.h"
#include "output.h"

namespace {

using skingen::Image;
using skingen::Mask;
using skingen::Rgb;

constexpr int kSize = 16;
constexpr Rgb kBackground{128, 128, 0};
constexpr Rgb kEnabled{16, 16, 16};
constexpr Rgb kDisabled{136, 136, 136};
constexpr Rgb kDisabledLight{255, 255, 255};

struct Button {
  const char* name;
  Rgb coloured;
  std::function<void(Mask&)> shape;  // on the 16 x 16 glyph, inside (3, 3)..(13, 13)
};

const Button kButtons[] = {
    {"MPPLAY", {0, 160, 0}, [](Mask& m) { m.triangle(4, 3, 13, 8, 4, 13); }},
    {"MPPAUSE", {200, 150, 0}, [](Mask& m) { m.roundRect(4, 3, 7, 13, 0).roundRect(9, 3, 12, 13, 0); }},
    {"MPSTOP", {200, 0, 0}, [](Mask& m) { m.roundRect(4, 4, 12, 12, 0); }},
    {"MPNEXT", {0, 80, 200}, [](Mask& m) { m.triangle(3, 3, 10, 8, 3, 13).roundRect(10, 3, 13, 13, 0); }},
    {"MPPREV", {0, 80, 200}, [](Mask& m) { m.roundRect(3, 3, 6, 13, 0).triangle(13, 3, 6, 8, 13, 13); }},
    {"MPSTEP", {0, 80, 200}, [](Mask& m) { m.triangle(3, 4, 8, 8, 3, 12).triangle(8, 4, 13, 8, 8, 12); }},
    {"MPBACK", {0, 80, 200}, [](Mask& m) { m.triangle(8, 4, 3, 8, 8, 12).triangle(13, 4, 8, 8, 13, 12); }},
    {"MPRECORD", {220, 0, 0}, [](Mask& m) { m.ellipse(8, 8, 4.5, 4.5); }},
    {"MPEJECT", {0, 80, 200}, [](Mask& m) { m.triangle(3, 10, 8, 4, 13, 10).roundRect(3, 11, 13, 13, 0); }},
};

// Whole pixels only: a blended edge would not be the background colour and
// would show as a fringe where the face brush replaces the background.
void put(Image& img, const Mask& mask, Rgb colour, int dx = 0, int dy = 0) {
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      if (mask.at(x, y) >= 0.5f && img.contains(x + dx, y + dy)) img.set(x + dx, y + dy, colour);
}

Image glyph(const Button& button, char look) {
  Image img(kSize, kSize, kBackground);
  Mask mask(kSize, kSize);
  button.shape(mask);
  if (look == 'D') {
    put(img, mask, kDisabledLight, 1, 1);  // engraved: a light copy below right
    put(img, mask, kDisabled);
  } else {
    put(img, mask, look == 'C' ? button.coloured : kEnabled);
  }
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: mpglyphs OUTPUT_DIR\n";
    return 2;
  }
  try {
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    for (const char* look : {"EN", "DI", "CL"})
      for (const Button& button : kButtons)
        skingen::writeFile(out / (std::string(look) + "_" + button.name + ".bmp"),
                           skingen::encodeBmp(glyph(button, look[0])));
  } catch (const std::exception& e) {
    std::cerr << "mpglyphs: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
