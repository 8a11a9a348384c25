// Times composing and drawing skin elements at window-frame sizes, side by
// side with a single StretchBlt of the same frame to the same size.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "bench/gdi_timing.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/transparent.h"

namespace {

// Short batches of four: each drawing is quick.
double MicrosPerCallFor(const std::function<void()>& step) { return bench::MicrosPerCall(step, 4, 0.2); }

// A picture with some texture and a magenta hole in each frame, so that the
// keyed cases have something to leave out.
host::DibBitmap Picture(int width, int height, int frames) {
  host::DibBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB((x * 7) & 0xFF, (y * 13) & 0xFF, ((x + y) * 3) & 0x7F));
  const int fw = width / frames;
  for (int f = 0; f < frames; ++f)
    for (int y = height / 3; y < height / 2; ++y) b.SetPixel(f * fw + fw / 2, y, RGB(255, 0, 255));
  return b;
}

struct Element {
  const char* name;
  host::DibBitmap image;
  RECT margins;
  int frames;
  skin::Strip strip;
  RECT dest;
};

void Run(Element& e, host::DibBitmap& target) {
  const auto frame = skin::SkinFrame(e.image.Width(), e.image.Height(), 1, e.frames, e.strip);
  const int w = e.dest.right - e.dest.left, h = e.dest.bottom - e.dest.top;
  HDC dc = target.Dc();
  SetStretchBltMode(dc, COLORONCOLOR);
  const double baseline = MicrosPerCallFor([&] {
    StretchBlt(dc, e.dest.left, e.dest.top, w, h, e.image.Dc(), frame->x, frame->y, frame->width, frame->height,
               SRCCOPY);
  });
  for (bool tile : {false, true}) {
    const double compose = MicrosPerCallFor([&] {
      const auto b = skin::ComposeSkinElement(e.dest, e.image, e.margins, 1, e.frames, tile, e.strip);
    });
    const auto print = [&](const char* key, double draw) {
      std::printf("%-14s %5dx%-5d %-9s %-12s %10.1f %10.1f %10.1f %9.2f %9.2f\n", e.name, w, h,
                  tile ? "tiled" : "stretched", key, baseline, compose, draw, compose / baseline, draw / baseline);
    };
    print("opaque", MicrosPerCallFor([&] {
            skin::DrawSkinElement(dc, e.dest, e.image, e.margins, 1, e.frames, false, tile, e.strip);
          }));
    print("keyed", MicrosPerCallFor([&] {
            skin::DrawSkinElement(dc, e.dest, e.image, e.margins, 1, e.frames, true, tile, e.strip);
          }));
    // The same keyed drawing through the three-BitBlt path instead of MaskBlt.
    print("keyed 3xBlt", MicrosPerCallFor([&] {
            const auto b = skin::ComposeSkinElement(e.dest, e.image, e.margins, 1, e.frames, tile, e.strip);
            skin::DrawTransparentBitmap(dc, e.dest, b, skin::kSkinColourKey, host::KeyBlit::ThreeBitBlt);
          }));
  }
}

}  // namespace

int main() {
  host::DibBitmap target(1920, 1080);
  Element elements[] = {
      {"caption", Picture(240, 28, 2), {30, 0, 40, 0}, 2, skin::Strip::Horizontal, {0, 0, 1024, 28}},
      {"border top", Picture(120, 60, 2), {24, 0, 24, 0}, 2, skin::Strip::Vertical, {0, 0, 1920, 30}},
      {"border bottom", Picture(120, 16, 2), {24, 0, 24, 0}, 2, skin::Strip::Vertical, {0, 1072, 1920, 1080}},
      {"border left", Picture(16, 80, 2), {0, 20, 0, 20}, 2, skin::Strip::Horizontal, {0, 30, 8, 1072}},
      {"border right", Picture(16, 80, 2), {0, 20, 0, 20}, 2, skin::Strip::Horizontal, {1912, 30, 1920, 1072}},
  };
  std::printf("Times in microseconds per call; ratios against one StretchBlt of the same frame to the same size.\n");
  std::printf("%-14s %-11s %-9s %-12s %10s %10s %10s %9s %9s\n", "element", "size", "centre", "key", "StretchBlt",
              "Compose", "Draw", "Compose/x", "Draw/x");
  for (Element& e : elements) Run(e, target);
  return 0;
}
