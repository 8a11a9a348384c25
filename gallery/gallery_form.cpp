#include "gallery/gallery_form.h"

#include <string>

#include "host/core/error.h"

const host::ClassInfo& TGalleryForm::Info() {
  static const host::ClassInfo info{"TGalleryForm", &TForm::Info(), {}};
  return info;
}

namespace {
template <class T>
T* Bind(const host::TComponent& form, std::string_view name) {
  auto* c = dynamic_cast<T*>(form.FindComponent(name));
  if (!c) throw host::Error("The stored form lacks " + std::string(name) + ".");
  return c;
}
}  // namespace

void TGalleryForm::Loaded() {
  TForm::Loaded();
  PushButton = Bind<host::TButton>(*this, "PushButton");
  DefaultButton = Bind<host::TButton>(*this, "DefaultButton");
  DisabledButton = Bind<host::TButton>(*this, "DisabledButton");
  GlyphButton = Bind<host::TBitBtn>(*this, "GlyphButton");
  MenuButton1 = Bind<host::TMenuButton>(*this, "MenuButton1");
  MenuButtonMenu = Bind<host::TPopupMenu>(*this, "MenuButtonMenu");
  SpeedBar = Bind<host::TPanel>(*this, "SpeedBar");
  SpeedFlat1 = Bind<host::TSpeedButton>(*this, "SpeedFlat1");
  SpeedFlat2 = Bind<host::TSpeedButton>(*this, "SpeedFlat2");
  SpeedFlat3 = Bind<host::TSpeedButton>(*this, "SpeedFlat3");
  SpeedButton1 = Bind<host::TSpeedButton>(*this, "SpeedButton1");
  SpeedButton2 = Bind<host::TSpeedButton>(*this, "SpeedButton2");
  EditBorder = Bind<host::TEdit>(*this, "EditBorder");
  EditNoBorder = Bind<host::TEdit>(*this, "EditNoBorder");
  EditReadOnly = Bind<host::TEdit>(*this, "EditReadOnly");
  EditDisabled = Bind<host::TEdit>(*this, "EditDisabled");
  SpinEdit1 = Bind<host::TSpinEdit>(*this, "SpinEdit1");
  Memo1 = Bind<host::TMemo>(*this, "Memo1");
  ComboSimple = Bind<host::TComboBox>(*this, "ComboSimple");
  ComboDropDown = Bind<host::TComboBox>(*this, "ComboDropDown");
  ComboDropDownList = Bind<host::TComboBox>(*this, "ComboDropDownList");
  LongList = Bind<host::TListBox>(*this, "LongList");
  ScrollHorz = Bind<host::TScrollBar>(*this, "ScrollHorz");
  ScrollVert = Bind<host::TScrollBar>(*this, "ScrollVert");
  SkinData1 = Bind<skin::TSkinData>(*this, "SkinData1");
  for (const char* choice : {"First choice", "Second choice", "Third choice"}) MenuButtonMenu->Add(choice);
  host::StringList lines;
  for (int i = 1; i <= kListLines; ++i) lines.push_back("List line " + std::to_string(i));
  LongList->SetItems(lines);
}
