#include "launcher/main_form.h"

#include <windows.h>

#include "host/app/application.h"
#include "host/core/error.h"
#include "host/stream/bind.h"
#include "launcher/centring.h"
#include "launcher/language.h"
#include "launcher/tool_command.h"

using host::Application;

const host::ClassInfo& TForm1::Info() {
  static const host::ClassInfo info{"TForm1", &TForm::Info(), {}};
  return info;
}

host::NotifyEvent TForm1::FindMethod(std::string_view name) {
  using Handler = void (TForm1::*)(host::TComponent*);
  static constexpr std::pair<std::string_view, Handler> kHandlers[] = {
      {"FormShow", &TForm1::FormShow},       {"Button1Click", &TForm1::Button1Click},
      {"Button2Click", &TForm1::Button2Click}, {"Button3Click", &TForm1::Button3Click},
      {"Button4Click", &TForm1::Button4Click}, {"Timer1Timer", &TForm1::Timer1Timer},
  };
  for (const auto& [handler_name, handler] : kHandlers)
    if (handler_name == name) return [this, handler](host::TComponent* sender) { (this->*handler)(sender); };
  return nullptr;
}

void TForm1::Loaded() {
  TForm::Loaded();
  ListBox1 = host::Bind<host::TListBox>(*this, "ListBox1");
  Button1 = host::Bind<host::TButton>(*this, "Button1");
  Button2 = host::Bind<host::TButton>(*this, "Button2");
  Button3 = host::Bind<host::TButton>(*this, "Button3");
  Button4 = host::Bind<host::TButton>(*this, "Button4");
  OpenDialog1 = host::Bind<host::TOpenDialog>(*this, "OpenDialog1");
  ActionList1 = host::Bind<host::TActionList>(*this, "ActionList1");
  FileRun1 = host::Bind<host::TFileRun>(*this, "FileRun1");
  Timer1 = host::Bind<host::TTimer>(*this, "Timer1");
  SkinData1 = host::Bind<skin::TSkinData>(*this, "SkinData1");
}

void TForm1::ApplyLanguage(int index) {
  const LanguageTexts* texts = FindLanguage(index);
  if (!texts) return;
  OpenDialog1->SetTitle(std::string(texts->dialog_title));
  OpenDialog1->SetFilter(std::string(texts->filter));
  Button1->SetCaption(std::string(texts->add));
  Button2->SetCaption(std::string(texts->remove));
  Button3->SetCaption(std::string(texts->clear));
  Button4->SetCaption(std::string(texts->run));
}

void TForm1::FormShow(host::TComponent*) {
  SetBounds(CentredOrigin(GetSystemMetrics(SM_CXSCREEN), Width()),
            CentredOrigin(GetSystemMetrics(SM_CYSCREEN), Height()), Width(), Height());
  ApplyLanguage(ReadLanguageIndex(Application().ExeName()));
}

void TForm1::Button1Click(host::TComponent*) {
  if (!OpenDialog1->Execute()) return;
  for (const std::string& file : OpenDialog1->Files()) ListBox1->Add(file);
}

void TForm1::Button2Click(host::TComponent*) {
  if (const int index = ListBox1->ItemIndex(); index >= 0) ListBox1->Delete(index);
}

void TForm1::Button3Click(host::TComponent*) { ListBox1->Clear(); }

void TForm1::Timer1Timer(host::TComponent*) { Button4->SetEnabled(ListBox1->Count() > 0); }

void TForm1::Button4Click(host::TComponent*) {
  if (ListBox1->Count() == 0) return;
  const std::string folder = Application().ExeFolder();
  FileRun1->SetDirectory(folder);
  FileRun1->SetFileName(folder + "brindle.exe");
  FileRun1->SetParameters(ToolParameters(ListBox1->Items()));
  FileRun1->Execute();
}
