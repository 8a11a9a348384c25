// The form library's tab set on its own and skinned, and read from a stored form.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "form_test_support.h"
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
  void Click(int x) { SendMessageW(tabs_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 10)); }
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
  tabs_->OnChange = [&](host::TComponent* sender) { changes += sender == tabs_; };
  ASSERT_TRUE(form_test::ShowSkinned(*form_) && skin::IsSkinned(tabs_->Handle()));
  const std::optional<RECT> one = tabs_->TabRect(0), two = tabs_->TabRect(2);
  ASSERT_TRUE(one && two && !tabs_->TabRect(1));
  EXPECT_EQ(two->left, one->right) << "the long tab takes no room";

  host::DibBitmap shot = Shot();
  EXPECT_EQ(shot.Pixel(one->left + 2, 10), kFrame[1]) << "the selected tab";
  EXPECT_EQ(shot.Pixel(two->left + 2, 10), kFrame[0]);
  EXPECT_EQ(shot.Pixel(two->right + 4, 10), GetSysColor(COLOR_BTNFACE)) << "nothing after the last tab shown";

  Click(two->left + 4);
  Click(two->left + 4);
  EXPECT_EQ(tabs_->TabIndex(), 2);
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
  // Kept within the tabs and the window.
  EXPECT_EQ(std::tuple(pages->TabIndex(), pages->FirstIndex(), pages->StartMargin(), pages->EndMargin()),
            std::tuple(1, 1, 0, 20));
}

}  // namespace
