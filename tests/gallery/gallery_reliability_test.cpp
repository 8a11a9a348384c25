// The gallery skinned and unskinned a hundred times: every control gets its
// own window procedure, style, colour and ParentBackground back exactly, and
// the engine gives back every handle it took.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "gallery/gallery_form.h"
#include "host/app/application.h"
#include "host/gdi/handles.h"
#include "skin/controls/skin_control.h"
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

bool Skinned(const TGalleryForm& form) {
  const skin::TSkinManage* manager = skin::TSkinManage::Instance();
  const skin::TSkinForm* skinner = manager ? manager->FindSkinForm(form.WindowHandle()) : nullptr;
  return skinner && skinner->FState == skin::flRunning;
}

TEST(Gallery, SkinnedAndUnskinnedAHundredTimesEveryControlComesBackAsItWas) {
  host::TApplication& app = host::Application();
  app.Initialize();
  host::RegisterComponentClass(skin::TSkinData::Info());
  TGalleryForm* form = app.CreateForm<TGalleryForm>();
  skin::TSkinData& data = *form->SkinData1;
  data.SetActive(false);
  form->Show();
  Pump(300);
  const std::vector<ControlLook> own = LooksOf(*form);
  ASSERT_FALSE(own.empty());

  long gdi_start = 0, user_start = 0;
  constexpr int kRounds = 100;
  for (int i = 0; i < kRounds; ++i) {
    data.SetActive(true);
    skin::TSkinManage::Instance()->ActionTimer.SetInterval(1);
    ASSERT_TRUE(PumpUntil([&] { return Skinned(*form); })) << i;
    if (i == 0) {
      // Skinned, every control that has a skinner answers the query.
      int skinned = 0;
      for (host::TComponent* c : form->Components())
        if (auto* w = dynamic_cast<host::TWinControl*>(c); w && skin::IsSkinned(w->WindowHandle())) ++skinned;
      std::printf("controls skinned: %d of %zu\n", skinned, own.size());
      EXPECT_GT(skinned, 0);
    }
    data.SetActive(false);
    skin::TSkinManage::Instance()->ActionTimer.SetInterval(1);
    ASSERT_TRUE(PumpUntil([&] { return skin::TSkinManage::Instance()->SkinForms.empty(); })) << i;
    Pump(5);
    if (i == 0) {
      gdi_start = host::HandleCensus::gdi;
      user_start = host::HandleCensus::user;
    }
    if (i == 0 || i == kRounds - 1) {
      const std::vector<ControlLook> now = LooksOf(*form);
      ASSERT_EQ(now.size(), own.size());
      for (std::size_t k = 0; k < own.size(); ++k) EXPECT_EQ(now[k], own[k]) << own[k].name << " round " << i;
    }
  }
  std::printf("GDI handles %ld -> %ld, USER handles %ld -> %ld\n", gdi_start, long{host::HandleCensus::gdi}, user_start,
              long{host::HandleCensus::user});
  EXPECT_EQ(host::HandleCensus::gdi, gdi_start);
  EXPECT_EQ(host::HandleCensus::user, user_start);
  delete form;
}

}  // namespace
