#include "gallery/gallery_form.h"

#include <algorithm>
#include <string>
#include <utility>

#include "host/core/error.h"
#include "host/core/text.h"
#include "host/dialogs/message_form.h"
#include "host/graphics/dib_bitmap.h"
#include "host/stream/bind.h"
#include "launcher/skin_option.h"

namespace {

constexpr int kRecentSkins = 4;

// The menu's pictures, drawn here so that the gallery needs no files: an
// open folder, an information mark and a star, on the magenta mask colour.
void DrawMenuImage(HDC dc, int index) {
  const RECT all{0, 0, 16, 16};
  const host::Brush mask(CreateSolidBrush(RGB(255, 0, 255)));
  FillRect(dc, &all, mask);
  const COLORREF colours[] = {RGB(214, 170, 40), RGB(30, 90, 200), RGB(200, 60, 40)};
  const host::Brush brush(CreateSolidBrush(colours[index]));
  const host::Pen pen(CreatePen(PS_SOLID, 1, RGB(40, 40, 40)));
  const host::Selection keep_brush(dc, brush), keep_pen(dc, pen);
  switch (index) {
    case 0: {
      const POINT folder[] = {{1, 4}, {6, 4}, {7, 6}, {14, 6}, {14, 13}, {1, 13}};
      Polygon(dc, folder, 6);
      break;
    }
    case 1:
      Ellipse(dc, 1, 1, 15, 15);
      break;
    default: {
      const POINT star[] = {{8, 1}, {10, 6}, {15, 6}, {11, 9}, {13, 15}, {8, 11}, {3, 15}, {5, 9}, {1, 6}, {6, 6}};
      Polygon(dc, star, 10);
    }
  }
}

}  // namespace

const host::ClassInfo& TGalleryForm::Info() {
  static const host::ClassInfo info{"TGalleryForm", &TForm::Info(), {}};
  return info;
}

host::NotifyEvent TGalleryForm::FindMethod(std::string_view name) {
  using Handler = void (TGalleryForm::*)(host::TComponent*);
  static constexpr std::pair<std::string_view, Handler> kHandlers[] = {
      {"PushClick", &TGalleryForm::PushClick},         {"OpenSkinClick", &TGalleryForm::OpenSkinClick},
      {"SkinningClick", &TGalleryForm::SkinningClick},
      {"ExitClick", &TGalleryForm::ExitClick},         {"ShowListClick", &TGalleryForm::ShowListClick},
      {"TitleClick", &TGalleryForm::TitleClick},       {"SkinInfoClick", &TGalleryForm::SkinInfoClick},
      {"AboutClick", &TGalleryForm::AboutClick},       {"FirstLineClick", &TGalleryForm::FirstLineClick},
      {"LastLineClick", &TGalleryForm::LastLineClick}, {"FindClick", &TGalleryForm::FindClick},
      {"FindNextClick", &TGalleryForm::FindNextClick}, {"FontClick", &TGalleryForm::FontClick},
      {"MessageBoxClick", &TGalleryForm::MessageBoxClick},
      {"SimpleStatusClick", &TGalleryForm::SimpleStatusClick}, {"TabSetChange", &TGalleryForm::TabSetChange},
      {"MediaClick", &TGalleryForm::MediaClick},
  };
  for (const auto& [handler_name, handler] : kHandlers)
    if (handler_name == name) return [this, handler](host::TComponent* sender) { (this->*handler)(sender); };
  return nullptr;
}

void TGalleryForm::Loaded() {
  TForm::Loaded();
  Pages = host::Bind<host::TPageControl>(*this, "Pages");
  PushButton = host::Bind<host::TButton>(*this, "PushButton");
  DefaultButton = host::Bind<host::TButton>(*this, "DefaultButton");
  DisabledButton = host::Bind<host::TButton>(*this, "DisabledButton");
  GlyphButton = host::Bind<host::TBitBtn>(*this, "GlyphButton");
  MenuButton1 = host::Bind<host::TMenuButton>(*this, "MenuButton1");
  MenuButtonMenu = host::Bind<host::TPopupMenu>(*this, "MenuButtonMenu");
  SpeedBar = host::Bind<host::TPanel>(*this, "SpeedBar");
  SpeedFlat1 = host::Bind<host::TSpeedButton>(*this, "SpeedFlat1");
  SpeedFlat2 = host::Bind<host::TSpeedButton>(*this, "SpeedFlat2");
  SpeedFlat3 = host::Bind<host::TSpeedButton>(*this, "SpeedFlat3");
  SpeedButton1 = host::Bind<host::TSpeedButton>(*this, "SpeedButton1");
  SpeedButton2 = host::Bind<host::TSpeedButton>(*this, "SpeedButton2");
  EditBorder = host::Bind<host::TEdit>(*this, "EditBorder");
  EditNoBorder = host::Bind<host::TEdit>(*this, "EditNoBorder");
  EditReadOnly = host::Bind<host::TEdit>(*this, "EditReadOnly");
  EditDisabled = host::Bind<host::TEdit>(*this, "EditDisabled");
  SpinEdit1 = host::Bind<host::TSpinEdit>(*this, "SpinEdit1");
  Memo1 = host::Bind<host::TMemo>(*this, "Memo1");
  ComboSimple = host::Bind<host::TComboBox>(*this, "ComboSimple");
  ComboDropDown = host::Bind<host::TComboBox>(*this, "ComboDropDown");
  ComboDropDownList = host::Bind<host::TComboBox>(*this, "ComboDropDownList");
  LongList = host::Bind<host::TListBox>(*this, "LongList");
  ReportList = host::Bind<host::TListView>(*this, "ReportList");
  Header1 = host::Bind<host::THeaderControl>(*this, "Header1");
  ScrollHorz = host::Bind<host::TScrollBar>(*this, "ScrollHorz");
  ScrollVert = host::Bind<host::TScrollBar>(*this, "ScrollVert");
  GroupBox1 = host::Bind<host::TGroupBox>(*this, "GroupBox1");
  GroupEdit = host::Bind<host::TEdit>(*this, "GroupEdit");
  CaptionPanel = host::Bind<host::TPanel>(*this, "CaptionPanel");
  TabsBottom = host::Bind<host::TTabControl>(*this, "TabsBottom");
  TabsLeft = host::Bind<host::TTabControl>(*this, "TabsLeft");
  TabSet1 = host::Bind<host::TTabSet>(*this, "TabSet1");
  MediaPlayer1 = host::Bind<host::TMediaPlayer>(*this, "MediaPlayer1");
  MediaReport = host::Bind<host::TPanel>(*this, "MediaReport");
  StatusBar1 = host::Bind<host::TStatusBar>(*this, "StatusBar1");
  SkinData1 = host::Bind<skin::TSkinData>(*this, "SkinData1");
  MainMenu1 = host::Bind<host::TMainMenu>(*this, "MainMenu1");
  ListMenu = host::Bind<host::TPopupMenu>(*this, "ListMenu");
  MenuImages = host::Bind<host::TImageList>(*this, "MenuImages");
  OpenSkinDialog = host::Bind<host::TOpenDialog>(*this, "OpenSkinDialog");
  FindDialog1 = host::Bind<host::TFindDialog>(*this, "FindDialog1");
  FontDialog1 = host::Bind<host::TFontDialog>(*this, "FontDialog1");
  MakeMenuImages();
  for (const char* choice : {"First choice", "Second choice", "Third choice"}) MenuButtonMenu->Add(choice);
  host::StringList lines;
  for (int i = 1; i <= kListLines; ++i) lines.push_back("List line " + std::to_string(i));
  LongList->SetItems(lines);
  static constexpr const char* kKinds[] = {"Arena", "Capture the flag", "Duel"};
  for (int i = 1; i <= kReportRows; ++i)
    ReportList->AddItem("map" + std::to_string(i) + ".bsp", {std::to_string(40 + i * 7) + " KB", kKinds[i % 3]}, i % 3);
}

// The panel below says which sheet the tab set chose.
void TGalleryForm::TabSetChange(host::TComponent*) {
  const int index = TabSet1->TabIndex();
  if (index >= 0 && index < static_cast<int>(TabSet1->Tabs().size()))
    CaptionPanel->SetCaption("Tab set: " + TabSet1->Tabs()[static_cast<size_t>(index)]);
}

// The panel below the media player counts the clicks of each of its buttons.
void TGalleryForm::MediaClick(host::TComponent*) {
  static constexpr const char* kNames[] = {"Play", "Pause", "Stop", "Next", "Previous", "Step", "Back", "Record", "Eject"};
  const int button = MediaPlayer1->ClickedButton();
  const int clicks = ++media_clicks_[button];
  MediaReport->SetCaption(std::string(kNames[button]) + " clicked " + std::to_string(clicks) +
                          (clicks == 1 ? " time" : " times"));
}

void TGalleryForm::WndProc(host::TMessage& m) {
  TForm::WndProc(m);
  if (m.Msg == WM_SIZE && Pages) FitPages();
}

void TGalleryForm::FitPages() {
  RECT client;
  GetClientRect(WindowHandle(), &client);
  int bottom = client.bottom;
  if (StatusBar1->HandleAllocated() && IsWindowVisible(StatusBar1->WindowHandle())) {
    RECT bar;
    GetWindowRect(StatusBar1->WindowHandle(), &bar);
    bottom -= bar.bottom - bar.top;
  }
  Pages->SetBounds(0, 0, client.right, std::max(bottom, 0));
}

void TGalleryForm::MakeMenuImages() {
  for (int i = 0; i < 3; ++i) {
    host::DibBitmap picture(16, 16);
    DrawMenuImage(picture.Dc(), i);
    const host::Bitmap copy(static_cast<HBITMAP>(CopyImage(picture.Handle(), IMAGE_BITMAP, 0, 0, 0)));
    MenuImages->AddMasked(copy, RGB(255, 0, 255));
  }
}

void TGalleryForm::OpenSkin(const std::string& path) {
  if (!TrySkinFile(*SkinData1, host::Widen(path))) return;
  auto* recent = host::Bind<host::TMenuItem>(*this, "RecentMenu");
  host::Bind<host::TMenuItem>(*this, "RecentNone")->SetVisible(false);
  host::TMenuItem* item = nullptr;
  for (int i = 0; i < recent->Count() && !item; ++i)
    if (recent->Items(i).Caption() == path) item = &recent->Items(i);
  if (!item) {
    item = &recent->Add(path);
    item->OnClick = [this](host::TComponent* sender) { OpenSkin(static_cast<host::TMenuItem*>(sender)->Caption()); };
  }
  // The newest first; an item chosen again moves up (it may be the one whose click runs now).
  recent->Remove(*item);
  recent->Insert(0, *item);
  // The "(none)" item stays at the end, hidden.
  while (recent->Count() > kRecentSkins + 1) delete &recent->Items(recent->Count() - 2);
  ShowTitle();
}

// A message box is a window of the system's that the skin reaches too.
void TGalleryForm::PushClick(host::TComponent*) { host::MessageDlg("You pressed the push button.", "Push"); }

void TGalleryForm::OpenSkinClick(host::TComponent*) {
  if (OpenSkinDialog->Execute() && !OpenSkinDialog->Files().empty()) OpenSkin(OpenSkinDialog->Files().front());
}

void TGalleryForm::SkinningClick(host::TComponent*) {
  SkinData1->SetActive(!SkinData1->Active());
  ShowSkinning();
}

void TGalleryForm::ShowSkinning() {
  const bool on = SkinData1->Active();
  host::Bind<host::TMenuItem>(*this, "SkinningItem")->SetChecked(on);
  host::Bind<host::TMenuItem>(*this, "ListSkinningItem")->SetChecked(on);
}

void TGalleryForm::ExitClick(host::TComponent*) { Close(); }

void TGalleryForm::ShowListClick(host::TComponent* sender) {
  auto* item = static_cast<host::TMenuItem*>(sender);
  item->SetChecked(!item->Checked());
  LongList->SetVisible(item->Checked());
}

void TGalleryForm::SimpleStatusClick(host::TComponent* sender) {
  auto* item = static_cast<host::TMenuItem*>(sender);
  item->SetChecked(!item->Checked());
  StatusBar1->SetSimplePanel(item->Checked());
}

void TGalleryForm::TitleClick(host::TComponent* sender) {
  static_cast<host::TMenuItem*>(sender)->SetChecked(true);
  ShowTitle();
}

void TGalleryForm::ShowTitle() {
  const bool skin_name = host::Bind<host::TMenuItem>(*this, "TitleSkinItem")->Checked();
  const std::string name = SkinData1->Elements().SkinName;
  SetCaption(skin_name && !name.empty() ? "Brindle Control Gallery - " + name : "Brindle Control Gallery");
}

void TGalleryForm::SkinInfoClick(host::TComponent*) {
  const std::string file = SkinData1->SkinFile();
  host::MessageDlg("Skin: " + SkinData1->Elements().SkinName + "\nFile: " + (file.empty() ? "(stored in the program)" : file),
                   "Skin information");
}

void TGalleryForm::AboutClick(host::TComponent*) {
  host::MessageDlg("Brindle Control Gallery\nEvery control and menu kind the skin engine draws.", "About the gallery");
}

void TGalleryForm::FirstLineClick(host::TComponent*) { LongList->SetItemIndex(0); }

void TGalleryForm::LastLineClick(host::TComponent*) { LongList->SetItemIndex(kListLines - 1); }

// The system's own dialogs, with their bare check boxes, radio buttons and
// buttons, for skin authors to see their skin on.
void TGalleryForm::FindClick(host::TComponent*) { FindDialog1->Execute(); }

// Selects the next place in the memo that holds the text, ignoring case.
void TGalleryForm::FindNextClick(host::TComponent*) {
  const std::wstring wanted = host::Widen(host::LowerCase(FindDialog1->Text()));
  HWND memo = Memo1->Handle();
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(memo)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(memo, text.data(), static_cast<int>(text.size()))));
  CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  DWORD from = 0;
  SendMessageW(memo, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&from));
  const std::size_t at = wanted.empty() ? std::wstring::npos : text.find(wanted, from);
  if (at == std::wstring::npos) {
    MessageBeep(MB_OK);
    return;
  }
  SendMessageW(memo, EM_SETSEL, at, at + wanted.size());
  SendMessageW(memo, EM_SCROLLCARET, 0, 0);
}

void TGalleryForm::FontClick(host::TComponent*) {
  host::TFont& chosen = FontDialog1->Font();
  const host::TFont& now = *Memo1->Font();
  chosen.SetName(now.Name());
  chosen.SetHeight(now.Height());
  chosen.SetStyle(now.Style());
  chosen.SetColor(now.Color());
  if (!FontDialog1->Execute()) return;
  host::TFont& font = *Memo1->Font();
  font.SetName(chosen.Name());
  font.SetHeight(chosen.Height());
  font.SetStyle(chosen.Style());
  font.SetColor(chosen.Color());
}

void TGalleryForm::MessageBoxClick(host::TComponent*) {
  MessageBoxW(Handle(), L"This is the system's own message box.", L"Message box", MB_OKCANCEL | MB_ICONINFORMATION);
}
