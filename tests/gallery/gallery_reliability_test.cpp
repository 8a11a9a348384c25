// The gallery skinned and unskinned a hundred times: every control gets its
// skinner each time, gets its own window procedure, style, colour and
// ParentBackground back exactly, and the process ends with the GDI objects
// and windows it had.
#include <gtest/gtest.h>

#include <cxxabi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "form_test_support.h"
#include "gallery/gallery_form.h"
#include "gdi_census.h"
#include "host/app/application.h"
#include "host/gdi/handles.h"
#include "skin/controls/box.h"
#include "skin/controls/skin_control.h"
#include "skin/draw/text.h"
#include "skin/form/engine_messages.h"

using namespace form_test;

namespace {

struct ControlLook {
  std::string name;
  LONG_PTR proc;
  LONG style;
  host::TColor colour;
  std::string parent_background;
  bool operator==(const ControlLook&) const = default;
};

void PrintTo(const ControlLook& l, std::ostream* os) {
  *os << l.name << ": procedure " << l.proc << ", style " << l.style << ", colour " << l.colour
      << ", ParentBackground " << l.parent_background;
}

std::vector<ControlLook> LooksOf(const TGalleryForm& form) {
  std::vector<ControlLook> looks;
  for (host::TComponent* c : form.Components())
    if (auto* control = dynamic_cast<host::TWinControl*>(c); control && control->HandleAllocated()) {
      const HWND w = control->WindowHandle();
      looks.push_back({control->Name(), GetWindowLongPtrW(w, GWLP_WNDPROC), GetWindowLongW(w, GWL_STYLE),
                       control->Color(), skin::GetEnumPropText(control, "ParentBackground")});
    }
  return looks;
}

const skin::TSkinForm* SkinnerOf(const TGalleryForm& form) {
  const skin::TSkinManage* manager = skin::TSkinManage::Instance();
  return manager ? manager->FindSkinForm(form.WindowHandle()) : nullptr;
}

bool Skinned(const TGalleryForm& form) {
  const skin::TSkinForm* skinner = SkinnerOf(form);
  return skinner && skinner->FState == skin::flRunning;
}

using Skinners = std::vector<std::pair<std::string, std::string>>;

// Each control skinner of the form, as (control, skinner class); a skinner
// of a bare child window is named after the host control that holds it.
// Every skinned window answers the skinned query, but for recoloured panels.
Skinners SkinnersOf(const TGalleryForm& form) {
  Skinners out;
  for (const skin::TSkinControl* s : SkinnerOf(form)->FControls) {
    std::string control;
    if (const host::TControl* host_control = s->HostControl()) {
      // A group's own buttons have no names of their own.
      control = host_control->Name().empty() && host_control->Parent()
                    ? host_control->Parent()->Name() + "." + std::string(host_control->ClassName())
                    : host_control->Name();
    } else if (const host::TWinControl* parent = host::TWinControl::FromHandle(GetParent(s->Window()))) {
      control = parent->Name() + "." + skin::GetClassNameText(s->Window());
    }
    char* kind = abi::__cxa_demangle(typeid(*s).name(), nullptr, nullptr, nullptr);
    out.emplace_back(control, kind ? kind : typeid(*s).name());
    std::free(kind);
    // A panel's recolouring skinner takes no messages, so its window does not answer.
    if (s->Window() && !dynamic_cast<const skin::TSkinBox*>(s)) {
      EXPECT_TRUE(skin::IsSkinned(s->Window())) << control;
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

// Windows of this process, children included; overlays of skinned scroll bars among them.
struct Windows {
  int all = 0;
  int overlays = 0;
};

BOOL CALLBACK CountWindow(HWND w, LPARAM out) {
  auto& count = *reinterpret_cast<Windows*>(out);
  ++count.all;
  count.overlays += skin::GetClassNameText(w) == "TWScrollbar";
  return TRUE;
}

BOOL CALLBACK CountProcessWindows(HWND w, LPARAM out) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == GetCurrentProcessId()) {
    CountWindow(w, out);
    EnumChildWindows(w, CountWindow, out);  // every descendant, not only the direct children
  }
  return TRUE;
}

Windows WindowsOfProcess() {
  Windows count;
  EnumWindows(CountProcessWindows, reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(Gallery, SkinnedAndUnskinnedAHundredTimesEveryControlComesBackAsItWas) {
  // Counts every GDI object the program creates, raw or wrapped.
  ASSERT_TRUE(drawtest::InstallGdiCensus());
  host::TApplication& app = host::Application();
  app.Initialize();
  host::RegisterComponentClass(skin::TSkinData::Info());
  TGalleryForm* form = app.CreateForm<TGalleryForm>();
  skin::TSkinData& data = *form->SkinData1;
  data.SetActive(false);
  // The application hands the panel a skinner that gives it the skin's face colour.
  data.OnSkinControl = [](host::TComponent*, skin::TSkinData*, host::TComponent*, host::TComponent* control,
                          std::string_view, host::TComponent*& skinned) {
    if (control->Name() != "SpeedBar") return;
    auto* skinner = new skin::TSkinControl(control);
    skinner->UseSkinColor = true;
    skinned = skinner;
  };
  form->SpeedBar->SetColor(host::clWindow);
  form->Show();
  Pump(300);
  const std::vector<ControlLook> own = LooksOf(*form);
  ASSERT_FALSE(own.empty());
  ASSERT_NE(form->SpeedBar->Color(), data.Elements().Colours.ButtonFace);
  ASSERT_TRUE(form->SpeedBar->ParentBackground());

  const Skinners expected = {
      {"ButtonsPage", "skin::TSkinTabSheet"},   {"CaptionPanel", "skin::TSkinBox"},
      {"CheckChecked", "skin::TSkinCheckBox"},  {"CheckDisabled", "skin::TSkinCheckBox"},
      {"CheckGrayed", "skin::TSkinCheckBox"},   {"CheckLeftText", "skin::TSkinCheckBox"},
      {"CheckUnchecked", "skin::TSkinCheckBox"},
      {"ComboDropDown", "skin::TSkinComBox"},   {"ComboDropDownList", "skin::TSkinComBox"},
      {"ComboSimple", "skin::TSkinComBox"},     {"ComboSimple.ComboLBox", "skin::TSkinScrollbarH"},
      {"ContainersPage", "skin::TSkinTabSheet"}, {"DefaultButton", "skin::TSkinButton"},
      {"DisabledButton", "skin::TSkinButton"},  {"EditBorder", "skin::TSkinEdit"},
      {"EditDisabled", "skin::TSkinEdit"},      {"EditReadOnly", "skin::TSkinEdit"},
      {"GlyphButton", "skin::TSkinBitButton"},  {"GroupBox1", "skin::TSkinGroupBox"},
      {"GroupButton", "skin::TSkinButton"},     {"GroupEdit", "skin::TSkinEdit"},
      {"Header1", "skin::TSkinHeader"},
      {"ListsPage", "skin::TSkinTabSheet"},     {"LongList", "skin::TSkinScrollbar"},
      {"MediaPlayer1", "skin::TSkinMP"},        {"MediaReport", "skin::TSkinBox"},
      {"Memo1", "skin::TSkinScrollbar"},        {"MenuButton1", "skin::TSkinMenuButton"},
      {"Pages", "skin::TSkinTab"},
      {"ProgressEmpty", "skin::TSkinProgress"}, {"ProgressFull", "skin::TSkinProgress"},
      {"ProgressPart", "skin::TSkinProgress"},  {"ProgressRange", "skin::TSkinProgress"},
      {"ProgressVertMore", "skin::TSkinProgress"}, {"ProgressVertPart", "skin::TSkinProgress"},
      {"PushButton", "skin::TSkinButton"},      {"RadioGroup1", "skin::TSkinGroupBox"},
      {"RangesPage", "skin::TSkinTabSheet"},    {"ReportList", "skin::TSkinListView"},
      {"RadioGroup1.TRadioButton", "skin::TSkinRadioButton"},
      {"RadioGroup1.TRadioButton", "skin::TSkinRadioButton"}, {"RadioGroup1.TRadioButton", "skin::TSkinRadioButton"},
      {"ScrollHorz", "skin::TSkinScrollbar"},
      {"ScrollVert", "skin::TSkinScrollbar"},   {"SpeedBar", "skin::TSkinControl"},
      {"SpeedButton1", "skin::TSkinSpeedButton"}, {"SpeedButton2", "skin::TSkinSpeedButton"},
      {"SpeedFlat1", "skin::TSkinSpeedButton"}, {"SpeedFlat2", "skin::TSkinSpeedButton"},
      {"SpeedFlat3", "skin::TSkinSpeedButton"}, {"SpinEdit1", "skin::TSkinEdit"},
      {"StatusBar1", "skin::TSkinStatusBar"},   {"TabSet1", "skin::TSkinTab31"},
      {"TabsBottom", "skin::TSkinTab"},         {"TabsBottom.msctls_updown32", "skin::TSkinUpDown"},
      {"TabsLeft", "skin::TSkinTab"},           {"TextPage", "skin::TSkinTabSheet"},
      {"TrackHorz", "skin::TSkinTrackBar"},     {"TrackVert", "skin::TSkinTrackBar"},
  };

  long gdi_start = 0, user_start = 0;
  Windows windows_start;
  constexpr int kRounds = 100;
  for (int i = 0; i < kRounds; ++i) {
    data.SetActive(true);
    skin::TSkinManage::Instance()->ActionTimer.SetInterval(1);
    ASSERT_TRUE(PumpUntil([&] { return Skinned(*form); })) << i;
    if (i == 0 || i == kRounds - 1) {
      // The spin edit's up-down is found when the edit first paints, on a page not shown.
      Pump(50);
      const Skinners actual = SkinnersOf(*form);
      for (const auto& s : expected)
        EXPECT_NE(std::find(actual.begin(), actual.end(), s), actual.end()) << "round " << i << ": no " << s.second << " on " << s.first;
      for (const auto& s : actual)
        EXPECT_NE(std::find(expected.begin(), expected.end(), s), expected.end()) << "round " << i << ": " << s.second << " on " << s.first;
      EXPECT_EQ(actual.size(), expected.size()) << "round " << i;
      EXPECT_EQ(form->SpeedBar->Color(), data.Elements().Colours.ButtonFace) << i;
      EXPECT_FALSE(form->SpeedBar->ParentBackground()) << i;
      EXPECT_EQ(form->CaptionPanel->Color(), data.Elements().Colours.ButtonFace) << i;
      EXPECT_FALSE(form->CaptionPanel->ParentBackground()) << i;
      // The list's bar, the memo's two, the two scroll-bar controls, the simple combo's list
      // and the report list's bar.
      EXPECT_EQ(WindowsOfProcess().overlays, 7) << i;
    }
    data.SetActive(false);
    skin::TSkinManage::Instance()->ActionTimer.SetInterval(1);
    ASSERT_TRUE(PumpUntil([&] { return skin::TSkinManage::Instance()->SkinForms.empty(); })) << i;
    Pump(5);
    if (i == 0) {
      gdi_start = drawtest::LiveGdiObjects();
      user_start = host::HandleCensus::user;  // icons and menus
      windows_start = WindowsOfProcess();
    }
    if (i == 0 || i == kRounds - 1) {
      const std::vector<ControlLook> now = LooksOf(*form);
      ASSERT_EQ(now.size(), own.size());
      for (std::size_t k = 0; k < own.size(); ++k) EXPECT_EQ(now[k], own[k]) << own[k].name << " round " << i;
    }
  }
  const Windows windows_end = WindowsOfProcess();
  std::printf("GDI objects %ld -> %ld, windows %d -> %d\n", gdi_start, drawtest::LiveGdiObjects(), windows_start.all,
              windows_end.all);
  EXPECT_EQ(drawtest::LiveGdiObjects(), gdi_start);
  EXPECT_EQ(windows_end.all, windows_start.all);
  EXPECT_EQ(windows_end.overlays, 0);
  EXPECT_EQ(host::HandleCensus::user, user_start);
  delete form;
}

}  // namespace
