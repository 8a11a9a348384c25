#include "image.h"

#include <algorithm>
#include <cmath>

namespace skingen {

Rgb mix(Rgb a, Rgb b, double t) {
  auto channel = [t](uint8_t x, uint8_t y) {
    return static_cast<uint8_t>(std::lround(x + (y - x) * t));
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

double contrastRatio(Rgb a, Rgb b) {
  const auto luminance = [](Rgb c) {
    const auto linear = [](uint8_t v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Image::fill(int x0, int y0, int x1, int y1, Rgb c) {
  x0 = std::max(x0, 0), y0 = std::max(y0, 0);
  x1 = std::min(x1, width_), y1 = std::min(y1, height_);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) set(x, y, c);
}

void Image::gradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom) {
  const int rows = y1 - y0;
  for (int y = y0; y < y1; ++y)
    fill(x0, y, x1, y + 1, mix(top, bottom, rows > 1 ? double(y - y0) / (rows - 1) : 0.0));
}

void Image::paste(const Image& src, int x, int y) {
  for (int sy = 0; sy < src.height(); ++sy)
    for (int sx = 0; sx < src.width(); ++sx)
      if (contains(x + sx, y + sy)) set(x + sx, y + sy, src.at(sx, sy));
}

Image Image::crop(int x, int y, int w, int h) const {
  Image out(w, h);
  for (int sy = 0; sy < h; ++sy)
    for (int sx = 0; sx < w; ++sx)
      if (contains(x + sx, y + sy)) out.set(sx, sy, at(x + sx, y + sy));
  return out;
}

Image Image::mirrored() const {
  Image out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.set(width_ - 1 - x, y, at(x, y));
  return out;
}

Image Image::flipped() const {
  Image out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.set(x, height_ - 1 - y, at(x, y));
  return out;
}

Image Image::transposed() const {
  Image out(height_, width_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.set(y, x, at(x, y));
  return out;
}

Mask::Mask(int width, int height)
    : width_(width), height_(height), cover_(static_cast<size_t>(width) * height, 0.0f) {}

template <typename Inside>
Mask& Mask::add(double x0, double y0, double x1, double y1, Inside inside) {
  const int px0 = std::max(0, static_cast<int>(std::floor(x0)));
  const int py0 = std::max(0, static_cast<int>(std::floor(y0)));
  const int px1 = std::min(width_, static_cast<int>(std::ceil(x1)));
  const int py1 = std::min(height_, static_cast<int>(std::ceil(y1)));
  for (int y = py0; y < py1; ++y)
    for (int x = px0; x < px1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
          if (inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4)) ++hits;
      float& c = cover_[static_cast<size_t>(y) * width_ + x];
      c = std::max(c, hits / 16.0f);
    }
  return *this;
}

Mask& Mask::roundRect(double x0, double y0, double x1, double y1, double radius) {
  const double r = std::max(0.0, std::min({radius, (x1 - x0) / 2, (y1 - y0) / 2}));
  return add(x0, y0, x1, y1, [=](double x, double y) {
    if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
    const double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
  });
}

Mask& Mask::ellipse(double cx, double cy, double rx, double ry) {
  return add(cx - rx, cy - ry, cx + rx, cy + ry, [=](double x, double y) {
    const double u = (x - cx) / rx, v = (y - cy) / ry;
    return u * u + v * v <= 1.0;
  });
}

Mask& Mask::segment(double x0, double y0, double x1, double y1, double thickness) {
  const double h = thickness / 2, dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  return add(std::min(x0, x1) - h, std::min(y0, y1) - h, std::max(x0, x1) + h,
             std::max(y0, y1) + h, [=](double x, double y) {
               const double t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0) : 0.0;
               const double ex = x - (x0 + t * dx), ey = y - (y0 + t * dy);
               return ex * ex + ey * ey <= h * h;
             });
}

Mask& Mask::triangle(double x0, double y0, double x1, double y1, double x2, double y2) {
  auto side = [](double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
  };
  return add(std::min({x0, x1, x2}), std::min({y0, y1, y2}), std::max({x0, x1, x2}),
             std::max({y0, y1, y2}), [=](double x, double y) {
               const double a = side(x0, y0, x1, y1, x, y), b = side(x1, y1, x2, y2, x, y),
                            c = side(x2, y2, x0, y0, x, y);
               return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
             });
}

Mask& Mask::cut(const Mask& other) {
  for (size_t i = 0; i < cover_.size() && i < other.cover_.size(); ++i)
    cover_[i] = std::max(0.0f, cover_[i] - other.cover_[i]);
  return *this;
}

void paint(Image& img, const Mask& mask, Rgb colour, int dx, int dy) {
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x) {
      const float c = mask.at(x, y);
      if (c > 0 && img.contains(x + dx, y + dy))
        img.set(x + dx, y + dy, mix(img.at(x + dx, y + dy), colour, c));
    }
}

void keyOutside(Image& img, const Mask& outline, int dx, int dy) {
  for (int y = 0; y < outline.height(); ++y)
    for (int x = 0; x < outline.width(); ++x)
      if (outline.at(x, y) < 0.5f && img.contains(x + dx, y + dy)) img.set(x + dx, y + dy, kKey);
}

}  // namespace skingen
