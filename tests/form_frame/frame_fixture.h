#pragma once
// Skinned windows on the virtual desktop, with skins made in the test, and
// the pictures the skin says their frames must show.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "host/graphics/dib_bitmap.h"
#include "tests/data/test_skins.h"

namespace frame_test {

// The pieces of a test skin that the tests vary.
struct SkinShape {
  int text_alignment = 0;
  int text_shift = 30;       // TextShift
  int text_shift_vert = 0;   // TextShiftVert
  int text_right_clip = 10;  // TextRightClip
  int top_frames = 2;        // frames of every frame element
  bool with_text_back = false;
  bool side_trans = true;    // Trans of the left, right and top elements
  // Magenta in the middle slices: a stripe along the left border and one
  // across the caption (the same all along), a dot in the right and bottom
  // borders (not the same all along).
  bool middle_holes = false;
};

// Four frame elements with magenta corners, a caption text element, title
// colours, and no caption buttons.
data_test::TestSkin FrameSkin(const SkinShape& shape = {});

inline constexpr COLORREF kMagenta = RGB(255, 0, 255);
inline constexpr COLORREF kActiveText = RGB(255, 255, 255);
inline constexpr COLORREF kInactiveText = RGB(0, 0, 0);
inline constexpr COLORREF kButtonFace = RGB(200, 190, 180);

// The screen pixels of a rectangle, 32 bits per pixel.
host::DibBitmap Grab(const RECT& screen);
// Frame k of a frame element (1 left, 2 right, 3 top, 4 bottom) at a size,
// as the skin describes it.
host::DibBitmap Expected(const skin::TSkinData& data, int index, int k, int width, int height);

// Positions where `shown` (at offset dx, dy) differs from `expected`, other
// than where `expected` is magenta; at most a few are described.
struct Mismatch {
  int count = 0;
  std::string first;
};
Mismatch Compare(const host::DibBitmap& shown, int dx, int dy, const host::DibBitmap& expected,
                 const std::vector<RECT>& skip = {});
::testing::AssertionResult Same(const Mismatch& m);

// The smallest rectangle (in `expected`'s coordinates) of the pixels where
// `shown` at offset (dx, dy) differs from `expected` (magenta aside); empty
// when none do.
RECT Ink(const host::DibBitmap& shown, int dx, int dy, const host::DibBitmap& expected);

// A system dialog made without the host framework (class "#32770"), owned
// by a form so that it keeps its caption style, as the open dialog does;
// wide or narrow characters as asked.
HWND MakeDialog(HWND owner, int x, int y, bool wide);
// Waits until the manager has skinned the window and its skinner runs.
skin::TSkinForm* WaitSkinned(HWND window);

class FrameTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  // Switches skinning on with this package (the default skin unless called).
  void UseSkin(const std::vector<std::uint8_t>& package);
  const skin::TSkinData& Data() const { return *data_; }
  // A form of the given client size at (x, y), shown and skinned.
  skin::TSkinForm* Show(form_test::TTestForm& form);

  std::unique_ptr<skin::TSkinData> data_;
};

}  // namespace frame_test
