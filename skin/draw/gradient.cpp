#include "skin/draw/gradient.h"

#include <algorithm>
#include <cstdlib>

#include "host/gdi/handles.h"
#include "host/core/colour.h"

namespace skin {

namespace {

// Component i of n along a difference d, rounded the same way for rising
// and falling components so that the last entry lands on the end colour.
int Step(int i, int d, int last) noexcept {
  const int half = last / 2;
  const int magnitude = (half + i * std::abs(d)) / last;
  return d < 0 ? -magnitude : magnitude;
}

std::vector<COLORREF> BuildTable(int n, COLORREF a, COLORREF b) {
  const int ar = GetRValue(a), ag = GetGValue(a), ab = GetBValue(a);
  const int dr = GetRValue(b) - ar, dg = GetGValue(b) - ag, db = GetBValue(b) - ab;
  std::vector<COLORREF> table(static_cast<size_t>(n));
  if (n == 1) {
    table[0] = RGB(ar + dr / 2, ag + dg / 2, ab + db / 2);
    return table;
  }
  const int last = n - 1;
  for (int i = 0; i < n; ++i)
    table[static_cast<size_t>(i)] = RGB(ar + Step(i, dr, last), ag + Step(i, dg, last), ab + Step(i, db, last));
  return table;
}

}  // namespace

const std::vector<COLORREF>& GradientCache::Table(int n, COLORREF a, COLORREF b) {
  static const std::vector<COLORREF> none;
  if (n < 1) return none;
  for (int i = kSlots - 1; i >= 0; --i) {
    const Slot& s = slots_[static_cast<size_t>(i)];
    if (!s.colours.empty() && s.length == n && s.start == a && s.end == b) return s.colours;
  }
  Slot& s = slots_[static_cast<size_t>(next_)];
  next_ = (next_ + 1) % kSlots;
  s.length = n;
  s.start = a;
  s.end = b;
  s.colours = BuildTable(n, a, b);
  ++builds_;
  return s.colours;
}

GradientCache& SharedGradientCache() {
  static GradientCache cache;
  return cache;
}

void GradientFill(HDC dc, const RECT& rect, std::int32_t a, int vertical, std::int32_t b) {
  if (!dc || !RectVisible(dc, &rect)) return;
  const COLORREF from = host::ColourToRgb(a), to = host::ColourToRgb(b);
  RECT clip{};
  if (GetClipBox(dc, &clip) == ERROR) return;
  const bool down = vertical == 1;
  const int start = down ? rect.top : rect.left;
  const std::int64_t length = down ? std::int64_t{rect.bottom} - rect.top : std::int64_t{rect.right} - rect.left;
  if (length <= 0 || length > (1 << 16)) return;
  const int n = static_cast<int>(length);
  // Lines k with start + k inside the clip box.
  const std::int64_t from_line = std::max<std::int64_t>(0, std::int64_t{down ? clip.top : clip.left} - start);
  const std::int64_t to_line = std::min<std::int64_t>(n - 1, std::int64_t{down ? clip.bottom : clip.right} - 1 - start);
  if (from_line > to_line) return;
  const int first = static_cast<int>(from_line), last = static_cast<int>(to_line);
  const std::vector<COLORREF>& table = SharedGradientCache().Table(n, from, to);
  for (int k = first; k <= last; ++k) {
    host::Brush brush(CreateSolidBrush(table[static_cast<size_t>(k)]));
    if (!brush) return;
    const RECT line = down ? RECT{rect.left, start + k, rect.right, start + k + 1}
                           : RECT{start + k, rect.top, start + k + 1, rect.bottom};
    FillRect(dc, &line, brush);
  }
}

}  // namespace skin
