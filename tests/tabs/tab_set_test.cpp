// The form library's tab set on its own and skinned, read from a stored
// form, and skinning switched off and on over tab controls without a GDI
// object left behind.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "form_test_support.h"
#include "gdi_census.h"
#include "host/app/application.h"
#include "host/controls/tab_set.h"
#include "host/stream/form_reader.h"
#include "skin/form/engine_messages.h"
#include "tab_skin.h"

namespace {

using form_test::PumpUntil;
using tabs_test::kFrame;

class TabSetTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    data_test::Load(*data_, tabs_test::PlainTabsSkin());
    form_ = form_test::MakeForm(100, 100, 420, 200);
    tabs_ = new host::TTabSet(form_.get());
    tabs_->SetParent(form_.get());
    tabs_->SetBounds(10, 100, 260, 21);
  }
  void Click(int x) {
    SendMessageW(tabs_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 10));
    SendMessageW(tabs_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, 10));
  }
  host::DibBitmap Shot() {
    RedrawWindow(tabs_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    form_test::Pump(20);
    return form_test::ClientShot(tabs_->Handle());
  }

  std::unique_ptr<form_test::TTestForm> form_;
  host::TTabSet* tabs_ = nullptr;
};

TEST_F(TabSetTest, ATabThatDoesNotFitIsSkippedAndALaterShorterOneIsDrawn) {
  tabs_->SetTabs({"One", "A caption far too long to fit in what is left of the room along the bottom", "Two"});
  tabs_->SetTabIndex(0);
  int changes = 0;
  tabs_->OnChange = [&](host::TComponent* sender) {
    EXPECT_EQ(sender, tabs_);
    ++changes;
  };
  ASSERT_TRUE(form_test::ShowSkinned(*form_));
  ASSERT_TRUE(skin::IsSkinned(tabs_->Handle()));
  const std::optional<RECT> one = tabs_->TabRect(0), two = tabs_->TabRect(2);
  ASSERT_TRUE(one && two);
  EXPECT_FALSE(tabs_->TabRect(1));
  EXPECT_EQ(two->left, one->right) << "the long tab takes no room";

  host::DibBitmap shot = Shot();
  EXPECT_EQ(shot.Pixel(one->left + 2, 10), kFrame[1]) << "the selected tab";
  EXPECT_EQ(shot.Pixel(two->left + 2, 10), kFrame[0]);
  EXPECT_EQ(shot.Pixel(two->right + 4, 10), GetSysColor(COLOR_BTNFACE)) << "nothing after the last tab shown";

  Click(two->left + 4);
  EXPECT_EQ(tabs_->TabIndex(), 2);
  EXPECT_EQ(changes, 1);
  Click(two->left + 4);
  EXPECT_EQ(changes, 1) << "the selected tab again changes nothing";
  shot = Shot();
  EXPECT_EQ(shot.Pixel(one->left + 2, 10), kFrame[0]);
  EXPECT_EQ(shot.Pixel(two->left + 2, 10), kFrame[1]);
}

TEST_F(TabSetTest, UnskinnedTheSelectedTabIsRaisedAndAStoredFormDeclaresIt) {
  tabs_->SetTabs({"One", "Two"});
  tabs_->SetTabIndex(1);
  data_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return !Manager().Active; }));
  form_->Show();
  ASSERT_FALSE(skin::IsSkinned(tabs_->Handle()));
  const host::DibBitmap shot = Shot();
  const RECT one = *tabs_->TabRect(0), two = *tabs_->TabRect(1);
  EXPECT_EQ(shot.Pixel(two.left + 4, 0), GetSysColor(COLOR_BTNFACE)) << "the selected tab joins the page above";
  EXPECT_NE(shot.Pixel(one.left + 4, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(shot.Pixel(one.left + 4, 4), GetSysColor(COLOR_BTNSHADOW));

  host::Application().Initialize();
  host::TComponent owner(nullptr);
  form_test::TTestForm stored(&owner);
  host::ReadComponent(stored, host::ParseStoredForm(R"(object Main: TTestForm
  object Pages: TTabSet
    Left = 8
    Width = 300
    Tabs = (
      'North'
      'South')
    TabIndex = 1
    FirstIndex = 9
    StartMargin = -4
    EndMargin = 20
  end
end)"));
  auto* pages = dynamic_cast<host::TTabSet*>(stored.FindComponent("Pages"));
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->Tabs(), (host::StringList{"North", "South"}));
  EXPECT_EQ(pages->TabIndex(), 1);
  EXPECT_EQ(pages->FirstIndex(), 1) << "kept within the tabs";
  EXPECT_EQ(pages->StartMargin(), 0);
  EXPECT_EQ(pages->EndMargin(), 20);
}

// Under the default skin, with its spin-button pictures.
class TabCensus : public form_test::SkinnedTest {};

TEST_F(TabCensus, SkinningOffAndOnLeavesNoGdiObjectBehind) {
  ASSERT_TRUE(drawtest::InstallGdiCensus());
  auto form = form_test::MakeForm(100, 100, 560, 300);
  auto* tab_set = new host::TTabSet(form.get());
  tab_set->SetParent(form.get());
  tab_set->SetBounds(10, 260, 300, 21);
  tab_set->SetTabs({"One", "Two"});
  skin::TSkinForm* skinner = form_test::ShowSkinned(*form);
  ASSERT_TRUE(skinner);
  const DWORD sides[] = {0, TCS_BOTTOM, TCS_VERTICAL | TCS_MULTILINE, TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE};
  for (int i = 0; i < 4; ++i) {
    HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | sides[i], 10 + 130 * i, 10, 120, 120,
                               form->WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(L"Page");
    for (int k = 0; k < 6; ++k) SendMessageW(tab, TCM_INSERTITEMW, k, reinterpret_cast<LPARAM>(&item));
  }
  const auto skin_and_paint = [&] {
    skinner = Manager().FindSkinForm(form->WindowHandle());
    ASSERT_TRUE(skinner);
    skinner->DiscoverWindows(form->WindowHandle());
    RedrawWindow(form->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    form_test::Pump(20);
  };
  skin_and_paint();
  const long before = drawtest::LiveGdiObjects();
  for (int round = 0; round < 3; ++round) {
    data_->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return Manager().SkinForms.empty(); }));
    data_->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] {
      skin::TSkinForm* again = Manager().FindSkinForm(form->WindowHandle());
      return again && again->FState == skin::flRunning;
    }));
    skin_and_paint();
  }
  EXPECT_EQ(drawtest::LiveGdiObjects(), before);
  EXPECT_EQ(drawtest::StrayGdiDeletions(), 0);
}

}  // namespace
