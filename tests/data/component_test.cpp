// The skin data component: its creation values and published properties, the
// stored skin stream, skin files, and what it asks of the skin manager.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "host/app/application.h"
#include "host/core/error.h"
#include "host/core/properties.h"
#include "launcher/main_form.h"
#include "skin/data/skin_data.h"
#include "skin/manager/skin_manage.h"
#include "skin/store/skin_reader.h"
#include "message_boxes.h"
#include "test_skins.h"
#include "tests/draw/gdi_census.h"
#include "tools/skinpack/lzhuf_encoder.h"

using namespace data_test;
using namespace skin;

namespace {

TestSkin SmallSkin(std::string name = "Small") {
  TestSkin s{"[TitlebarSkin]\nSkinName=" + name + "\n[MenuItem]\nImage=item.bmp\n[Colours]\nButtonFace=1 2 3\n"};
  s.Picture("item.bmp", SolidBmp(40, 20, RGB(7, 7, 7)));
  return s;
}

// A package whose container has another version than the reader's.
Bytes OldPackage() {
  std::string ini = "[TitlebarSkin]\nSkinName=Old\n";
  Bytes container = skinpack::BuildContainer({{"skin.ini", Bytes(ini.begin(), ini.end())}});
  container[0] = 19999 & 0xFF;
  container[1] = 19999 >> 8;
  container[2] = container[3] = 0;
  return skinpack::Compress(container);
}

class Component : public SkinDataTest {
protected:
  TSkinData data{nullptr};
};

TEST_F(Component, CreationValues) {
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_EQ(data.SkinControls(), 0x1FFFFBu);
  EXPECT_EQ(data.SkinControls(), 0x3FFFFFu & ~Bit(xcMenuItem) & ~Bit(xcFastReport));
  EXPECT_EQ(data.Options(), Bit(xoPreview) | Bit(xoToolbarBK));
  EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfMainform);
  EXPECT_EQ(data.Version(), "3.91.01.08");
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_FALSE(data.MenuMerge());
  EXPECT_TRUE(data.SkinMissing());
  EXPECT_TRUE(data.SkinFile().empty());
  EXPECT_EQ(data.SkinStore(), "(none)");
  EXPECT_TRUE(data.Package().empty());
  EXPECT_EQ(TSkinManage::Instance(), nullptr);  // made by the first Loaded
  // The fixed descriptors exist from the start, with empty pictures.
  const SkinElements& e = data.Elements();
  for (const TDataSkinObject* d : std::initializer_list<const TDataSkinObject*>{
           e.FrameLeft.get(), e.FrameRight.get(), e.FrameTop.get(), e.FrameBottom.get(), e.Title.get(), e.Buttons.get()}) {
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->Image.Empty()) << d->Name;
  }
  EXPECT_EQ(e.FrameTop->Name, "Top");
  EXPECT_EQ(e.Buttons->Name, "Buttons");
  EXPECT_EQ(e.Title->Name, "Title");
  EXPECT_EQ(data.MaximizedSize().cx, GetSystemMetrics(SM_CXMAXIMIZED));
}

TEST_F(Component, DefaultSkin3rdHas116RowsWithItsDuplicates) {
  const host::StringList& rows = data.Skin3rd();
  ASSERT_EQ(rows.size(), 116u);
  EXPECT_EQ(rows.front(), "TPngBitBtn=pngbitbtn");
  EXPECT_EQ(rows.back(), "TOVCDBNUMERICFIELD=Edit");
  EXPECT_EQ(rows[46], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(rows[47], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(rows[67], "TLMDFontSizeCombobox=combobox");
  EXPECT_EQ(rows[68], "TLMDFontSizeCombobox=combobox");
  EXPECT_EQ(rows[95], "TWWDBCombobox=Combobox");  // positions 96 and 98, counted from 1
  EXPECT_EQ(rows[97], "TWWDBCombobox=Combobox");
  for (const std::string& row : rows) EXPECT_NE(row.find('='), std::string::npos) << row;
}

TEST_F(Component, Skin3rdIsReplacedAsAWhole) {
  data.SetSkin3rd({"TMine=button"});
  EXPECT_EQ(data.Skin3rd(), (host::StringList{"TMine=button"}));
  TSkinData other{nullptr};
  EXPECT_EQ(other.Skin3rd().size(), 116u);
}

TEST_F(Component, PublishedPropertiesInDeclarationOrder) {
  std::vector<std::string> names;
  for (const host::PropInfo& p : TSkinData::Info().props) names.emplace_back(p.name);
  const std::vector<std::string> published{"Active",       "DisableTag", "SkinControls", "Options",
                                           "Skin3rd",      "SkinFile",   "SkinStore",    "SkinFormtype",
                                           "Version",      "MenuUpdate", "MenuMerge"};
  ASSERT_GE(names.size(), published.size());
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + static_cast<long>(published.size())), published);
  EXPECT_NE(std::find(names.begin(), names.end(), "OnSkinChanged"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), "SkinStream"), names.end());
}

TEST_F(Component, VersionAndSkinStoreIgnoreWrites) {
  EXPECT_TRUE(host::SetPropValue(data, "Version", std::string("1.0")));
  EXPECT_TRUE(host::SetPropValue(data, "SkinStore", std::string("(Good)")));
  EXPECT_EQ(host::GetTextProp(data, "Version"), "3.91.01.08");
  EXPECT_EQ(host::GetTextProp(data, "SkinStore"), "(none)");
}

TEST_F(Component, SetsByPropertyNameUseTheEnumerationMembers) {
  EXPECT_TRUE(host::SetPropValue(data, "SkinControls", host::SetOf{{"xcMainMenu", "xcFastReport"}}));
  EXPECT_EQ(data.SkinControls(), Bit(xcMainMenu) | Bit(xcFastReport));
  EXPECT_TRUE(host::SetPropValue(data, "SkinFormtype", host::Ident{"sfDLL"}));
  EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfDLL);
}

TEST_F(Component, SkinStreamWrittenBackGivesTheSameBytes) {
  const Bytes stream = SmallSkin().Stream();
  data.ReadSkinStream(stream);
  EXPECT_FALSE(data.SkinMissing());
  EXPECT_EQ(data.Elements().SkinName, "Small");
  EXPECT_EQ(data.WriteSkinStream(), stream);
  TSkinData empty{nullptr};
  EXPECT_EQ(empty.WriteSkinStream(), (Bytes{0, 0, 0, 0}));
}

TEST_F(Component, SkinStreamOfWrongLengthIsRefusedWithAClearError) {
  data.ReadSkinStream(SmallSkin().Stream());
  const Bytes before = data.Package();
  Bytes longer = SmallSkin("Other").Stream();
  longer[0] = static_cast<std::uint8_t>(longer[0] + 1);
  try {
    data.ReadSkinStream(longer);
    FAIL() << "a stream whose length does not match was taken";
  } catch (const host::Error& e) {
    EXPECT_NE(std::string(e.what()).find("SkinStream"), std::string::npos) << e.what();
  }
  EXPECT_THROW(data.ReadSkinStream(Bytes{1, 0}), host::Error);
  EXPECT_EQ(data.Package(), before);
  EXPECT_EQ(data.Elements().SkinName, "Small");
}

TEST_F(Component, AnEmptySkinStreamLoadsNothing) {
  data.ReadSkinStream(Bytes{0, 0, 0, 0});
  EXPECT_TRUE(data.SkinMissing());
  EXPECT_TRUE(data.Package().empty());
}

TEST_F(Component, DamagedPackageIsRefusedWithAReasonAndKeepsTheDescriptors) {
  data.ReadSkinStream(SmallSkin().Stream());
  Bytes package = SmallSkin("Damaged").Package();
  for (std::size_t i = 4; i < package.size(); i += 3) package[i] = static_cast<std::uint8_t>(package[i] ^ 0x5A);
  package.resize(package.size() / 2);
  MessageBoxCloser closer;  // damage may read as another container version
  EXPECT_NO_THROW(data.ReadSkinStream(StreamOf(package)));
  EXPECT_TRUE(data.SkinMissing());
  EXPECT_FALSE(data.RefusalReason().empty());
  EXPECT_EQ(data.Package(), package);
  EXPECT_EQ(data.Elements().SkinName, "Small");
  EXPECT_NE(data.Elements().MenuItem, nullptr);
}

TEST_F(Component, OldPackageIsRefusedWithTheNoticeAndKeepsTheSkin) {
  data.ReadSkinStream(SmallSkin().Stream());
  ASSERT_FALSE(data.SkinMissing());
  MessageBoxCloser closer;
  data.ReadSkinStream(StreamOf(OldPackage()));
  EXPECT_TRUE(data.SkinMissing());
  EXPECT_NE(data.RefusalReason().find("19999"), std::string::npos) << data.RefusalReason();
  EXPECT_EQ(closer.Closed(), 1);
  const std::wstring text = closer.Text();
  EXPECT_NE(text.find(L"This is Older Skin File"), std::wstring::npos);
  EXPECT_NE(text.find(L"Please update to new version !"), std::wstring::npos);
  // The earlier skin's descriptors stay.
  EXPECT_EQ(data.Elements().SkinName, "Small");
  EXPECT_NE(data.Elements().MenuItem, nullptr);

  data.Loaded();
  data.SetActive(true);
  EXPECT_EQ(TSkinManage::Instance()->PendingAction, 0);
  EXPECT_FALSE(TSkinManage::Instance()->Active);
}

TEST_F(Component, MissingSkinFileLeavesTheSkinMissingSoActiveDoesNothing) {
  data.ReadSkinStream(SmallSkin().Stream());
  data.Loaded();
  data.SetSkinFile("Z:\\no\\such\\folder\\missing.skn");
  EXPECT_TRUE(data.SkinMissing());
  EXPECT_EQ(data.SkinFile(), "Z:\\no\\such\\folder\\missing.skn");
  data.SetActive(true);
  TSkinManage& manager = *TSkinManage::Instance();
  EXPECT_EQ(manager.PendingAction, 0);
  EXPECT_FALSE(manager.Active);
  EXPECT_EQ(manager.PendingSkinData, nullptr);
}

TEST_F(Component, ActiveAtLoadedWithoutSkinIsSwitchedOff) {
  data.BeginLoading();
  data.SetActive(true);
  data.Loaded();
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(TSkinManage::Instance()->PendingAction, 0);
}

TEST_F(Component, SwitchingActiveRequestsSkinAndUnskin) {
  data.ReadSkinStream(SmallSkin().Stream());
  data.Loaded();
  TSkinManage& manager = *TSkinManage::Instance();
  data.SetActive(true);
  EXPECT_EQ(manager.PendingAction, 1);
  EXPECT_EQ(manager.PendingSkinData, &data);
  EXPECT_EQ(manager.State, 1);
  EXPECT_EQ(manager.ActionTimer.Interval(), 250);
  data.SetActive(false);
  EXPECT_EQ(manager.PendingAction, 2);
}

TEST_F(Component, SkinFileLoadsAndAsksTheManagerToApplyIt) {
  const std::string path = std::string(BRINDLE_TEST_DIR) + "/small.skn";
  {
    const Bytes package = SmallSkin("From file").Package();
    FILE* f = fopen(WindowsPath(path).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(package.data(), 1, package.size(), f);
    fclose(f);
  }
  data.SetSkinFile(WindowsPath(path));
  EXPECT_FALSE(data.SkinMissing()) << data.RefusalReason();
  EXPECT_EQ(data.Elements().SkinName, "From file");
  ASSERT_NE(TSkinManage::Instance(), nullptr);
  EXPECT_EQ(TSkinManage::Instance()->PendingSkinData, &data);
  EXPECT_EQ(TSkinManage::Instance()->PendingAction, 0);  // no skinning is running yet
}

TEST_F(Component, SkinFileStoredWithTheFormIsLoadedBeforeLoaded) {
  const std::string path = std::string(BRINDLE_TEST_DIR) + "/stored.skn";
  {
    const Bytes package = SmallSkin("Stored").Package();
    FILE* f = fopen(WindowsPath(path).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(package.data(), 1, package.size(), f);
    fclose(f);
  }
  data.BeginLoading();
  data.SetActive(true);
  data.SetSkinFile(WindowsPath(path));
  data.Loaded();
  EXPECT_FALSE(data.SkinMissing());
  EXPECT_EQ(data.Elements().SkinName, "Stored");
  EXPECT_TRUE(data.Active());
  EXPECT_EQ(TSkinManage::Instance()->PendingAction, 1);
}

TEST_F(Component, ANewSkinFileWhileSkinningAsksForSkinChanged) {
  const std::string path = std::string(BRINDLE_TEST_DIR) + "/changed.skn";
  {
    const Bytes package = SmallSkin("Changed").Package();
    FILE* f = fopen(WindowsPath(path).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(package.data(), 1, package.size(), f);
    fclose(f);
  }
  data.ReadSkinStream(SmallSkin().Stream());
  data.Loaded();
  data.SetActive(true);
  TSkinManage& manager = *TSkinManage::Instance();
  ASSERT_EQ(manager.State, 1);
  manager.PendingSkinData = nullptr;
  data.SetSkinFile(WindowsPath(path));
  EXPECT_EQ(data.Elements().SkinName, "Changed");
  EXPECT_EQ(manager.PendingAction, 3);
  EXPECT_EQ(manager.PendingSkinData, &data);
  EXPECT_EQ(manager.ActionTimer.Interval(), 250);
}

TEST_F(Component, AComponentForItsOwnFormSkinsAtOnce) {
  data.SetSkinFormtype(TSkinFormType::sfOnlyThisForm);
  data.Loaded();
  TSkinManage& manager = *TSkinManage::Instance();
  EXPECT_TRUE(manager.Active);
  EXPECT_EQ(manager.State, 1);
  EXPECT_EQ(manager.HookHandle, nullptr);  // only the main form's component watches all windows
  EXPECT_EQ(manager.MainSkinData, nullptr);
  // Without a skin the request is only remembered.
  data.SetActive(true);
  EXPECT_EQ(manager.PendingSkinData, &data);
  EXPECT_EQ(manager.PendingAction, 0);
  data.SetActive(false);
  EXPECT_EQ(manager.PendingAction, 2);
}

TEST_F(Component, DialogComponentsLeaveActiveToTheManager) {
  data.ReadSkinStream(SmallSkin().Stream());
  data.SetSkinFormtype(TSkinFormType::sfDialog);
  data.Loaded();
  TSkinManage& manager = *TSkinManage::Instance();
  const int state = manager.State;
  data.SetActive(true);
  EXPECT_TRUE(data.Active());
  EXPECT_EQ(manager.PendingAction, 0);
  EXPECT_EQ(manager.PendingSkinData, nullptr);
  EXPECT_EQ(manager.State, state);
}

TEST_F(Component, LoadedDropsTheMenuKindThatDoesNotApply) {
  data.Loaded();
  EXPECT_EQ(data.SkinControls() & Bit(xcMenuItem), 0u);
  EXPECT_NE(data.SkinControls() & Bit(xcSystemMenu), 0u);

  TSkinData no_main_menu{nullptr};
  no_main_menu.SetSkinControls(Bit(xcMenuItem) | Bit(xcSystemMenu) | Bit(xcButton));
  no_main_menu.Loaded();
  EXPECT_EQ(no_main_menu.SkinControls(), Bit(xcMenuItem) | Bit(xcButton));

  TSkinData with_main_menu{nullptr};
  with_main_menu.SetSkinControls(Bit(xcMainMenu) | Bit(xcMenuItem) | Bit(xcSystemMenu));
  with_main_menu.Loaded();
  EXPECT_EQ(with_main_menu.SkinControls(), Bit(xcMainMenu) | Bit(xcSystemMenu));
  EXPECT_EQ(TSkinManage::Instance()->SkinDatas.size(), 3u);
}

TEST_F(Component, FreeingTheComponentUnregistersIt) {
  {
    TSkinData temporary{nullptr};
    temporary.Loaded();
    EXPECT_EQ(TSkinManage::Instance()->MainSkinData, &temporary);
  }
  EXPECT_TRUE(TSkinManage::Instance()->SkinDatas.empty());
  EXPECT_EQ(TSkinManage::Instance()->MainSkinData, nullptr);
}

TEST_F(Component, FilterFormClassWithoutHandler) {
  bool skin = true;
  data.FilterFormClass("SysMonthCal32", skin);
  EXPECT_FALSE(skin);
  skin = true;
  data.FilterFormClass("SysMonthCal32x", skin);
  EXPECT_TRUE(skin);
  data.FilterFormClass("TfrPreview", skin);
  EXPECT_TRUE(skin);  // only with xcFastReport
  data.SetSkinControls(data.SkinControls() | Bit(xcFastReport));
  data.FilterFormClass("TfrPreview", skin);
  EXPECT_FALSE(skin);
  skin = true;
  data.FilterFormClass("TForm1", skin);
  EXPECT_TRUE(skin);
}

TEST_F(Component, FilterFormClassWithHandlerLeavesTheChoiceToIt) {
  std::string asked;
  data.OnFormSkin = [&](TSkinData* sender, std::string_view name, bool&) {
    EXPECT_EQ(sender, &data);
    asked = name;
  };
  data.SetSkinControls(data.SkinControls() | Bit(xcFastReport));
  bool skin = true;
  data.FilterFormClass("SysMonthCal32", skin);
  EXPECT_TRUE(skin);
  EXPECT_EQ(asked, "SysMonthCal32");
  data.FilterFormClass("TfrPreview", skin);
  EXPECT_TRUE(skin);
  data.OnFormSkin = [](TSkinData*, std::string_view, bool& do_skin) { do_skin = false; };
  data.FilterFormClass("TForm1", skin);
  EXPECT_FALSE(skin);
}

TEST_F(Component, CheckMarksAreFourImagesOf16By16) {
  ASSERT_NE(data.CheckMarkImages(), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(data.CheckMarkImages()), 4);
  int cx = 0, cy = 0;
  ASSERT_TRUE(ImageList_GetIconSize(data.CheckMarkImages(), &cx, &cy));
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);
}

TEST_F(Component, NotifySkinChangedRaisesTheEvent) {
  host::TComponent* sender = nullptr;
  data.NotifySkinChanged();
  data.SetOnSkinChanged([&](host::TComponent* s) { sender = s; });
  data.NotifySkinChanged();
  EXPECT_EQ(sender, &data);
}

class ComponentResources : public SkinDataTest {
protected:
  static void SetUpTestSuite() { ASSERT_TRUE(drawtest::InstallGdiCensus()); }
};

TEST_F(ComponentResources, LoadedTwiceAndFreedLeavesNoGdiObject) {
  {
    TSkinData warm{nullptr};
    warm.ReadSkinStream(SmallSkin().Stream());
    warm.Loaded();
  }
  const long before = drawtest::LiveGdiObjects();
  {
    TSkinData data{nullptr};
    data.ReadSkinStream(SmallSkin().Stream());
    data.Loaded();
    data.Loaded();  // the caption font and application icon are made again
    data.ReadSkinStream(SmallSkin().Stream());
  }
  EXPECT_EQ(drawtest::LiveGdiObjects(), before);
}

class LauncherForm : public SkinDataTest {};

TEST_F(LauncherForm, LoadedRequestsSkinningWithTheStoredSkin) {
  host::Application().Initialize();
  host::RegisterComponentClass(TSkinData::Info());
  host::TComponent owner{nullptr};
  auto* form = new TForm1(&owner);
  form->LoadStoredForm();
  TSkinData& skin = *form->SkinData1;
  if (skin.Package().empty()) GTEST_SKIP() << "the stored form holds no skin (built without BRINDLE_SKINS_DIR)";
  EXPECT_FALSE(skin.SkinMissing());
  EXPECT_TRUE(skin.Active());
  TSkinManage* manager = TSkinManage::Instance();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->PendingAction, 1);
  EXPECT_EQ(manager->ActionTimer.Interval(), 250);
  EXPECT_EQ(manager->State, 0);
  EXPECT_TRUE(manager->Active);  // no window activated yet, so the request switches skinning on
  EXPECT_EQ(manager->MainSkinData, &skin);
  EXPECT_NE(manager->HookHandle, nullptr);
  EXPECT_EQ(skin.SkinControls() & Bit(xcMenuItem), 0u);
  EXPECT_NE(skin.SkinControls() & Bit(xcSystemMenu), 0u);
  EXPECT_EQ(skin.WriteSkinStream().size(), skin.Package().size() + 4);
}

}  // namespace
