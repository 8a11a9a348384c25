// The host bitmap and canvas: rows, formats, masks and drawing objects.
#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "host/graphics/canvas.h"
#include "host/graphics/dib_bitmap.h"
#include "pictures.h"

using host::DibBitmap;
using host::PixelFormat;

TEST(DibBitmap, RowsRunTopToBottomInBlueGreenRedOrder) {
  DibBitmap b(3, 2);
  ASSERT_FALSE(b.Empty());
  EXPECT_EQ(b.Stride(), 12);
  ::SetPixel(b.Dc(), 2, 1, RGB(10, 20, 30));
  const std::uint8_t* row = b.ScanLine(1);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row[6], 30);
  EXPECT_EQ(row[7], 20);
  EXPECT_EQ(row[8], 10);
  EXPECT_EQ(b.Pixel(2, 1), RGB(10, 20, 30));
  EXPECT_EQ(b.Pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(b.ScanLine(2), nullptr);
  EXPECT_EQ(b.ScanLine(-1), nullptr);
  EXPECT_EQ(b.Pixel(3, 0), CLR_INVALID);
}

TEST(DibBitmap, PixelsWrittenToRowsAreSeenByGdi) {
  DibBitmap b(4, 4, PixelFormat::Bits32);
  EXPECT_EQ(b.Stride(), 16);
  b.SetPixel(3, 3, RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(b.Dc(), 3, 3), RGB(1, 2, 3));
}

TEST(DibBitmap, FormatConversionKeepsThePixels) {
  auto b = drawtest::CodedPicture(5, 4);
  b.SetFormat(PixelFormat::Bits32);
  EXPECT_EQ(b.Format(), PixelFormat::Bits32);
  EXPECT_EQ(b.BytesPerPixel(), 4);
  b.SetFormat(PixelFormat::Bits24);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) ASSERT_EQ(b.Pixel(x, y), RGB(x, y, 7));
  EXPECT_EQ(GetPixel(b.Dc(), 4, 3), RGB(4, 3, 7));
}

TEST(DibBitmap, SizesOfZeroOrLessGiveAnEmptyBitmap) {
  EXPECT_TRUE(DibBitmap(0, 5).Empty());
  EXPECT_TRUE(DibBitmap(5, -1).Empty());
  DibBitmap b(5, 5);
  b.SetSize(0, 0);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Dc(), nullptr);
  EXPECT_EQ(b.ScanLine(0), nullptr);
  b.SetSize(2, 3);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Height(), 3);
}

TEST(DibBitmap, ResizingKeepsTheCanvasAndItsSettings) {
  DibBitmap b(4, 4);
  HDC dc = b.Dc();
  SetStretchBltMode(dc, COLORONCOLOR);
  b.SetSize(30, 20);
  EXPECT_EQ(b.Dc(), dc);
  EXPECT_EQ(GetStretchBltMode(b.Dc()), COLORONCOLOR);
  b.GetCanvas().SetBrushColour(RGB(9, 8, 7));
  b.GetCanvas().FillRect({0, 0, 30, 20});
  EXPECT_EQ(b.Pixel(29, 19), RGB(9, 8, 7));
  b.SetSize(0, 0);
  b.SetSize(6, 6);
  b.GetCanvas().FillRect({0, 0, 6, 6});
  EXPECT_EQ(b.Pixel(5, 5), RGB(9, 8, 7));
}

TEST(DibBitmap, ACanvasTakenWhileEmptyDrawsOnceThereArePixels) {
  DibBitmap b;
  b.GetCanvas().SetBrushColour(RGB(3, 4, 5));
  b.SetSize(5, 5);
  b.GetCanvas().FillRect({0, 0, 5, 5});
  EXPECT_EQ(b.Pixel(4, 4), RGB(3, 4, 5));
}

TEST(DibBitmap, ClonesAreIndependent) {
  auto a = drawtest::CodedPicture(4, 4);
  a.SetTransparent(true);
  a.SetTransparentColour(RGB(1, 1, 1));
  auto b = a.Clone();
  b.SetPixel(0, 0, RGB(50, 50, 50));
  EXPECT_EQ(a.Pixel(0, 0), RGB(0, 0, 7));
  EXPECT_EQ(b.Pixel(1, 1), RGB(1, 1, 7));
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColour(), RGB(1, 1, 1));
}

TEST(DibBitmap, MovingHandsOverThePictureAndItsDc) {
  auto a = drawtest::CodedPicture(4, 4);
  HDC dc = a.Dc();
  DibBitmap b(std::move(a));
  EXPECT_TRUE(a.Empty());
  EXPECT_EQ(b.Dc(), dc);
  EXPECT_EQ(b.Pixel(3, 3), RGB(3, 3, 7));
  DibBitmap c(2, 2);
  c.Dc();
  c = std::move(b);
  EXPECT_EQ(c.Pixel(2, 1), RGB(2, 1, 7));
  EXPECT_EQ(GetPixel(c.Dc(), 2, 1), RGB(2, 1, 7));
}

TEST(DibBitmap, PixelsWrittenInMemoryAreGdisOnceItAsksAndRowsFollowThem) {
  auto b = drawtest::CodedPicture(5, 3);
  ASSERT_NE(b.Handle(), nullptr);
  EXPECT_EQ(GetPixel(b.Dc(), 4, 2), RGB(4, 2, 7));
  b.GetCanvas().SetBrushColour(RGB(90, 80, 70));
  b.GetCanvas().FillRect({0, 0, 1, 1});
  EXPECT_EQ(b.Pixel(0, 0), RGB(90, 80, 70));
  EXPECT_EQ(b.Pixel(3, 1), RGB(3, 1, 7));

  DibBitmap black(3, 3, PixelFormat::Bits32);
  EXPECT_EQ(GetPixel(black.Dc(), 2, 2), RGB(0, 0, 0));

  // A copy of a picture GDI has had, and a converted one, start in memory again.
  auto copy = b.Clone();
  copy.SetFormat(PixelFormat::Bits32);
  EXPECT_EQ(GetPixel(copy.Dc(), 0, 0), RGB(90, 80, 70));
  EXPECT_EQ(GetPixel(copy.Dc(), 4, 2), RGB(4, 2, 7));
}

TEST(DibBitmap, AWidthWhoseRowsWouldOverflowGivesAnEmptyBitmap) {
  EXPECT_TRUE(DibBitmap(INT_MAX, 1).Empty());
  EXPECT_TRUE(DibBitmap(INT_MAX / 24, 1).Empty());
  EXPECT_EQ(DibBitmap(INT_MAX, 1).Handle(), nullptr);
}

TEST(DibBitmap, MaskIsWhiteExactlyOnTheKeyColour) {
  auto b = drawtest::CodedPicture(19, 3);
  b.SetPixel(0, 0, drawtest::kMagenta);
  b.SetPixel(17, 2, drawtest::kMagenta);
  b.SetPixel(5, 1, RGB(255, 1, 255));
  host::Bitmap mask = b.Mask(drawtest::kMagenta);
  ASSERT_TRUE(mask);
  BITMAP info{};
  GetObjectW(mask, sizeof info, &info);
  EXPECT_EQ(info.bmBitsPixel, 1);
  EXPECT_EQ(info.bmWidth, 19);
  host::MemoryDc dc(CreateCompatibleDC(nullptr));
  host::Selection s(dc, mask);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 19; ++x) {
      const bool key = (x == 0 && y == 0) || (x == 17 && y == 2);
      ASSERT_EQ(GetPixel(dc, x, y), key ? RGB(255, 255, 255) : RGB(0, 0, 0)) << x << ", " << y;
    }
  EXPECT_FALSE(DibBitmap().Mask(drawtest::kMagenta));
}

TEST(Canvas, BrushPenAndFontAreUsedAndTheDcsOwnObjectsComeBack) {
  host::MemoryDc dc(CreateCompatibleDC(nullptr));
  host::Bitmap bitmap(CreateBitmap(1, 1, 1, 32, nullptr));
  host::Selection s(dc, bitmap);
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  {
    host::Canvas canvas(dc);
    canvas.SetBrushColour(RGB(1, 2, 3));
    canvas.SetBrushColour(RGB(4, 5, 6));
    canvas.SetPen(RGB(7, 8, 9), 2);
    LOGFONTW lf{};
    lf.lfHeight = -20;
    wcscpy(lf.lfFaceName, L"Tahoma");
    canvas.SetFont(lf);
    EXPECT_EQ(canvas.BrushColour(), RGB(4, 5, 6));
    EXPECT_EQ(canvas.PenColour(), RGB(7, 8, 9));
    LOGBRUSH lb{};
    GetObjectW(GetCurrentObject(dc, OBJ_BRUSH), sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(4, 5, 6));
    LOGFONTW selected{};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof selected, &selected);
    EXPECT_EQ(selected.lfHeight, -20);
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
}

TEST(Canvas, DrawsShapesAndText) {
  DibBitmap b(60, 30);
  auto& c = b.GetCanvas();
  c.SetBrushColour(RGB(255, 255, 255));
  c.FillRect({0, 0, 60, 30});
  c.SetPen(RGB(255, 0, 0));
  c.MoveTo(0, 29);
  c.LineTo(60, 29);
  EXPECT_EQ(b.Pixel(30, 29), RGB(255, 0, 0));
  c.SetBrushColour(RGB(0, 0, 255));
  c.Rectangle({40, 2, 50, 12});
  EXPECT_EQ(b.Pixel(45, 7), RGB(0, 0, 255));
  EXPECT_EQ(b.Pixel(40, 7), RGB(255, 0, 0));
  c.SetFontColour(RGB(0, 0, 0));
  SetBkMode(c.Handle(), TRANSPARENT);
  c.TextOut(2, 2, L"Wi");
  int inked = 0;
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 38; ++x) inked += b.Pixel(x, y) == RGB(0, 0, 0);
  EXPECT_GT(inked, 0);
}

TEST(Canvas, MovesBetweenDcsTakingItsObjectsAlong) {
  DibBitmap a(4, 4), b(4, 4);
  const HGDIOBJ a_brush = GetCurrentObject(a.Dc(), OBJ_BRUSH);
  const HGDIOBJ b_brush = GetCurrentObject(b.Dc(), OBJ_BRUSH);
  host::Canvas canvas;
  canvas.SetBrushColour(RGB(1, 2, 3));
  canvas.SetFontColour(RGB(4, 5, 6));
  canvas.SetHandle(a.Dc());
  canvas.FillRect({0, 0, 4, 4});
  EXPECT_EQ(a.Pixel(3, 3), RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(a.Dc()), RGB(4, 5, 6));
  canvas.SetHandle(b.Dc());
  EXPECT_EQ(GetCurrentObject(a.Dc(), OBJ_BRUSH), a_brush);
  canvas.FillRect({0, 0, 2, 2});
  EXPECT_EQ(b.Pixel(1, 1), RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(b.Dc()), RGB(4, 5, 6));
  canvas.SetHandle(nullptr);
  EXPECT_EQ(GetCurrentObject(b.Dc(), OBJ_BRUSH), b_brush);
}

TEST(Canvas, StretchDrawFillsTheRectangle) {
  const auto picture = drawtest::CodedPicture(2, 2);
  DibBitmap b(8, 8);
  b.GetCanvas().StretchDraw({0, 0, 8, 8}, picture);
  EXPECT_EQ(b.Pixel(0, 0), RGB(0, 0, 7));
  EXPECT_EQ(b.Pixel(7, 7), RGB(1, 1, 7));
  EXPECT_EQ(b.Pixel(3, 4), RGB(0, 1, 7));
}
