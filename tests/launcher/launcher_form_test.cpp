// The launcher's form read from the program's own stored form, its language
// rules and its command line, in process.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "host/app/application.h"
#include "host/core/text.h"
#include "host/stream/form_reader.h"
#include "host/stream/form_writer.h"
#include "launcher/centring.h"
#include "launcher/language.h"
#include "launcher/main_form.h"
#include "launcher/skin_option.h"
#include "launcher/tool_command.h"
#include "message_boxes.h"

using namespace host;

namespace {

class LauncherFormTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application().Initialize();
    RegisterComponentClass(skin::TSkinData::Info());
    form = new TForm1(&owner);
    form->LoadStoredForm();
    form->Handle();
  }
  std::wstring TextOf(TControl* c) {
    wchar_t text[64] = {};
    GetWindowTextW(static_cast<TWinControl*>(c)->WindowHandle(), text, 64);
    return text;
  }
  TComponent owner{nullptr};
  TForm1* form = nullptr;
};

TEST_F(LauncherFormTest, StoredLayout) {
  EXPECT_EQ(form->Caption(), "Brindle Launcher");
  EXPECT_EQ(form->ClientWidth(), 427);
  EXPECT_EQ(form->ClientHeight(), 249);
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsSingle);
  EXPECT_EQ(form->BorderIcons(), biSystemMenu | biMinimize);
  const RECT list = form->ListBox1->BoundsRect();
  EXPECT_EQ(list.left, 8);
  EXPECT_EQ(list.top, 8);
  EXPECT_EQ(list.right - list.left, 409);
  EXPECT_EQ(list.bottom - list.top, 201);
  int left = 8;
  for (TButton* b : {form->Button1, form->Button2, form->Button3, form->Button4}) {
    EXPECT_EQ(b->Left(), left);
    EXPECT_EQ(b->Top(), 216);
    EXPECT_EQ(b->Width(), 97);
    EXPECT_EQ(b->Height(), 25);
    left += 104;
  }
  EXPECT_EQ(form->Button4->Font()->Style(), fsBold);
  EXPECT_EQ(form->Button1->Font()->Style(), 0u);
  EXPECT_EQ(form->Button4->Caption(), "Run");
  EXPECT_EQ(form->OpenDialog1->Filter(), "BSP file (*.bsp)|*.bsp");
  EXPECT_EQ(form->OpenDialog1->Title(), "");
  EXPECT_EQ(form->OpenDialog1->Options(), ofHideReadOnly | ofAllowMultiSelect | ofFileMustExist | ofEnableSizing);
  EXPECT_EQ(form->FileRun1->FileName(), "brindle.exe");
  EXPECT_EQ(form->FileRun1->Operation(), "open");
  EXPECT_EQ(form->FileRun1->ShowCmd(), TShowCmd::scShowNormal);
  EXPECT_EQ(form->FileRun1->Caption(), "&Run...");
  EXPECT_EQ(form->FileRun1->Hint(), "Run|Runs an application");
  EXPECT_EQ(form->FileRun1->Category(), "File");
  EXPECT_FALSE(form->FileRun1->Browse());
  EXPECT_EQ(form->Timer1->Interval(), 1);
}

TEST_F(LauncherFormTest, LanguagesSetTitleFilterAndCaptions) {
  form->ApplyLanguage(1);
  EXPECT_EQ(form->OpenDialog1->Title(), "Відкрити BSP файл");
  EXPECT_EQ(form->OpenDialog1->Filter(), "BSP файл (*.bsp)|*.bsp");
  EXPECT_EQ(TextOf(form->Button1), L"Додати");
  EXPECT_EQ(TextOf(form->Button4), L"Зробити!");
  form->ApplyLanguage(2);
  EXPECT_EQ(TextOf(form->Button2), L"Удалить");
  EXPECT_EQ(TextOf(form->Button3), L"Очистить");
  form->ApplyLanguage(0);
  EXPECT_EQ(TextOf(form->Button4), L"Do it!");
  EXPECT_EQ(form->OpenDialog1->Title(), "Open BSP file");
}

TEST_F(LauncherFormTest, UnknownLanguageChangesNothing) {
  for (int index : {3, -1, 1000}) {
    form->ApplyLanguage(index);
    EXPECT_EQ(TextOf(form->Button4), L"Run");
    EXPECT_EQ(form->OpenDialog1->Title(), "");
  }
}

TEST_F(LauncherFormTest, TimerTickEnablesRunOnlyWithItems) {
  form->Timer1Timer(form->Timer1);
  EXPECT_FALSE(IsWindowEnabled(form->Button4->WindowHandle()));
  form->ListBox1->Add("C:\\a.bsp");
  form->Timer1Timer(form->Timer1);
  EXPECT_TRUE(IsWindowEnabled(form->Button4->WindowHandle()));
  form->Button3Click(form->Button3);
  form->Timer1Timer(form->Timer1);
  EXPECT_FALSE(IsWindowEnabled(form->Button4->WindowHandle()));
}

TEST_F(LauncherFormTest, DeleteRemovesOnlyTheSelection) {
  form->ListBox1->Add("a");
  form->ListBox1->Add("b");
  form->Button2Click(form->Button2);
  EXPECT_EQ(form->ListBox1->Count(), 2);
  form->ListBox1->SetItemIndex(0);
  form->Button2Click(form->Button2);
  EXPECT_EQ(form->ListBox1->Items(), (StringList{"b"}));
}

TEST_F(LauncherFormTest, StoredFormWithItsSkinWritesBackTheSameBytes) {
  ASSERT_FALSE(form->SkinData1->Package().empty()) << "the build stores the default skin in the form";
  EXPECT_FALSE(form->SkinData1->SkinMissing());
  const std::string written = WriteStoredForm(*form);

  auto* again = new TForm1(&owner);
  ReadComponent(*again, ParseStoredForm(written));
  EXPECT_EQ(again->SkinData1->Package(), form->SkinData1->Package());
  EXPECT_EQ(again->SkinData1->WriteSkinStream(), form->SkinData1->WriteSkinStream());
  EXPECT_EQ(WriteStoredForm(*again), written);
}

std::wstring SkinPath(const char* name) {
  std::wstring path = L"Z:" + Widen(BRINDLE_SKINS_DIR) + L"/" + Widen(name);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

TEST_F(LauncherFormTest, SkinFileOptionReplacesTheStoredSkinOnlyWithAGoodPackage) {
  const auto stored = form->SkinData1->Package();
  const std::wstring junk = SkinPath("junk.skn");
  std::ofstream(junk.c_str(), std::ios::binary) << "not a skin package at all";
  for (const std::wstring& bad : {std::wstring(L"C:\\no such folder\\none.skn"), junk}) {
    data_test::MessageBoxCloser closer;
    EXPECT_FALSE(TrySkinFile(*form->SkinData1, bad));
    EXPECT_EQ(closer.Closed(), 1);
    EXPECT_EQ(closer.Text().find(L"The skin " + bad + L" was not loaded:\n"), 0u) << Narrow(closer.Text());
    EXPECT_EQ(form->SkinData1->Package(), stored);
    EXPECT_FALSE(form->SkinData1->SkinMissing());
  }
  DeleteFileW(junk.c_str());

  ASSERT_TRUE(TrySkinFile(*form->SkinData1, SkinPath("dark.skn")));
  EXPECT_NE(form->SkinData1->Package(), stored);
  EXPECT_FALSE(form->SkinData1->SkinMissing());
  EXPECT_EQ(form->SkinData1->SkinFile(), Narrow(SkinPath("dark.skn")));
}

TEST(ToolParameters, QuotedFilesThenO) {
  EXPECT_EQ(ToolParameters({}), "-o");
  EXPECT_EQ(ToolParameters({"C:\\a.bsp"}), "-f \"C:\\a.bsp\" -o");
  EXPECT_EQ(ToolParameters({"C:\\a.bsp", "D:\\b c.bsp"}), "-f \"C:\\a.bsp\" -f \"D:\\b c.bsp\" -o");
  EXPECT_EQ(ToolParameters({"x", "x"}), "-f \"x\" -f \"x\" -o");
}

TEST(Centring, HalvesRoundToEven) {
  EXPECT_EQ(HalfToEven(1024), 512);
  EXPECT_EQ(HalfToEven(427), 214);  // 213.5
  EXPECT_EQ(HalfToEven(429), 214);  // 214.5
  EXPECT_EQ(HalfToEven(1), 0);      // 0.5
  EXPECT_EQ(HalfToEven(3), 2);      // 1.5
  EXPECT_EQ(CentredOrigin(1024, 427), 298);
  EXPECT_EQ(CentredOrigin(768, 283), 384 - 142);
  EXPECT_EQ(CentredOrigin(800, 1001), 400 - 500);  // wider than the screen: starts left of it
}

TEST(PathHelpers, ExtensionsFoldersAndNames) {
  EXPECT_EQ(ChangeFileExt("C:\\Games\\BrindleLauncher.exe", ".def"), "C:\\Games\\BrindleLauncher.def");
  EXPECT_EQ(ChangeFileExt("C:\\my.games\\launcher", ".ini"), "C:\\my.games\\launcher.ini");
  EXPECT_EQ(ExtractFilePath("C:\\Games\\x.exe"), "C:\\Games\\");
  EXPECT_EQ(ExtractFileName("C:\\Games\\x.exe"), "x.exe");
  EXPECT_EQ(ExtractFilePath("x.exe"), "");
}

class LanguageSourceTest : public ::testing::Test {
protected:
  void SetUp() override {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    dir = Narrow(tmp) + "brindle-lang-test\\";
    CreateDirectoryW(Widen(dir).c_str(), nullptr);
    exe = dir + "Launch.exe";
  }
  void TearDown() override {
    for (const char* f : {"Launch.def", "Brindle.ini", "Launch.ini", "custom.ini"}) DeleteFileW(Widen(dir + f).c_str());
    RemoveDirectoryW(Widen(dir).c_str());
  }
  void Write(const std::string& name, const std::string& text) { std::ofstream(Widen(dir + name).c_str()) << text; }
  std::string dir, exe;
};

TEST_F(LanguageSourceTest, DefaultsWithoutADefinitionFile) {
  const LanguageSource s = FindLanguageSource(exe);
  EXPECT_EQ(s.file, dir + "Brindle.ini");
  EXPECT_EQ(s.section, "General");
  EXPECT_EQ(s.key, "Language");
  EXPECT_EQ(ReadLanguageIndex(exe), 0);
}

TEST_F(LanguageSourceTest, EnabledCustomFileWithAndWithoutItsKeys) {
  Write("Launch.def", "[LanguageCustomFile]\nEnabled=1\n");
  EXPECT_EQ(FindLanguageSource(exe).file, dir + "Launch.ini");
  Write("Launch.ini", "[General]\nLanguage=2\n");
  EXPECT_EQ(ReadLanguageIndex(exe), 2);

  Write("Launch.def", "[LanguageCustomFile]\nEnabled=0x1\nName=custom.ini\nSection=Lang\nEntry=Index\n");
  Write("custom.ini", "[Lang]\nIndex=1\n");
  EXPECT_EQ(ReadLanguageIndex(exe), 1);

  Write("Launch.def", "[LanguageCustomFile]\nEnabled=0\nName=custom.ini\n");  // names ignored when not enabled
  Write("Brindle.ini", "[General]\nLanguage=0x2\n");
  EXPECT_EQ(ReadLanguageIndex(exe), 2);
}

}  // namespace
