#pragma once
// Where a frame lies in an element picture and how nine-slice drawing cuts it.
#include <windows.h>

#include <optional>
#include <vector>

namespace skin {

// How the frames of an element picture are laid out.
enum class Strip {
  Horizontal,  // side by side
  Vertical,    // stacked top to bottom
};

struct FrameRect {
  int x;
  int y;
  int width;
  int height;
};

// Frame k (1-based) of n in a picture of the given size. Nothing when n is
// below 1, k lies outside 1..n or the frame would be empty, so that no copy
// ever reads outside the picture.
std::optional<FrameRect> SkinFrame(int image_width, int image_height, int k, int n, Strip strip) noexcept;

// Width and height of a destination rectangle. Nothing for a reversed
// rectangle (right < left or bottom < top) or one larger than any surface
// can be; an empty rectangle gives a size of 0.
std::optional<SIZE> DestinationSize(const RECT& rect) noexcept;

// True when the margins are not negative and fit inside the frame.
bool MarginsFit(const RECT& margins, const FrameRect& frame) noexcept;

// One copy of a nine-slice rendering: source rectangle to destination rectangle.
struct SlicePiece {
  RECT dest;
  RECT source;
  bool tiled;  // repeated at natural size instead of stretched
};

// The copies that render a frame into a width x height surface, in drawing
// order. A tiled centre may spill past its bounds; the pieces drawn after it
// cover the spill. Empty when the margins do not fit the frame.
std::vector<SlicePiece> NineSlicePieces(int width, int height, RECT margins, const FrameRect& frame, bool tile);

}  // namespace skin
