// Edits and lists inside a skinned form take the skin's content colours, a
// skin without them leaves the system's, and skinning off gives them back.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "form_test_support.h"
#include "gdi_census.h"
#include "host/controls/edit.h"
#include "host/controls/listbox.h"
#include "test_skins.h"

namespace {

using form_test::PumpUntil;

constexpr COLORREF kFace = RGB(40, 44, 52), kContent = RGB(20, 22, 26), kText = RGB(230, 200, 120),
                   kReadOnly = RGB(60, 64, 70);

data_test::TestSkin ContentSkin() {
  return data_test::TestSkin{"[Colours]\nButtonFace=40 44 52\nContent=20 22 26\nContentText=230 200 120\n"
                             "ContentDisabled=60 64 70\nFaceText=250 250 250\n"};
}

COLORREF Pixel(HWND window, POINT p) {
  ClientToScreen(window, &p);
  return form_test::ScreenPixel(p.x, p.y);
}

// Some pixel of the client area's top rows has the colour.
bool ShowsColour(HWND window, COLORREF colour) {
  RECT r;
  GetClientRect(window, &r);
  for (int y = 1; y < 12; ++y)
    for (int x = 1; x < r.right - 1; ++x)
      if (Pixel(window, {x, y}) == colour) return true;
  return false;
}

class ContentColoursTest : public form_test::SkinnedTest {
protected:
  void Make() {
    form_ = form_test::MakeForm(100, 100, 300, 200);
    edit_ = Add<host::TEdit>({10, 10, 200, 24});
    read_only_ = Add<host::TEdit>({10, 40, 200, 24});
    read_only_->SetReadOnly(true);
    list_ = Add<host::TListBox>({10, 70, 200, 100});
    list_->SetItems({"First line", "Second line"});
    ASSERT_TRUE(form_test::ShowSkinned(*form_));
  }
  template <class T>
  T* Add(RECT bounds) {
    auto* c = new T(form_.get());
    c->SetParent(form_.get());
    c->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    c->SetCaption("Text");
    return c;
  }

  std::unique_ptr<form_test::TTestForm> form_;
  host::TEdit* edit_ = nullptr;
  host::TEdit* read_only_ = nullptr;
  host::TListBox* list_ = nullptr;
};

TEST_F(ContentColoursTest, EditsAndListsTakeTheContentColoursUntilSkinningEnds) {
  data_test::Load(*data_, ContentSkin());
  Make();
  EXPECT_TRUE(PumpUntil([&] { return Pixel(edit_->Handle(), {1, 1}) == kContent; }));
  EXPECT_TRUE(ShowsColour(edit_->Handle(), kText)) << "the text in the content's text colour";
  EXPECT_TRUE(PumpUntil([&] { return Pixel(read_only_->Handle(), {1, 1}) == kReadOnly; }));
  EXPECT_TRUE(PumpUntil([&] { return Pixel(list_->Handle(), {150, 80}) == kContent; }));
  EXPECT_TRUE(ShowsColour(list_->Handle(), kText));
  EXPECT_EQ(Pixel(form_->Handle(), {250, 180}), kFace);

  data_->SetActive(false);
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  EXPECT_TRUE(PumpUntil([&] { return Pixel(edit_->Handle(), {1, 1}) == window; })) << "the system's colours are back";
  EXPECT_TRUE(PumpUntil([&] { return Pixel(list_->Handle(), {150, 80}) == window; }));
  EXPECT_FALSE(ShowsColour(edit_->Handle(), kText));
}

TEST_F(ContentColoursTest, ASkinWithoutThemLeavesTheSystemsColours) {
  Make();
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  EXPECT_TRUE(PumpUntil([&] { return Pixel(edit_->Handle(), {1, 1}) == window; }));
  EXPECT_TRUE(PumpUntil([&] { return Pixel(list_->Handle(), {150, 80}) == window; }));
  EXPECT_TRUE(ShowsColour(edit_->Handle(), GetSysColor(COLOR_WINDOWTEXT)));
}

TEST_F(ContentColoursTest, SwitchingSkinsAHundredTimesFreesEveryBrush) {
  ASSERT_TRUE(drawtest::InstallGdiCensus());
  const std::vector<std::uint8_t> plain = form_test::DefaultSkinPackage();
  long start = 0;
  for (int i = 0; i < 100; ++i) {
    data_test::Load(*data_, ContentSkin());
    data_->ReadSkinStream(data_test::StreamOf(plain));
    if (i == 0) start = drawtest::LiveGdiObjects();
  }
  EXPECT_EQ(drawtest::LiveGdiObjects(), start);
}

}  // namespace
