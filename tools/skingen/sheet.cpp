#include "sheet.h"

#include <algorithm>

#include "font.h"
#include "preview.h"

namespace skingen {
namespace {

constexpr int kSheetWidth = 1280, kGap = 14, kPad = 16;
constexpr Rgb kPaper{250, 250, 250}, kInk{20, 20, 24}, kMark{230, 40, 40}, kSubtle{110, 110, 120};

int scaleFor(const Picture& p) {
  const int w = p.image.width();
  return std::clamp((kSheetWidth - 2 * kPad) / std::max(w, 1), 1, w <= 48 ? 4 : w <= 160 ? 3 : 2);
}

// Draws the picture at the given scale with frame boundaries marked in red
// between frames and ticks outside.
void drawPicture(Image& sheet, const Picture& p, int x, int y, int s) {
  const Image& img = p.image;
  for (int py = 0; py < img.height(); ++py)
    for (int px = 0; px < img.width(); ++px) {
      Rgb c = img.at(px, py);
      for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx) {
          Rgb out = c;
          if (c == kKey) out = (((px * s + dx) / 4 + (py * s + dy) / 4) % 2) ? Rgb{204, 204, 210} : Rgb{238, 238, 242};
          if (sheet.contains(x + px * s + dx, y + py * s + dy)) sheet.set(x + px * s + dx, y + py * s + dy, out);
        }
    }
  const int frames = std::max(p.frames, 1);
  if (p.stacked) {
    const int fh = img.height() / frames;
    for (int f = 0; f <= frames; ++f) {
      const int yy = y + f * fh * s;
      sheet.fill(x - 6, yy, x - 1, yy + 1, kMark);
      sheet.fill(x + img.width() * s + 1, yy, x + img.width() * s + 6, yy + 1, kMark);
      if (f > 0 && f < frames) sheet.fill(x, yy, x + img.width() * s, yy + 1, kMark);
    }
  } else {
    const int fw = img.width() / frames;
    for (int f = 0; f <= frames; ++f) {
      const int xx = x + f * fw * s;
      sheet.fill(xx, y - 6, xx + 1, y - 1, kMark);
      sheet.fill(xx, y + img.height() * s + 1, xx + 1, y + img.height() * s + 6, kMark);
      if (f > 0 && f < frames) sheet.fill(xx, y, xx + 1, y + img.height() * s, kMark);
      if (f < frames) drawText(sheet, xx + 2, y + img.height() * s + 8, std::to_string(f + 1), kSubtle);
    }
  }
}

struct Placement {
  int x, y, scale;
};

}  // namespace

Image contactSheet(const Skin& skin, const std::string& title, const std::string& definition) {
  // Flow layout: pictures left to right, wrapping at the sheet width.
  std::vector<Placement> places;
  const Image preview = definition.empty() ? Image() : previewWindows(skin, definition);
  const int top = kPad + 40 + (preview.empty() ? 0 : preview.height() + kGap);
  int x = kPad, y = top, rowHeight = 0;
  for (const Picture& p : skin.pictures) {
    const int s = scaleFor(p);
    const std::string label = p.section;
    const int w = std::max(p.image.width() * s + 12, textWidth(label + "  " + p.file) + 4);
    const int h = 12 + 8 + p.image.height() * s + 20;
    if (x + w > kSheetWidth - kPad && x > kPad) {
      x = kPad;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    places.push_back({x, y, s});
    x += w + kGap;
    rowHeight = std::max(rowHeight, h);
  }
  const int height = y + rowHeight + kPad;

  Image sheet(kSheetWidth, height, kPaper);
  drawText(sheet, kPad, kPad, title, kInk, 2);
  drawText(sheet, kPad, kPad + 20, "frames marked in red; checkerboard = transparent key (255,0,255)", kSubtle);
  if (!preview.empty()) sheet.paste(preview, kPad, kPad + 40);
  for (size_t i = 0; i < skin.pictures.size(); ++i) {
    const Picture& p = skin.pictures[i];
    const Placement& at = places[i];
    const int end = drawText(sheet, at.x, at.y, p.section, kInk);
    drawText(sheet, end + 8, at.y, p.file, kSubtle);
    drawPicture(sheet, p, at.x + 6, at.y + 18, at.scale);
  }
  return sheet;
}

}  // namespace skingen
