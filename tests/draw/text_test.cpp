// Window texts, class names and text drawing on the wide and narrow paths.
#include <gtest/gtest.h>

#include <string>

#include "host/graphics/canvas.h"
#include "pictures.h"
#include "skin/draw/text.h"

namespace {

// Runs each test on the path it names and puts the flag back afterwards.
class TextPath : public testing::Test {
protected:
  void TearDown() override { skin::UseWideApi = saved_; }
  static void UseWide(bool wide) { skin::UseWideApi = wide; }

private:
  bool saved_ = skin::UseWideApi;
};

HWND MakeWindow(const std::wstring& text) {
  return CreateWindowExW(0, L"STATIC", text.c_str(), WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
}

int InkedPixels(const host::DibBitmap& b) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) != RGB(255, 255, 255);
  return n;
}

}  // namespace

TEST_F(TextPath, TheWideApiIsChosenOnTheNtFamily) {
  EXPECT_TRUE(skin::UseWideApi);
}

TEST_F(TextPath, WideWindowTextComesBackWhole) {
  UseWide(true);
  const std::wstring text = std::wstring(1500, L'a') + L"\x0416\x0457";
  HWND w = MakeWindow(text);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(skin::GetWindowTextWide(w), text);
  SetWindowTextW(w, L"");
  EXPECT_EQ(skin::GetWindowTextWide(w), L"");
  DestroyWindow(w);
}

TEST_F(TextPath, NarrowWindowTextIsCutAt999Characters) {
  UseWide(false);
  HWND w = MakeWindow(std::wstring(1500, L'b'));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(skin::GetWindowTextWide(w), std::wstring(999, L'b'));
  SetWindowTextW(w, L"short one");
  EXPECT_EQ(skin::GetWindowTextWide(w), L"short one");
  DestroyWindow(w);
}

TEST_F(TextPath, NoWindowGivesAnEmptyText) {
  for (bool wide : {true, false}) {
    UseWide(wide);
    EXPECT_EQ(skin::GetWindowTextWide(nullptr), L"");
  }
  EXPECT_EQ(skin::GetClassNameText(nullptr), "");
}

TEST(ClassName, IsCutAt99Characters) {
  const std::wstring long_name(120, L'K');
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = long_name.c_str();
  wc.hInstance = GetModuleHandleW(nullptr);
  ASSERT_NE(RegisterClassW(&wc), 0);
  HWND w = CreateWindowExW(0, long_name.c_str(), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(skin::GetClassNameText(w), std::string(99, 'K'));
  DestroyWindow(w);
  UnregisterClassW(long_name.c_str(), wc.hInstance);

  HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(skin::GetClassNameText(button), "Button");
  DestroyWindow(button);
}

TEST(AnsiToWide, ConvertsTheWholeText) {
  EXPECT_EQ(skin::AnsiToWide(""), L"");
  EXPECT_EQ(skin::AnsiToWide("Add files"), L"Add files");
  const std::string with_zero("a\0b", 3);
  EXPECT_EQ(skin::AnsiToWide(with_zero), std::wstring(L"a\0b", 3));
}

TEST(WideFromBuffer, TakesTheCountOrUpToTheTerminator) {
  const wchar_t text[] = L"Brindle\0tail";
  EXPECT_EQ(skin::WideFromBuffer(text, -1), L"Brindle");
  EXPECT_EQ(skin::WideFromBuffer(text, 3), L"Bri");
  EXPECT_EQ(skin::WideFromBuffer(text, 12), std::wstring(text, 12));
  EXPECT_EQ(skin::WideFromBuffer(text, 0), L"");
  EXPECT_EQ(skin::WideFromBuffer(nullptr, 5), L"");
  EXPECT_EQ(skin::WideFromBuffer(text, -7), L"");
}

TEST_F(TextPath, BothPathsMeasureAndDrawTheSame) {
  host::DibBitmap wide(200, 40), narrow(200, 40);
  RECT measured[2]{};
  int heights[2]{};
  int inked[2]{};
  host::DibBitmap* targets[2] = {&wide, &narrow};
  for (int i = 0; i < 2; ++i) {
    UseWide(i == 0);
    host::DibBitmap& b = *targets[i];
    b.GetCanvas().SetBrushColour(RGB(255, 255, 255));
    b.GetCanvas().FillRect({0, 0, 200, 40});
    SetTextColor(b.Dc(), RGB(0, 0, 0));
    SetBkMode(b.Dc(), TRANSPARENT);
    measured[i] = RECT{0, 0, 0, 0};
    heights[i] = skin::DrawTextAW(b.Dc(), L"Run the tool", measured[i], DT_CALCRECT | DT_SINGLELINE);
    RECT r{0, 0, 200, 40};
    skin::DrawTextAW(b.Dc(), L"Run the tool", r, DT_SINGLELINE | DT_LEFT | DT_TOP);
    inked[i] = InkedPixels(b);
  }
  EXPECT_GT(heights[0], 0);
  EXPECT_EQ(heights[0], heights[1]);
  EXPECT_GT(measured[0].right, 0);
  EXPECT_EQ(measured[0].right, measured[1].right);
  EXPECT_EQ(measured[0].bottom, measured[1].bottom);
  EXPECT_GT(inked[0], 0);
  EXPECT_EQ(inked[0], inked[1]);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(wide.Pixel(x, y), narrow.Pixel(x, y)) << x << ", " << y;
}

TEST_F(TextPath, OnlyTheGivenLengthIsDrawn) {
  for (bool w : {true, false}) {
    UseWide(w);
    host::DibBitmap b(10, 10);
    const wchar_t text[] = L"WWWW";
    RECT whole{}, part{};
    skin::DrawTextAW(b.Dc(), std::wstring_view(text, 4), whole, DT_CALCRECT | DT_SINGLELINE);
    skin::DrawTextAW(b.Dc(), std::wstring_view(text, 2), part, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GT(whole.right, part.right) << w;
    EXPECT_GT(part.right, 0) << w;
  }
}
