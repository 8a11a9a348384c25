// Scroll bars: the arrow and gripper strip, the tracks and the thumbs. The arrows
// sit on the track colour, so arrows and track read as one slim channel; the
// thumb is a pill inset from the sides.
#include "art.h"
#include "skin.h"

namespace skingen {
namespace {

constexpr int kSize = 16;  // the system's scroll-arrow size; the engine copies arrows unscaled

Image arrowFrame(const Theme& t, Dir d, int state) {  // state: 1 normal, 2 pressed, 3 disabled, 4 hot
  Image img(kSize, kSize, t.track);
  if (state == 2 || state == 4) {
    Mask tile(kSize, kSize);
    tile.roundRect(1, 1, kSize - 1, kSize - 1, 3);
    paint(img, tile, state == 2 ? mix(t.track, t.text, 0.22) : mix(t.track, t.text, 0.1));
  }
  const Rgb glyph = state == 3 ? mix(t.text, t.track, 0.7) : state == 1 ? mix(t.text, t.track, 0.3) : t.text;
  drawArrow(img, kSize / 2.0, kSize / 2.0, 3.5, d, glyph);
  return img;
}

Rgb thumbColour(const Theme& t, int state) {  // 1 normal, 2 pressed, 3 hot
  return state == 2 ? mix(t.thumb, t.text, 0.45) : state == 3 ? mix(t.thumb, t.text, 0.22) : t.thumb;
}

// Three round dots of the given radius along the thumb's length.
Mask threeDots(bool vertical, double radius) {
  Mask dots(kSize, kSize);
  for (int i = -1; i <= 1; ++i) {
    const double along = kSize / 2.0 + 3 * i;
    if (vertical)
      dots.ellipse(kSize / 2.0, along, radius, radius);
    else
      dots.ellipse(along, kSize / 2.0, radius, radius);
  }
  return dots;
}

// Three dots across the thumb; keyed around so the thumb shows through.
Image gripper(const Theme& t, bool vertical, int state) {
  Image img(kSize, kSize, thumbColour(t, state));
  paint(img, threeDots(vertical, 0.9), mix(thumbColour(t, state), t.window, 0.75));
  keyOutside(img, threeDots(vertical, 1.6));
  return img;
}

Image thumbFrame(const Theme& t, bool vertical, int state) {
  const int length = 24;
  Image img(vertical ? kSize : length, vertical ? length : kSize, t.track);
  Mask pill(img.width(), img.height());
  if (vertical)
    pill.roundRect(4, 1, kSize - 4, length - 1, 4);
  else
    pill.roundRect(1, 4, length - 1, kSize - 4, 4);
  paint(img, pill, thumbColour(t, state));
  keyOutside(img, pill);
  return img;
}

Image trackFrame(const Theme& t, bool vertical, int state) {  // 1 normal, 2 pressed, 3 disabled, 4 hot
  Image img(vertical ? kSize : 24, vertical ? 24 : kSize,
            state == 3 ? mix(t.track, t.face, 0.5) : state == 2 ? mix(t.track, t.text, 0.08) : t.track);
  return img;
}

}  // namespace

void addScrollArt(const Theme& t, Skin& skin) {
  std::vector<Image> strip;
  for (Dir d : {Dir::Left, Dir::Right, Dir::Up, Dir::Down})
    for (int state : {1, 2, 3, 4}) strip.push_back(arrowFrame(t, d, state));
  for (bool vertical : {false, true})
    for (int state : {1, 2, 3}) strip.push_back(gripper(t, vertical, state));
  strip.push_back(Image(kSize, kSize, t.track));  // frame 23: the corner where two bars meet
  skin.add("scroll_arrows.bmp", "Scrollbar", joinFrames(strip), 23);

  for (bool vertical : {false, true}) {
    std::vector<Image> track, thumb;
    for (int state : {1, 2, 3, 4}) track.push_back(trackFrame(t, vertical, state));
    for (int state : {1, 2, 3}) thumb.push_back(thumbFrame(t, vertical, state));
    skin.add(vertical ? "scroll_vtrack.bmp" : "scroll_htrack.bmp", vertical ? "VertScroll" : "HorzScroll",
             joinFrames(track), 4);
    skin.add(vertical ? "scroll_vthumb.bmp" : "scroll_hthumb.bmp",
             vertical ? "VertScrollThumb" : "HorzScrollThumb", joinFrames(thumb), 3);
  }
}

}  // namespace skingen
