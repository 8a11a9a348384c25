#include "skin/form/frame_region.h"

#include <cstring>

namespace skin {
namespace {

constexpr std::size_t kBatch = 2000;

bool Opaque(const std::uint8_t* px) { return !(px[2] == 255 && px[1] <= 1 && px[0] == 255); }

// Maximal runs of opaque pixels of one row of a 32-bit picture.
BorderProfile::Runs RowRuns(const std::uint8_t* row, int width) {
  BorderProfile::Runs runs;
  int run = -1;
  for (int x = 0; x <= width; ++x) {
    const bool opaque = x < width && Opaque(row + x * 4);
    if (opaque && run < 0) run = x;
    if (!opaque && run >= 0) {
      runs.emplace_back(run, x);
      run = -1;
    }
  }
  return runs;
}

}  // namespace

void RegionBuilder::Add(const RECT& r) {
  rects_.push_back(r);
  if (rects_.size() == kBatch) Flush();
}

host::Region RegionBuilder::Finish() {
  Flush();
  return std::move(region_);
}

void RegionBuilder::Flush() {
  if (rects_.empty()) return;
  std::vector<std::byte> buffer(sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(rects_.size()),
               static_cast<DWORD>(rects_.size() * sizeof(RECT)), {}};
  data->rdh.rcBound = rects_.front();
  for (const RECT& r : rects_) UnionRect(&data->rdh.rcBound, &data->rdh.rcBound, &r);
  std::memcpy(data->Buffer, rects_.data(), rects_.size() * sizeof(RECT));
  host::Region part(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
  rects_.clear();
  if (!region_)
    region_ = std::move(part);
  else if (part)
    CombineRgn(region_, region_, part, RGN_OR);
}

host::Region RegionFromPicture(host::DibBitmap& picture, int dx, int dy) {
  picture.SetFormat(host::PixelFormat::Bits32);
  RegionBuilder builder;
  for (int y = 0; y < picture.Height(); ++y)
    for (const auto& [a, b] : RowRuns(picture.ScanLine(y), picture.Width())) builder.Add({a + dx, y + dy, b + dx, y + dy + 1});
  return builder.Finish();
}

std::optional<BorderProfile> BorderProfile::Read(host::DibBitmap& natural, bool vertical, int head, int tail) {
  natural.SetFormat(host::PixelFormat::Bits32);
  BorderProfile p;
  p.vertical = vertical;
  p.head = head;
  p.tail = tail;
  p.length = vertical ? natural.Height() : natural.Width();
  const int middle_end = p.length - tail;
  if (head < 0 || tail < 0 || middle_end <= head) return std::nullopt;
  for (int y = 0; y < natural.Height(); ++y) p.rows.push_back(RowRuns(natural.ScanLine(y), natural.Width()));
  if (vertical) {
    // Every middle row alike.
    for (int y = head + 1; y < middle_end; ++y)
      if (p.rows[y] != p.rows[head]) return std::nullopt;
  } else {
    // In every row the middle is wholly inside one run or wholly outside all.
    for (const Runs& row : p.rows)
      for (const auto& [a, b] : row)
        if (a < middle_end && b > head && (a > head || b < middle_end)) return std::nullopt;
  }
  return p;
}

void BorderProfile::AddRects(int length, int dx, int dy, RegionBuilder& into) const {
  const int delta = length - this->length;
  if (vertical) {
    const auto add_row = [&](int source, int y) {
      for (const auto& [a, b] : rows[source]) into.Add({a + dx, y + dy, b + dx, y + dy + 1});
    };
    for (int y = 0; y < head; ++y) add_row(y, y);
    if (length - tail > head)
      for (const auto& [a, b] : rows[head]) into.Add({a + dx, head + dy, b + dx, length - tail + dy});
    for (int y = this->length - tail; y < this->length; ++y) add_row(y, y + delta);
    return;
  }
  // A run that reaches into the middle ends that much later; a run in the
  // tail moves along with it.
  const int tail_start = this->length - tail;
  for (int y = 0; y < static_cast<int>(rows.size()); ++y)
    for (const auto& [a, b] : rows[y]) {
      const int from = a >= tail_start ? a + delta : a, to = b > head ? b + delta : b;
      if (to > from) into.Add({from + dx, y + dy, to + dx, y + dy + 1});
    }
}

}  // namespace skin
