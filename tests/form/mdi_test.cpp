// A small MDI program: a main form with its MDI client and two children.
// The children are skinned as they are made; maximising one hands the
// caption back to the system's MDI arrangement, restoring takes it again.
#include <gtest/gtest.h>

#include "form_test_support.h"
#include "host/app/application.h"
#include "host/gdi/handles.h"
#include "skin/form/engine_messages.h"

using namespace form_test;
using namespace skin;

namespace {

class MdiTest : public SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    main_ = std::make_unique<TTestForm>(nullptr, "TMdiMain");
    ASSERT_EQ(host::Application().MainForm(), nullptr);
    host::Application().SetMainForm(main_.get());
    main_->SetFormStyle(host::TFormStyle::fsMDIForm);
    main_->SetBounds(60, 40, 640, 480);
    main_->SetCaption("MDI");
    main_skinner_ = ShowSkinned(*main_);
    for (int i = 0; i < 2; ++i) {
      auto child = std::make_unique<TTestForm>(nullptr, "TMdiChild");
      child->SetFormStyle(host::TFormStyle::fsMDIChild);
      child->SetBounds(10 + 30 * i, 10 + 30 * i, 260, 180);
      child->SetCaption("Child");
      child->Show();
      children_.push_back(std::move(child));
    }
    PumpUntil([&] {
      for (auto& c : children_) {
        TSkinForm* s = Manager().FindSkinForm(c->WindowHandle());
        if (!s || s->FState != flRunning) return false;
      }
      return true;
    });
  }
  void TearDown() override {
    children_.clear();
    main_.reset();
    SkinnedTest::TearDown();
  }
  TSkinForm* ChildSkinner(int i) { return Manager().FindSkinForm(children_[i]->WindowHandle()); }
  // The window's frame is the skinner's: its borders around the client, and a window region.
  static bool SkinFramed(HWND window, const TSkinForm& skinner) {
    const RECT r = WindowRect(window);
    const SIZE client = ClientSize(window);
    host::Region region(CreateRectRgn(0, 0, 0, 0));
    return r.right - r.left == client.cx + skinner.FBorderLeft + skinner.FBorderRight &&
           r.bottom - r.top == client.cy + skinner.FBorderTop + skinner.FBorderBottom &&
           GetWindowRgn(window, region) != ERROR;
  }
  HWND Client() const { return main_->ClientHandle(); }

  std::unique_ptr<TTestForm> main_;
  TSkinForm* main_skinner_ = nullptr;
  std::vector<std::unique_ptr<TTestForm>> children_;
};

TEST_F(MdiTest, TheMainFormAndItsChildrenHaveTheirRoles) {
  ASSERT_TRUE(main_skinner_);
  EXPECT_EQ(main_skinner_->FMDIKind, TMDIKind::MainForm);
  EXPECT_EQ(main_skinner_->FMDIClient, Client());
  EXPECT_EQ(Manager().MDIClient, Client());
  EXPECT_EQ(Manager().MDIForm, main_.get());
  for (int i = 0; i < 2; ++i) {
    TSkinForm* child = ChildSkinner(i);
    ASSERT_TRUE(child) << i;
    EXPECT_EQ(child->FMDIKind, TMDIKind::Child);
    EXPECT_EQ(child->FHostForm, children_[i].get());
    EXPECT_EQ(SendMessageW(children_[i]->WindowHandle(), kSkinnedQuery, 0, 0), 1);
    const RECT r = WindowRect(children_[i]->WindowHandle());
    EXPECT_EQ(r.right - r.left, ClientSize(children_[i]->WindowHandle()).cx + child->FBorderLeft + child->FBorderRight);
  }
  // The client's scroll bars are the skin's business, not the system's.
  SendMessageW(Client(), WM_MDITILE, 0, 0);
  Pump(20);
  EXPECT_EQ(GetWindowLongW(Client(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST_F(MdiTest, MaximisingAChildGivesTheSystemItsCaptionAndRestoringTakesItBack) {
  const HWND child = children_[1]->WindowHandle();
  TSkinForm* skinner = ChildSkinner(1);
  ASSERT_TRUE(skinner);
  ASSERT_FALSE(Manager().MDIMaximized);

  SendMessageW(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  Pump(50);
  EXPECT_EQ(skinner->FWindowState, TWindowState::Maximized);
  BOOL maximized = FALSE;
  SendMessageW(Client(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  EXPECT_TRUE(maximized);
  EXPECT_FALSE(SkinFramed(child, *skinner));

  SendMessageW(Client(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
  Pump(50);
  EXPECT_EQ(skinner->FWindowState, TWindowState::Normal);
  EXPECT_FALSE(IsZoomed(child));
  EXPECT_TRUE(SkinFramed(child, *skinner));
}

TEST_F(MdiTest, SetMDIMaximizedDropsAndReappliesTheChildrensRegions) {
  TSkinForm* skinner = ChildSkinner(0);
  ASSERT_TRUE(skinner);
  const HWND child = children_[0]->WindowHandle();
  host::Region region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(child, region), ERROR);
  Manager().SetMDIMaximized(true);
  EXPECT_EQ(GetWindowRgn(child, region), ERROR);
  Manager().SetMDIMaximized(false);
  EXPECT_NE(GetWindowRgn(child, region), ERROR);
  EXPECT_EQ(skinner->FWindowState, TWindowState::Normal);
}

TEST_F(MdiTest, CascadingEndsTheMaximisedState) {
  SendMessageW(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(children_[0]->WindowHandle()), 0);
  Pump(30);
  Manager().SetMDIMaximized(true);
  SendMessageW(Client(), WM_MDICASCADE, 0, 0);
  Pump(30);
  EXPECT_FALSE(Manager().MDIMaximized);
}

TEST_F(MdiTest, ClosingAChildLeavesItsSkinnerFinal) {
  const HWND child = children_[0]->WindowHandle();
  TSkinForm* skinner = ChildSkinner(0);
  ASSERT_TRUE(skinner);
  SendMessageW(Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(skinner->FState, flGone);
  EXPECT_TRUE(ChildSkinner(1));
}

}  // namespace
