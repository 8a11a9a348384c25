// The skin manager's hook and window filter: which windows get a form
// skinner, which skin data component each one uses, and that none is skinned
// twice or kept after its window is gone.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <thread>

#include "form_test_support.h"
#include "host/app/application.h"
#include "host/core/text.h"
#include "host/dialogs/message_form.h"
#include "skin/form/engine_messages.h"

using namespace form_test;
using namespace skin;

namespace {

using ManagerTest = SkinnedTest;

TEST_F(ManagerTest, AnActivatedFormGetsOneSkinnerAndAnswersTheSkinnedQuery) {
  auto form = MakeForm(100, 100, 300, 200);
  TSkinForm* skinner = ShowSkinned(*form);
  ASSERT_TRUE(skinner);
  EXPECT_EQ(skinner->FHostForm, form.get());
  EXPECT_EQ(skinner->FSkinData, data_.get());
  EXPECT_EQ(SendMessageW(form->WindowHandle(), kSkinnedQuery, 0, 0), 1);
  EXPECT_NE(Manager().State, 0);

  auto other = MakeForm(150, 150, 200, 100);
  ShowSkinned(*other);
  SetActiveWindow(form->WindowHandle());
  SetActiveWindow(other->WindowHandle());
  SetActiveWindow(form->WindowHandle());
  Pump(50);
  EXPECT_EQ(Manager().SkinForms.size(), 2u);
  EXPECT_FALSE(Manager().SkinWindow(form->WindowHandle()));
}

TEST_F(ManagerTest, TheSkinnedQueryIsAnsweredInEveryLifeState) {
  auto form = MakeForm(100, 100, 300, 200);
  form->Show();
  TSkinForm* skinner = Manager().FindSkinForm(form->WindowHandle());
  ASSERT_TRUE(skinner);
  ASSERT_EQ(skinner->FState, flCreated);
  // Every message the window handles asks the question again, in whatever
  // state the skinner then is: the first fitting inside skin-now, a re-skin,
  // the window's destruction.
  std::map<int, std::set<LRESULT>> answers;
  bool asking = false;
  form->WindowProc = [&, old = form->WindowProc](host::TMessage& m) {
    if (!asking && m.Msg != kSkinnedQuery) {
      asking = true;
      answers[skinner->FState].insert(SendMessageW(form->WindowHandle(), kSkinnedQuery, 0, 0));
      asking = false;
    }
    old(m);
  };
  EXPECT_EQ(SendMessageW(form->WindowHandle(), kSkinnedQuery, 0, 0), 1);
  PumpUntil([&] { return skinner->FState == flRunning; });
  Manager().PendingSkinData = data_.get();
  Manager().RequestAction(3, 10);
  EXPECT_TRUE(PumpUntil([&] { return answers.count(flReskinning) > 0 && skinner->FState == flRunning; }));
  DestroyWindow(form->WindowHandle());
  for (const int state : {flCreated, flFirstFit, flRunning, flReskinning})
    EXPECT_EQ(answers[state], std::set<LRESULT>{1}) << "state " << state;
}

TEST_F(ManagerTest, AWindowGoneBeforeSkinNowEndsFinalAndIsPurged) {
  auto form = MakeForm(100, 100, 300, 200);
  form->Show();
  const HWND window = form->WindowHandle();
  TSkinForm* skinner = Manager().FindSkinForm(window);
  ASSERT_TRUE(skinner);
  ASSERT_EQ(skinner->FState, flCreated);
  DestroyWindow(window);
  EXPECT_EQ(skinner->FState, flGone);
  EXPECT_EQ(Manager().FindSkinForm(window), skinner);

  auto next = MakeForm(120, 120, 200, 100);
  ShowSkinned(*next);
  EXPECT_EQ(Manager().FindSkinForm(window), nullptr);
  EXPECT_EQ(Manager().SkinForms.size(), 1u);
}

TEST_F(ManagerTest, FormsThatKeepTheSystemLook) {
  data_->SetOptions(data_->Options() & ~Bit(xoPreview));
  auto tagged = MakeForm(100, 100, 200, 100);
  tagged->SetTag(99);
  tagged->Show();
  Pump(30);
  EXPECT_EQ(Manager().FindSkinForm(tagged->WindowHandle()), nullptr);
  EXPECT_NE(SendMessageW(tagged->WindowHandle(), kSkinnedQuery, 0, 0), 1);

  for (const char* name : {"TApplication", "TPrintPreview", "TcxPopupEditPopupWindowX"}) {
    TTestForm form(nullptr, name);
    form.SetClientWidth(100);
    form.SetClientHeight(50);
    form.Show();
    Pump(20);
    EXPECT_EQ(Manager().FindSkinForm(form.WindowHandle()), nullptr) << name;
  }
}

TEST_F(ManagerTest, PreviewFormsAreSkinnedWhenTheOptionsAllowThem) {
  data_->SetOptions(data_->Options() | Bit(xoPreview));
  TTestForm form(nullptr, "TPrintPreview");
  form.SetClientWidth(100);
  form.SetClientHeight(50);
  EXPECT_TRUE(ShowSkinned(form));
}

TEST_F(ManagerTest, ZeroSizedAndChildWindowsAreNotSkinnedAsForms) {
  auto form = MakeForm(100, 100, 300, 200);
  ShowSkinned(*form);
  HWND child = CreateWindowExW(0, L"BUTTON", L"child", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, form->WindowHandle(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_FALSE(Manager().SkinWindow(child));
  Manager().SkinningAll = true;
  EXPECT_TRUE(Manager().SkinWindow(child));  // the skin action walks forms that sit in other windows
  Manager().SkinningAll = false;

  HWND empty = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_FALSE(Manager().SkinWindow(empty));
  DestroyWindow(empty);
}

TEST_F(ManagerTest, WindowsOfOtherModulesAreLeftAlone) {
  // The desktop's and the shell's windows are no business of this program's.
  EXPECT_FALSE(Manager().SkinWindow(GetDesktopWindow()));
}

TEST_F(ManagerTest, SystemDialogsAndMessageFormsTakeTheDialogComponent) {
  auto form = MakeForm(100, 100, 300, 200);
  EXPECT_EQ(Manager().ChooseSkinData(nullptr, "#32770"), data_.get());
  auto dialog_data = MakeSkinData(DefaultSkinPackage(), TSkinFormType::sfDialog);
  EXPECT_EQ(Manager().ChooseSkinData(nullptr, "#32770"), dialog_data.get());
  EXPECT_EQ(Manager().ChooseSkinData(nullptr, "TMessageForm"), dialog_data.get());
  EXPECT_EQ(Manager().ChooseSkinData(nullptr, "TTestForm"), data_.get());
  EXPECT_EQ(Manager().MainSkinData, data_.get());
}

TEST_F(ManagerTest, WithoutAComponentNothingIsSkinned) {
  data_.reset();
  ASSERT_TRUE(Manager().SkinDatas.empty());
  auto form = MakeForm(100, 100, 200, 100);
  form->Show();
  Pump(30);
  EXPECT_TRUE(Manager().SkinForms.empty());
}

// Closes the first window of the class this process shows, after asking it
// the skinned query from another thread.
class WindowCloser {
public:
  explicit WindowCloser(const wchar_t* class_name) : thread_([this, class_name] { Run(class_name); }) {}
  ~WindowCloser() { thread_.join(); }
  LRESULT Answer() const { return answer_; }

private:
  void Run(const wchar_t* class_name) {
    for (int i = 0; i < 600; ++i, Sleep(10)) {
      const HWND w = FindProcessWindow(class_name);
      if (!w) continue;
      Sleep(100);  // the skinner is attached at activation, skin-now follows
      answer_ = SendMessageW(w, kSkinnedQuery, 0, 0);
      PostMessageW(w, WM_CLOSE, 0, 0);
      PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
      return;
    }
  }

  std::atomic<LRESULT> answer_{0};
  std::thread thread_;
};

TEST_F(ManagerTest, AMessageBoxGetsABareSkinner) {
  auto form = MakeForm(100, 100, 300, 200);
  ShowSkinned(*form);
  LRESULT answer = 0;
  {
    WindowCloser closer(L"#32770");
    MessageBoxW(form->WindowHandle(), L"Skinned?", L"Brindle", MB_OK);
    answer = closer.Answer();
  }
  EXPECT_EQ(answer, 1);
}

TEST_F(ManagerTest, AMessageFormIsSkinnedAsADialogAndWidenedToItsCaption) {
  auto form = MakeForm(100, 100, 300, 200);
  ShowSkinned(*form);
  const std::string caption = "A caption far wider than the two words of its message text";
  host::TMessageForm message(nullptr, "Two words", caption);
  message.Handle();
  const int os_width = WindowRect(message.WindowHandle()).right - WindowRect(message.WindowHandle()).left;
  const HWND ok = FindWindowExW(message.WindowHandle(), nullptr, L"Button", nullptr);
  RECT ok_before = WindowRect(ok);
  MapWindowPoints(HWND_DESKTOP, message.WindowHandle(), reinterpret_cast<POINT*>(&ok_before), 2);
  const int client_width_before = ClientSize(message.WindowHandle()).cx;

  TSkinForm* skinner = ShowSkinned(message);
  ASSERT_TRUE(skinner);
  EXPECT_TRUE(skinner->FIsDialog);
  EXPECT_EQ(skinner->FBorderKind, TBorderKind::Dialog);
  const TDataSkinTitle& title = *data_->Elements().Title;
  const int width = WindowRect(message.WindowHandle()).right - WindowRect(message.WindowHandle()).left;
  EXPECT_GT(width, os_width);
  EXPECT_EQ(width, title.LeftWidth + skinner->FCaptionTextWidth + title.RightWidth);
  RECT ok_after = WindowRect(ok);
  MapWindowPoints(HWND_DESKTOP, message.WindowHandle(), reinterpret_cast<POINT*>(&ok_after), 2);
  const int widening = (width - skinner->FBorderLeft - skinner->FBorderRight) - client_width_before;
  EXPECT_EQ(ok_after.left - ok_before.left, widening / 2);

  // Wide enough that the caption shows whole, without an ellipsis.
  const host::MemoryDc dc(CreateCompatibleDC(nullptr));
  const host::Selection font(dc, data_->CaptionFont());
  const std::wstring drawn = L"  " + host::Widen(caption) + L" ";
  SIZE extent{};
  GetTextExtentPoint32W(dc, drawn.c_str(), static_cast<int>(drawn.size()), &extent);
  ASSERT_GT(skinner->FCaptionTextRect.right, 0);
  EXPECT_GE(skinner->FCaptionTextRect.right - skinner->FCaptionTextRect.left - title.TextBackLeft - title.TextBackRight,
            extent.cx);
}

TEST_F(ManagerTest, TheMessageDialogOfTheFrameworkIsSkinned) {
  auto form = MakeForm(100, 100, 300, 200);
  ShowSkinned(*form);
  LRESULT answer = 0;
  {
    WindowCloser closer(L"TMessageForm");
    host::MessageDlg("Skinned?", "Brindle");
    answer = closer.Answer();
  }
  EXPECT_EQ(answer, 1);
}

// Notes, while the menu is open, what the manager thinks of its window, then closes it.
struct MenuProbe {
  static inline bool skinned = false;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup || !IsWindowVisible(popup)) return;
    KillTimer(nullptr, id);
    skinned = TSkinManage::Instance()->IsPopupSkinned(popup) && SendMessageW(popup, kSkinnedQuery, 0, 0) == 1;
    EndMenu();
  }
};

bool OpenAndCloseMenu(HWND owner) {
  host::Menu menu(CreatePopupMenu());
  AppendMenuW(menu, MF_STRING, 1, L"One");
  AppendMenuW(menu, MF_STRING, 2, L"Two");
  MenuProbe::skinned = false;
  SetTimer(nullptr, 0, 20, &MenuProbe::Tick);
  TrackPopupMenu(menu, TPM_RETURNCMD, 200, 200, 0, owner, nullptr);
  return MenuProbe::skinned;
}

TEST_F(ManagerTest, PopupMenusAreTrackedWhileTheyAreOpen) {
  auto form = MakeForm(100, 100, 300, 200);
  ShowSkinned(*form);
  EXPECT_TRUE(OpenAndCloseMenu(form->WindowHandle()));
  Pump(20);
  EXPECT_TRUE(Manager().PopupMenus.empty());
  EXPECT_EQ(Manager().PopupOrigin, 0);  // the next popup counts as a plain one again

  // A plain popup needs popup menus switched on in the component.
  data_->SetSkinControls(data_->SkinControls() & ~Bit(xcPopupMenu));
  EXPECT_FALSE(OpenAndCloseMenu(form->WindowHandle()));
  Pump(20);
  EXPECT_TRUE(Manager().PopupMenus.empty());
  EXPECT_EQ(Manager().PopupOrigin, 0);
}

}  // namespace
