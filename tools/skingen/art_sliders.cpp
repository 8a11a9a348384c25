// Track-bar thumbs and channels, and the progress bar. Thumbs and channels are
// copied opaque by the engine, so their corners are painted in the face colour.
#include "art.h"
#include "skin.h"

namespace skingen {
namespace {

// Frames: 1 normal, 2 the look the engine shows, 3 disabled, 4 hot, 5 pressed.
Rgb thumbFill(const Theme& t, int frame) {
  switch (frame) {
    case 1: return t.control;
    case 3: return mix(t.control, t.face, 0.6);
    case 4: return t.lighter(t.accent, 0.15);
    case 5: return t.darker(t.accent, 0.2);
    default: return t.accent;
  }
}

// A thumb of w x h; pointing: none for the rounded kind, else the side the point faces.
Image sliderThumb(const Theme& t, int w, int h, int frame, const Dir* pointing) {
  Image img(w, h, t.face);
  const Rgb fill = thumbFill(t, frame);
  const Rgb outline = frame == 1 ? t.line : frame == 3 ? mix(t.line, t.face, 0.5) : t.darker(fill, 0.2);
  Mask outer(w, h), inner(w, h);
  if (!pointing) {
    outer.roundRect(0, 0, w, h, 3);
    inner.roundRect(1, 1, w - 1, h - 1, 2);
  } else {
    // A rectangle with a pointed end: body plus a triangle.
    const double p = (*pointing == Dir::Up || *pointing == Dir::Down) ? w / 2.0 : h / 2.0;
    switch (*pointing) {
      case Dir::Up:
        outer.roundRect(0, p, w, h, 2).triangle(0, p + 0.5, w, p + 0.5, w / 2.0, 0);
        inner.roundRect(1, p, w - 1, h - 1, 1).triangle(1, p + 0.5, w - 1, p + 0.5, w / 2.0, 1.4);
        break;
      case Dir::Down:
        outer.roundRect(0, 0, w, h - p, 2).triangle(0, h - p - 0.5, w, h - p - 0.5, w / 2.0, h);
        inner.roundRect(1, 1, w - 1, h - p, 1).triangle(1, h - p - 0.5, w - 1, h - p - 0.5, w / 2.0, h - 1.4);
        break;
      case Dir::Left:
        outer.roundRect(p, 0, w, h, 2).triangle(p + 0.5, 0, p + 0.5, h, 0, h / 2.0);
        inner.roundRect(p, 1, w - 1, h - 1, 1).triangle(p + 0.5, 1, p + 0.5, h - 1, 1.4, h / 2.0);
        break;
      case Dir::Right:
        outer.roundRect(0, 0, w - p, h, 2).triangle(w - p - 0.5, 0, w - p - 0.5, h, w, h / 2.0);
        inner.roundRect(1, 1, w - p, h - 1, 1).triangle(w - p - 0.5, 1, w - p - 0.5, h - 1, w - 1.4, h / 2.0);
        break;
    }
  }
  paint(img, outer, outline);
  paint(img, inner, fill);
  return img;
}

Image thumbStrip(const Theme& t, int w, int h, const Dir* pointing) {
  std::vector<Image> frames;
  for (int f = 1; f <= 5; ++f) frames.push_back(sliderThumb(t, w, h, f, pointing));
  return joinFrames(frames);
}

// The channel: a 4-pixel groove with rounded ends, 3-pixel end caps.
Image channel(const Theme& t, bool vertical) {
  const int along = 12, across = 4;
  Image img(vertical ? across : along, vertical ? along : across, t.face);
  drawBox(img, 0, 0, img.width(), img.height(), 2, {t.track, mix(t.track, t.line, 0.7), t.track, t.track, 0});
  return img;
}

Image progressFrame(const Theme& t, bool filled) {
  const int w = 16, h = 16;
  Image img(w, h, t.face);
  if (filled)
    drawBox(img, 0, 0, w, h, 4, {t.accent, t.darker(t.accent, 0.12), t.lighter(t.accent, 0.25), t.darker(t.accent, 0.08), t.bevel});
  else
    drawBox(img, 0, 0, w, h, 4, {t.track, mix(t.track, t.line, 0.6), t.track, t.track, 0});
  keyOutside(img, boxShape(img, 0, 0, w, h, 4));
  return img;
}

Image progressChunk(const Theme& t) {
  const int w = 10, h = 12;
  Image img(w, h, t.face);
  drawBox(img, 0, 0, w - 2, h, 2, {t.accent, t.darker(t.accent, 0.12), t.accent, t.accent, 0});
  keyOutside(img, boxShape(img, 0, 0, w - 2, h, 2));
  return img;
}

}  // namespace

void addSliderArt(const Theme& t, Skin& skin) {
  const Dir up = Dir::Up, down = Dir::Down, left = Dir::Left, right = Dir::Right;
  skin.add("thumb_horz.bmp", "Trackbar.ThumbHorz", thumbStrip(t, 11, 20, nullptr), 5);
  skin.add("thumb_vert.bmp", "Trackbar.ThumbVert", thumbStrip(t, 20, 11, nullptr), 5);
  skin.add("thumb_up.bmp", "Trackbar.ThumbUp", thumbStrip(t, 11, 20, &up), 5);
  skin.add("thumb_down.bmp", "Trackbar.ThumbDown", thumbStrip(t, 11, 20, &down), 5);
  skin.add("thumb_left.bmp", "Trackbar.ThumbLeft", thumbStrip(t, 20, 11, &left), 5);
  skin.add("thumb_right.bmp", "Trackbar.ThumbRight", thumbStrip(t, 20, 11, &right), 5);
  skin.add("track.bmp", "Track", channel(t, false), 1);
  skin.add("trackvert.bmp", "TRACKVERT", channel(t, true), 1);
  // The chunk style draws the track alone and puts the chunks on it.
  if (t.progressChunks)
    skin.add("progress.bmp", "Progress", progressFrame(t, false), 1);
  else
    skin.add("progress.bmp", "Progress", joinFrames({progressFrame(t, false), progressFrame(t, true)}), 2);
  skin.set("progress.style", t.progressChunks ? 1 : 0);
  skin.add("progress_chunk.bmp", "Progress.Chunk", progressChunk(t), 1);
}

}  // namespace skingen
