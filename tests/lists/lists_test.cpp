// A header control and a report list view declared in a stored form, under
// the default skin: the header's items on the skin's Headerbar frames, the
// item under the real mouse lit, the list's own header skinned with it, and
// nothing left behind when skinning goes off and on.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "form_test_support.h"
#include "gdi_census.h"
#include "host/controls/header_control.h"
#include "host/controls/list_view.h"
#include "host/graphics/image_list.h"
#include "host/stream/form_reader.h"
#include "skin/controls/list_view.h"
#include "skin/draw/skin_element.h"
#include "skin/form/engine_messages.h"
#include "user_input.h"

namespace {

using form_test::PumpUntil;

constexpr char kStored[] = R"(object ListsForm: TTestForm
  object Columns: THeaderControl
    Left = 10
    Top = 10
    Width = 400
    Height = 24
    Sections = <
      item
        Text = 'Name'
        Width = 120
      end
      item
        ImageIndex = 0
        Width = 60
      end
      item
        Alignment = taCenter
        ImageIndex = 0
        Text = 'Size'
        Width = 100
      end>
  end
  object Files: TListView
    Left = 10
    Top = 50
    Width = 400
    Height = 150
    RowSelect = True
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'File'
        Width = 200
      end
      item
        Caption = 'Size'
        Width = 80
      end>
  end
end)";

constexpr COLORREF kImageColour = RGB(255, 0, 0);

void AddSquare(host::TImageList& list, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP square = CreateCompatibleBitmap(screen, list.Width(), list.Height());
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, square);
  const RECT all{0, 0, list.Width(), list.Height()};
  FillRect(dc, &all, host::Brush(CreateSolidBrush(colour)));
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  list.AddMasked(square, RGB(255, 0, 255));
  DeleteObject(square);
}

bool Skinned(HWND window) { return SendMessageW(window, skin::kSkinnedQuery, 0, 0) == 1; }

class ListsTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    Build();
  }
  void Build() {
    host::RegisterComponentClass(host::THeaderControl::Info());
    host::RegisterComponentClass(host::TListView::Info());
    form_ = form_test::MakeForm(100, 100, 440, 220);
    host::ReadComponent(*form_, host::ParseStoredForm(kStored));
    header_ = dynamic_cast<host::THeaderControl*>(form_->FindComponent("Columns"));
    list_ = dynamic_cast<host::TListView*>(form_->FindComponent("Files"));
    ASSERT_TRUE(header_ && list_);
    images_ = new host::TImageList(form_.get());
    AddSquare(*images_, kImageColour);
    ASSERT_EQ(images_->Count(), 1);
    header_->SetImages(images_);
    for (int i = 0; i < 40; ++i) list_->AddItem("map" + std::to_string(i) + ".bsp", {std::to_string(i * 10)});
    skinner_ = form_test::ShowSkinned(*form_);
    ASSERT_TRUE(skinner_);
    ASSERT_TRUE(PumpUntil([&] { return Skinned(header_->WindowHandle()) && Skinned(list_->WindowHandle()); }));
    form_test::Pump(50);
  }

  const skin::TDataSkinObject& Bar() const { return *data_->Elements().Headerbar; }
  // Frame k of the Headerbar as the header composes it for a rectangle.
  host::DibBitmap Frame(const RECT& r, int k) const {
    const skin::TDataSkinObject& bar = Bar();
    return skin::ComposeSkinElement({0, 0, r.right - r.left, r.bottom - r.top}, bar.Image, bar.Margins(), k,
                                    bar.FrameCount, bar.Tile == 1, skin::Strip::Horizontal);
  }
  RECT Item(int index) const {
    RECT r{};
    SendMessageW(header_->WindowHandle(), HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  // The item's left column, beside its text, shows frame k.
  bool ItemShows(int index, int k) const {
    const RECT r = Item(index);
    const host::DibBitmap want = Frame(r, k);
    const host::DibBitmap shot = form_test::ClientShot(header_->WindowHandle());
    for (int y = 0; y < want.Height(); ++y)
      if (shot.Pixel(r.left + 1, y) != want.Pixel(1, y)) return false;
    return true;
  }
  POINT ScreenPoint(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(header_->WindowHandle(), &p);
    return p;
  }

  std::unique_ptr<form_test::TTestForm> form_;
  host::THeaderControl* header_ = nullptr;
  host::TListView* list_ = nullptr;
  host::TImageList* images_ = nullptr;
  skin::TSkinForm* skinner_ = nullptr;
};

TEST_F(ListsTest, TheItemUnderTheMouseIsLitUntilTheMouseLeaves) {
  ASSERT_GE(Bar().FrameCount, 2);
  const RECT first = Item(0), second = Item(1);
  ASSERT_NE(Frame(first, 1).Pixel(1, first.bottom / 2), Frame(first, 2).Pixel(1, first.bottom / 2))
      << "the skin's hot frame differs from its normal one";
  EXPECT_TRUE(PumpUntil([&] { return ItemShows(0, 1) && ItemShows(1, 1); }));

  tour::MoveTo(ScreenPoint((first.left + first.right) / 2, first.bottom / 2));
  EXPECT_TRUE(PumpUntil([&] { return ItemShows(0, 2) && ItemShows(1, 1); }));
  tour::MoveTo(ScreenPoint((second.left + second.right) / 2, second.bottom / 2));
  EXPECT_TRUE(PumpUntil([&] { return ItemShows(0, 1) && ItemShows(1, 2); })) << "one item at a time";
  tour::MoveTo(ScreenPoint(second.left, 200));
  EXPECT_TRUE(PumpUntil([&] { return ItemShows(0, 1) && ItemShows(1, 1); })) << "leaving the header clears it";
}

TEST_F(ListsTest, AClickOnASectionIsToldWithTheSection) {
  host::THeaderSection* clicked = nullptr;
  header_->OnSectionClick = [&](host::THeaderControl*, host::THeaderSection* section) { clicked = section; };
  const RECT third = Item(2);
  tour::Click(ScreenPoint((third.left + third.right) / 2, third.bottom / 2));
  EXPECT_TRUE(PumpUntil([&] { return clicked != nullptr; }));
  EXPECT_EQ(clicked, &header_->Sections()->Item(2));
}

TEST_F(ListsTest, TheRestOfTheBarShowsFrameOneAndAnImageWithoutTextIsNotDrawn) {
  const RECT last = Item(2);
  RECT client;
  GetClientRect(header_->WindowHandle(), &client);
  ASSERT_LT(last.right, client.right);
  const RECT rest{last.right, 0, client.right, client.bottom};
  const host::DibBitmap want = Frame(rest, 1);
  EXPECT_TRUE(PumpUntil([&] {
    const host::DibBitmap shot = form_test::ClientShot(header_->WindowHandle());
    for (int y = 0; y < want.Height(); ++y)
      for (int x = 0; x < want.Width(); ++x)
        if (shot.Pixel(rest.left + x, y) != want.Pixel(x, y)) return false;
    return true;
  }));

  // The second item has an image and no text: exactly the plain frame.
  const RECT bare = Item(1);
  const host::DibBitmap plain = Frame(bare, 1);
  const host::DibBitmap shot = form_test::ClientShot(header_->WindowHandle());
  int differ = 0, red_with_text = 0;
  for (int y = 0; y < plain.Height(); ++y)
    for (int x = 0; x < plain.Width(); ++x) differ += shot.Pixel(bare.left + x, y) != plain.Pixel(x, y);
  EXPECT_EQ(differ, 0);
  for (int y = last.top; y < last.bottom; ++y)
    for (int x = last.left; x < last.right; ++x) red_with_text += shot.Pixel(x, y) == kImageColour;
  EXPECT_GT(red_with_text, 0) << "an item with text shows its image";
}

TEST_F(ListsTest, TheListViewsOwnHeaderIsSkinnedWithIt) {
  HWND list = list_->WindowHandle();
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  EXPECT_TRUE(Skinned(header));
  skin::TSkinListView* skinner = nullptr;
  for (skin::TSkinControl* s : skinner_->FControls)
    if (s->Window() == list) skinner = dynamic_cast<skin::TSkinListView*>(s);
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(skinner->VertBar());
  EXPECT_TRUE(PumpUntil([&] { return skinner->VertBar()->Shown; })) << "40 rows need the vertical bar";
  EXPECT_EQ(list_->ItemText(3, 1), "30");
  list_->SetItemIndex(3);
  EXPECT_EQ(list_->ItemIndex(), 3);
}

TEST_F(ListsTest, SkinningOffAndOnLeavesNoGdiObjects) {
  ASSERT_TRUE(drawtest::InstallGdiCensus());
  HWND header = header_->WindowHandle();
  long start = 0;
  for (int round = 0; round < 3; ++round) {
    data_->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return !Skinned(header); }));
    data_->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return Skinned(header) && Skinned(list_->WindowHandle()); }));
    RedrawWindow(form_->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    form_test::Pump(50);
    if (round == 0) start = drawtest::LiveGdiObjects();
  }
  EXPECT_EQ(drawtest::LiveGdiObjects(), start);
}

class DarkListsTest : public ListsTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    skin::TSkinManage::Destroy();
    data_ = form_test::MakeSkinData(form_test::SkinPackage("dark"));
    ASSERT_FALSE(data_->SkinMissing());
    Build();
  }
  bool Shows(HWND window, COLORREF colour, const RECT& area) const {
    const host::DibBitmap shot = form_test::ClientShot(window);
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (shot.Pixel(x, y) == colour) return true;
    return false;
  }
};

TEST_F(DarkListsTest, RowsTakeTheContentColoursAndCaptionsTheContentText) {
  const skin::ContentColours& c = data_->Elements().Content;
  ASSERT_NE(c.Content, skin::kColourNotGiven);
  const COLORREF content = host::ColourToRgb(c.Content), text = host::ColourToRgb(c.ContentText);
  HWND list = list_->WindowHandle();
  const SIZE size = form_test::ClientSize(list);
  const RECT empty{size.cx - 20, size.cy - 20, size.cx - 19, size.cy - 19};  // right of the columns
  EXPECT_TRUE(PumpUntil([&] { return Shows(list, content, empty); }));
  const RECT first_row{0, Item(0).bottom, 200, Item(0).bottom + 20};
  EXPECT_TRUE(Shows(list, text, first_row)) << "the rows' text";
  EXPECT_TRUE(Shows(header_->WindowHandle(), text, Item(0))) << "a readable caption on the dark header";

  data_->SetActive(false);
  EXPECT_TRUE(PumpUntil([&] { return Shows(list, GetSysColor(COLOR_WINDOW), empty); })) << "the list's own colours";
}

}  // namespace
