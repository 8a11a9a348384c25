#include "skin/picture/bmp_rle.h"

#include <algorithm>

namespace skin::picture {
namespace {

// Builds the rows of a run-length picture, bottom row first. Pixels past the
// right edge are dropped, as the system drops them.
class Rows {
public:
  Rows(const BmpInfo& info, const RowSink& sink)
      : info_(info), sink_(sink), row_(static_cast<std::size_t>(info.width) * 3) {}

  bool Done() const { return line_ >= info_.height; }

  void Put(std::size_t index) {
    if (x_ < info_.width && index < info_.palette.size()) {
      std::copy(info_.palette[index].begin(), info_.palette[index].end(), row_.begin() + 3 * x_);
      dirty_ = true;
    }
    Move(1, 0);
  }
  // Moves dx pixels right and dy rows up; an end of line is a move to the
  // start of the next row.
  void Move(int dx, int dy) {
    if (dy > 0) {
      Emit();
      line_ += dy;
    }
    x_ = std::min(x_ + dx, info_.width);
  }
  void NextLine() {
    Move(0, 1);
    x_ = 0;
  }
  void Emit() {
    if (dirty_ && !Done()) sink_(info_.height - 1 - line_, row_);
    std::fill(row_.begin(), row_.end(), std::uint8_t{0});
    dirty_ = false;
  }

private:
  const BmpInfo& info_;
  const RowSink& sink_;
  std::vector<std::uint8_t> row_;
  int x_ = 0;
  int line_ = 0;
  bool dirty_ = false;
};

}  // namespace

std::string DecodeRunLengths(std::span<const std::uint8_t> data, const BmpInfo& info, const RowSink& sink) {
  const bool four = info.coding == Coding::Rle4;
  Rows rows(info, sink);
  // The pixel `i` of a run or of literal bytes: two per byte at 4 bits.
  const auto pixel = [four](std::uint8_t byte, int i) -> std::size_t {
    return four ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte;
  };
  std::size_t p = 0;
  while (!rows.Done()) {
    if (data.size() - p < 2) return "its run-length data ends before the end-of-picture mark";
    const int count = data[p];
    const std::uint8_t code = data[p + 1];
    p += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) rows.Put(pixel(code, i));
      continue;
    }
    switch (code) {
      case 0:
        rows.NextLine();
        break;
      case 1:
        rows.Emit();
        return {};
      case 2:
        if (data.size() - p < 2) return "its run-length data ends inside a jump";
        rows.Move(data[p], data[p + 1]);
        p += 2;
        break;
      default: {
        // Literal pixels, padded to a whole number of 16-bit words.
        const std::size_t bytes = four ? (code + 1u) / 2 : code;
        if (data.size() - p < bytes) return "its run-length data ends inside a run of literal pixels";
        for (int i = 0; i < code; ++i) rows.Put(pixel(data[p + static_cast<std::size_t>(four ? i / 2 : i)], i));
        p += std::min(data.size() - p, bytes + bytes % 2);
      }
    }
  }
  return {};
}

}  // namespace skin::picture
