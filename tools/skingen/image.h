// RGB raster pictures and the anti-aliased shape painting the skin art is made of.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace skingen {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour key of every skin picture: pixels of this colour are transparent.
inline constexpr Rgb kKey{255, 0, 255};

// Linear mix: t = 0 gives a, t = 1 gives b (rounded to the nearest value).
Rgb mix(Rgb a, Rgb b, double t);
// The contrast ratio of two colours as the accessibility guidelines define it: 1 to 21.
double contrastRatio(Rgb a, Rgb b);

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = kKey);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  Rgb at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  void set(int x, int y, Rgb c) { pixels_[static_cast<size_t>(y) * width_ + x] = c; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  void fill(int x0, int y0, int x1, int y1, Rgb c);
  // Vertical gradient from top to bottom over the rows y0..y1-1.
  void gradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom);
  // Copies the whole of src with its top-left corner at (x, y), clipped.
  void paste(const Image& src, int x, int y);
  Image crop(int x, int y, int w, int h) const;
  Image mirrored() const;  // left to right
  Image flipped() const;   // top to bottom
  Image transposed() const;  // x and y exchanged

  friend bool operator==(const Image&, const Image&) = default;

 private:
  int width_ = 0, height_ = 0;
  std::vector<Rgb> pixels_;
};

// Coverage of shapes, 0..1 per pixel, measured with 4 x 4 samples per pixel.
// Shapes are given in pixel coordinates where pixel (x, y) spans [x, x+1).
class Mask {
 public:
  Mask(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  float at(int x, int y) const { return cover_[static_cast<size_t>(y) * width_ + x]; }

  Mask& roundRect(double x0, double y0, double x1, double y1, double radius);
  Mask& ellipse(double cx, double cy, double rx, double ry);
  Mask& segment(double x0, double y0, double x1, double y1, double thickness);
  Mask& triangle(double x0, double y0, double x1, double y1, double x2, double y2);
  // Removes what another mask covers (set difference).
  Mask& cut(const Mask& other);

 private:
  template <typename Inside>
  Mask& add(double x0, double y0, double x1, double y1, Inside inside);
  int width_, height_;
  std::vector<float> cover_;
};

// Paints colour over the picture in proportion to the mask, offset by (dx, dy).
void paint(Image& img, const Mask& mask, Rgb colour, int dx = 0, int dy = 0);
// Turns every pixel that the outline covers by less than half into the colour key.
// Edge pixels keep the colour they were painted with over the assumed backdrop.
void keyOutside(Image& img, const Mask& outline, int dx = 0, int dy = 0);

}  // namespace skingen
