#pragma once
// The window region of a skinned frame: the opaque pixels of each border
// picture, one-pixel-high runs per row, and a shortcut for borders whose
// middle slice is opaque in the same places along its whole length.
#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "host/gdi/handles.h"
#include "host/graphics/dib_bitmap.h"

namespace skin {

// Rectangles are handed to ExtCreateRegion in batches so that no single call
// gets an unbounded list.
class RegionBuilder {
public:
  void Add(const RECT& r);
  // The union of everything added; none when nothing was.
  host::Region Finish();

private:
  void Flush();
  std::vector<RECT> rects_;
  host::Region region_;
};

// The opaque pixels of a picture at offset (dx, dy); magenta, with a
// tolerance of one on green, is the transparent colour. None when every
// pixel is transparent.
host::Region RegionFromPicture(host::DibBitmap& picture, int dx, int dy);

// A border picture's opaque runs, row by row, read once from the border
// composed at its natural length. The length runs down for the side borders
// and across for the caption and the bottom border; `head` and `tail` are the
// margins at its two ends, which are drawn the same at every length. The
// profile exists only when every pixel of the middle slice is opaque or
// transparent exactly as the whole middle is along the length, so that a
// composition at another length differs only in how long the middle is.
struct BorderProfile {
  using Runs = std::vector<std::pair<int, int>>;  // [start, end) along the row
  bool vertical = false;
  int head = 0, tail = 0, length = 0;
  std::vector<Runs> rows;

  static std::optional<BorderProfile> Read(host::DibBitmap& natural, bool vertical, int head, int tail);
  // The rectangles of the border composed at `length`, at offset (dx, dy);
  // the caller makes sure the margins fit into it.
  void AddRects(int length, int dx, int dy, RegionBuilder& into) const;
};

}  // namespace skin
