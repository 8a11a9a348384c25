#include "skin/draw/frame_geometry.h"

#include <cstdint>

namespace skin {

std::optional<FrameRect> SkinFrame(int image_width, int image_height, int k, int n, Strip strip) noexcept {
  if (n < 1 || k < 1 || k > n || image_width <= 0 || image_height <= 0) return std::nullopt;
  FrameRect f{};
  if (strip == Strip::Horizontal) {
    f.width = image_width / n;
    f.height = image_height;
    f.x = (k - 1) * f.width;
  } else {
    f.width = image_width;
    f.height = image_height / n;
    f.y = (k - 1) * f.height;
  }
  if (f.width <= 0 || f.height <= 0) return std::nullopt;
  return f;
}

std::optional<SIZE> DestinationSize(const RECT& r) noexcept {
  constexpr std::int64_t kLargest = 1 << 16;
  const std::int64_t w = std::int64_t{r.right} - r.left, h = std::int64_t{r.bottom} - r.top;
  if (w < 0 || h < 0 || w > kLargest || h > kLargest) return std::nullopt;
  return SIZE{static_cast<LONG>(w), static_cast<LONG>(h)};
}

bool MarginsFit(const RECT& m, const FrameRect& f) noexcept {
  if (m.left < 0 || m.top < 0 || m.right < 0 || m.bottom < 0) return false;
  return m.left + m.right <= f.width && m.top + m.bottom <= f.height;
}

std::vector<SlicePiece> NineSlicePieces(int W, int H, RECT margins, const FrameRect& f, bool tile) {
  // Margins that do not fit the destination are dropped in pairs; equality keeps them.
  if (margins.left + margins.right > W) margins.left = margins.right = 0;
  if (margins.top + margins.bottom > H) margins.top = margins.bottom = 0;
  if (!MarginsFit(margins, f)) return {};
  const int L = margins.left, T = margins.top, R = margins.right, B = margins.bottom;
  const int FX = f.x, FY = f.y, FW = f.width, FH = f.height;

  std::vector<SlicePiece> pieces;
  pieces.reserve(9);
  auto add = [&](RECT dest, RECT source, bool tiled = false) { pieces.push_back({dest, source, tiled}); };
  if (L > 0 && T > 0) add({0, 0, L, T}, {FX, FY, FX + L, FY + T});
  if (L > 0 && B > 0) add({0, H - B, L, H}, {FX, FY + FH - B, FX + L, FY + FH});
  if (R > 0 && T > 0) add({W - R, 0, W, T}, {FX + FW - R, FY, FX + FW, FY + T});
  if (L > 0) add({0, T, L, H - B}, {FX, FY + T, FX + L, FY + FH - B});
  if (T > 0) add({L, 0, W - R, T}, {FX + L, FY, FX + FW - R, FY + T});
  add({L, T, W - R, H - B}, {FX + L, FY + T, FX + FW - R, FY + FH - B}, tile);
  if (R > 0 && B > 0) add({W - R, H - B, W, H}, {FX + FW - R, FY + FH - B, FX + FW, FY + FH});
  if (R > 0) add({W - R, T, W, H - B}, {FX + FW - R, FY + T, FX + FW, FY + FH - B});
  if (B > 0) add({L, H - B, W - R, H}, {FX + L, FY + FH - B, FX + FW - R, FY + FH});
  return pieces;
}

}  // namespace skin
