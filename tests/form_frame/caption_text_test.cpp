// Where the caption text goes: each alignment, the vertical shift, the
// dialog frame's place for the missing icon, the right clip with its
// ellipsis, the text backdrop, and wide and narrow window texts.
#include <windows.h>

#include <string>

#include "frame_fixture.h"

using namespace frame_test;
using form_test::MakeForm;
using form_test::Pump;
using form_test::PumpUntil;

namespace {

struct TextBox {
  int width, height;
};

// The extent of "  text " in the skin's caption font.
TextBox Measure(const skin::TSkinData& data, const std::wstring& s) {
  const host::MemoryDc dc(CreateCompatibleDC(nullptr));
  const host::Selection font(dc, data.CaptionFont());
  SIZE size{};
  GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return {size.cx, metrics.tmHeight};
}

class CaptionText : public FrameTest {
protected:
  // A sizeable window with this caption under a skin of this shape.
  skin::TSkinForm* ShowCaption(const SkinShape& shape, const std::string& caption, int client_width = 300,
                               host::TFormBorderStyle style = host::TFormBorderStyle::bsSizeable) {
    if (!data_) UseSkin(FrameSkin(shape).Package());
    forms_.push_back(MakeForm(40 + 20 * static_cast<int>(forms_.size()), 40 + 150 * static_cast<int>(forms_.size()),
                              client_width, 90, style));
    forms_.back()->SetCaption(caption);
    return Show(*forms_.back());
  }

  // The caption bar as the screen shows it must equal the caption element
  // with `s` drawn by DrawText into (left, top, right, top + text height).
  ::testing::AssertionResult ShowsTextAt(const skin::TSkinForm& f, const std::wstring& s, int left, int top, int right) {
    const RECT r = form_test::WindowRect(f.FHandle);
    const int w = r.right - r.left;
    const int cw = w - f.FBorderLeft - f.FBorderRight;
    host::DibBitmap expected = Expected(Data(), 3, f.FActive ? 1 : 2, cw, f.FBorderTop);
    expected.SetFormat(host::PixelFormat::Bits32);
    {
      const HDC dc = expected.Dc();
      const host::Selection font(dc, Data().CaptionFont());
      SetTextColor(dc, f.FActive ? kActiveText : kInactiveText);
      SetBkMode(dc, TRANSPARENT);
      RECT m{left - f.FBorderLeft, top, right - f.FBorderLeft, top + Measure(Data(), s).height};
      DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), &m, DT_SINGLELINE | DT_END_ELLIPSIS);
      GdiFlush();
    }
    const host::DibBitmap shot = Grab(r);
    return Same(Compare(shot, f.FBorderLeft, 0, expected));
  }

  // Where the text ink lies in the caption bar, window coordinates.
  RECT InkOf(const skin::TSkinForm& f) {
    const RECT r = form_test::WindowRect(f.FHandle);
    const int cw = r.right - r.left - f.FBorderLeft - f.FBorderRight;
    RECT ink = Ink(Grab(r), f.FBorderLeft, 0, Expected(Data(), 3, f.FActive ? 1 : 2, cw, f.FBorderTop));
    OffsetRect(&ink, f.FBorderLeft, 0);
    return ink;
  }

  // Back to no skin and no window, for a second skin in the same test.
  void Restart() {
    forms_.clear();
    skin::TSkinManage::Destroy();
    data_.reset();
    Pump(10);
  }

  void TearDown() override {
    forms_.clear();
    FrameTest::TearDown();
  }

  std::vector<std::unique_ptr<form_test::TTestForm>> forms_;
};

const std::wstring kCaption = L"  Brindle caption ";

TEST_F(CaptionText, LeftAlignedTextStartsAtTheTextShift) {
  SkinShape shape;
  shape.text_alignment = 0;
  skin::TSkinForm* f = ShowCaption(shape, "Brindle caption");
  ASSERT_TRUE(f);
  const TextBox box = Measure(Data(), kCaption);
  const int left = f->FBorderLeft + shape.text_shift;
  const int top = (f->FBorderTop - box.height) / 2;
  EXPECT_TRUE(ShowsTextAt(*f, kCaption, left, top, left + box.width));
  EXPECT_EQ(f->FCaptionTextRect.left, left);
  EXPECT_EQ(f->FCaptionTextRect.top, top);
  EXPECT_EQ(f->FCaptionTextRect.right, left + box.width);
}

TEST_F(CaptionText, CentredTextSitsInTheMiddleOfTheCaptionArea) {
  SkinShape shape;
  shape.text_alignment = 1;
  skin::TSkinForm* f = ShowCaption(shape, "Brindle caption");
  ASSERT_TRUE(f);
  const TextBox box = Measure(Data(), kCaption);
  const RECT r = form_test::WindowRect(f->FHandle);
  const int cw = r.right - r.left - f->FBorderLeft - f->FBorderRight;
  const int left = f->FBorderLeft + (cw - box.width) / 2;
  EXPECT_TRUE(ShowsTextAt(*f, kCaption, left, (f->FBorderTop - box.height) / 2, left + box.width));
}

TEST_F(CaptionText, RightAlignedTextEndsAtTheRightClip) {
  SkinShape shape;
  shape.text_alignment = 2;
  shape.text_right_clip = 20;
  skin::TSkinForm* f = ShowCaption(shape, "Brindle caption");
  ASSERT_TRUE(f);
  const TextBox box = Measure(Data(), kCaption);
  const RECT r = form_test::WindowRect(f->FHandle);
  const int right = r.right - r.left - f->FBorderRight - 20;
  EXPECT_TRUE(ShowsTextAt(*f, kCaption, right - box.width, (f->FBorderTop - box.height) / 2, right));
  EXPECT_EQ(f->FCaptionTextRect.right, right);
}

TEST_F(CaptionText, AnUnknownAlignmentStartsAtTheCaptionAreaWithoutShift) {
  SkinShape shape;
  shape.text_alignment = 5;
  skin::TSkinForm* f = ShowCaption(shape, "Brindle caption");
  ASSERT_TRUE(f);
  const TextBox box = Measure(Data(), kCaption);
  const int left = f->FBorderLeft;
  EXPECT_TRUE(ShowsTextAt(*f, kCaption, left, (f->FBorderTop - box.height) / 2, left + box.width));
}

TEST_F(CaptionText, TooWideTextIsCutWithAnEllipsisBeforeTheRightClip) {
  SkinShape shape;
  shape.text_right_clip = 12;
  const std::string text = "A caption much too long for the narrow window it names";
  skin::TSkinForm* f = ShowCaption(shape, text, 180);
  ASSERT_TRUE(f);
  const std::wstring s = L"  " + std::wstring(text.begin(), text.end()) + L" ";
  const TextBox box = Measure(Data(), s);
  const RECT r = form_test::WindowRect(f->FHandle);
  const int left = f->FBorderLeft + shape.text_shift;
  const int clip = r.right - r.left - f->FBorderRight - 12;
  ASSERT_GT(left + box.width, clip) << "the text must not fit";
  EXPECT_EQ(f->FCaptionTextRect.right, clip);
  EXPECT_TRUE(ShowsTextAt(*f, s, left, (f->FBorderTop - box.height) / 2, clip));
  EXPECT_LE(InkOf(*f).right, clip);
}

TEST_F(CaptionText, CentredTooWideTextStartsLeftOfTheCaptionArea) {
  SkinShape shape;
  shape.text_alignment = 1;
  const std::string text = "A caption much too long for the narrow window it names";
  skin::TSkinForm* f = ShowCaption(shape, text, 180);
  ASSERT_TRUE(f);
  const std::wstring s = L"  " + std::wstring(text.begin(), text.end()) + L" ";
  const TextBox box = Measure(Data(), s);
  const RECT r = form_test::WindowRect(f->FHandle);
  const int cw = r.right - r.left - f->FBorderLeft - f->FBorderRight;
  const int left = f->FBorderLeft + (cw - box.width) / 2;
  ASSERT_LT(left, f->FBorderLeft);
  EXPECT_TRUE(ShowsTextAt(*f, s, left, (f->FBorderTop - box.height) / 2, r.right - r.left - f->FBorderRight - 10));
}

TEST_F(CaptionText, AnOddVerticalShiftMovesTheTextByHalfTruncated) {
  int tops[3];
  const int shifts[3] = {0, 3, -3};
  for (int i = 0; i < 3; ++i) {
    SkinShape shape;
    shape.text_shift_vert = shifts[i];
    skin::TSkinForm* f = ShowCaption(shape, "Brindle caption");
    ASSERT_TRUE(f);
    tops[i] = InkOf(*f).top;
    Restart();
  }
  EXPECT_EQ(tops[1] - tops[0], 1);
  EXPECT_EQ(tops[2] - tops[0], -1);
}

TEST_F(CaptionText, ADialogFrameStartsLeftAlignedTextSixteenPixelsFurtherLeft) {
  SkinShape shape;
  shape.text_shift = 30;
  skin::TSkinForm* sizeable = ShowCaption(shape, "Brindle caption");
  skin::TSkinForm* dialog = ShowCaption(shape, "Brindle caption", 300, host::TFormBorderStyle::bsDialog);
  ASSERT_TRUE(sizeable && dialog);
  ASSERT_EQ(dialog->FBorderKind, skin::TBorderKind::Dialog);
  EXPECT_EQ(InkOf(*sizeable).left - InkOf(*dialog).left, 16);
  EXPECT_EQ(sizeable->FCaptionTextRect.left - dialog->FCaptionTextRect.left, 16);
}

TEST_F(CaptionText, ADialogFrameDoesNotShiftCentredText) {
  SkinShape shape;
  shape.text_alignment = 1;
  skin::TSkinForm* sizeable = ShowCaption(shape, "Brindle caption");
  skin::TSkinForm* dialog = ShowCaption(shape, "Brindle caption", 300, host::TFormBorderStyle::bsDialog);
  ASSERT_TRUE(sizeable && dialog);
  ASSERT_EQ(form_test::WindowRect(sizeable->FHandle).right - form_test::WindowRect(sizeable->FHandle).left,
            form_test::WindowRect(dialog->FHandle).right - form_test::WindowRect(dialog->FHandle).left);
  EXPECT_EQ(InkOf(*sizeable).left, InkOf(*dialog).left);
}

TEST_F(CaptionText, TheTextBackdropFollowsTheActiveState) {
  SkinShape shape;
  shape.with_text_back = true;
  skin::TSkinForm* f = ShowCaption(shape, "Brindle caption");
  ASSERT_TRUE(f);
  const RECT r = form_test::WindowRect(f->FHandle);
  const int x = f->FBorderLeft + shape.text_shift + 1;  // inside the backdrop's left margin
  EXPECT_EQ(Grab(r).Pixel(x, 3), RGB(10, 200, 3));
  // The text itself starts after the backdrop's left margin.
  const TextBox box = Measure(Data(), kCaption);
  EXPECT_EQ(f->FCaptionTextRect.right - f->FCaptionTextRect.left, box.width + 4 + 6);

  skin::TSkinForm* other = ShowCaption(shape, "Other");
  ASSERT_TRUE(other);
  ASSERT_TRUE(PumpUntil([&] { return !f->FActive; }));
  Pump(30);
  EXPECT_EQ(Grab(r).Pixel(x, 3), RGB(90, 200, 3));
}

TEST_F(CaptionText, AnInactiveWindowUsesTheInactiveTextColour) {
  SkinShape shape;
  skin::TSkinForm* f = ShowCaption(shape, "Brindle caption");
  skin::TSkinForm* other = ShowCaption(shape, "Other");
  ASSERT_TRUE(f && other);
  ASSERT_TRUE(PumpUntil([&] { return !f->FActive; }));
  Pump(30);
  const TextBox box = Measure(Data(), kCaption);
  const int left = f->FBorderLeft + shape.text_shift;
  EXPECT_TRUE(ShowsTextAt(*f, kCaption, left, (f->FBorderTop - box.height) / 2, left + box.width));
}

TEST_F(CaptionText, AWideWindowShowsItsTextUnchanged) {
  SkinShape shape;
  skin::TSkinForm* f = ShowCaption(shape, "x");
  ASSERT_TRUE(f);
  const std::wstring text = L"\u041f\u0443\u0441\u043a \u2192 \u00e9t\u00e9";
  SetWindowTextW(f->FHandle, text.c_str());
  Pump(30);
  const std::wstring s = L"  " + text + L" ";
  const TextBox box = Measure(Data(), s);
  const int left = f->FBorderLeft + shape.text_shift;
  EXPECT_TRUE(ShowsTextAt(*f, s, left, (f->FBorderTop - box.height) / 2, left + box.width));
}

TEST_F(CaptionText, ANarrowDialogShowsItsNarrowText) {
  SkinShape shape;
  skin::TSkinForm* owner = ShowCaption(shape, "Owner");
  ASSERT_TRUE(owner);
  HWND dialog = MakeDialog(owner->FHandle, 100, 200, false);
  ASSERT_TRUE(dialog);
  ASSERT_FALSE(IsWindowUnicode(dialog));
  skin::TSkinForm* f = WaitSkinned(dialog);
  ASSERT_TRUE(f);
  SetWindowTextA(dialog, "Narrow title");
  Pump(30);
  const std::wstring s = L"  Narrow title ";
  const TextBox box = Measure(Data(), s);
  const int left = f->FBorderLeft + shape.text_shift - 16;  // a dialog frame has no icon
  EXPECT_TRUE(ShowsTextAt(*f, s, left, (f->FBorderTop - box.height) / 2,
                          f->FBorderLeft + shape.text_shift + box.width));
  DestroyWindow(dialog);
  Pump(10);
}

}  // namespace
