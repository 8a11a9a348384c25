#include "gallery/gallery_form.h"

#include <string>

#include "host/core/error.h"
#include "host/stream/bind.h"

const host::ClassInfo& TGalleryForm::Info() {
  static const host::ClassInfo info{"TGalleryForm", &TForm::Info(), {}};
  return info;
}

void TGalleryForm::Loaded() {
  TForm::Loaded();
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
  ScrollHorz = host::Bind<host::TScrollBar>(*this, "ScrollHorz");
  ScrollVert = host::Bind<host::TScrollBar>(*this, "ScrollVert");
  SkinData1 = host::Bind<skin::TSkinData>(*this, "SkinData1");
  for (const char* choice : {"First choice", "Second choice", "Third choice"}) MenuButtonMenu->Add(choice);
  host::StringList lines;
  for (int i = 1; i <= kListLines; ++i) lines.push_back("List line " + std::to_string(i));
  LongList->SetItems(lines);
}
