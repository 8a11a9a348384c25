#pragma once
#include "host/controls/button.h"
#include "host/controls/form.h"
#include "host/controls/listbox.h"
#include "host/dialogs/open_dialog.h"
#include "host/system/file_run.h"
#include "host/system/timer.h"
#include "skin/data/skin_data.h"

// The launcher's one window: the list of map files, Add, Delete, Clear and Run.
class TForm1 : public host::TForm {
public:
  explicit TForm1(host::TComponent* owner) : TForm(owner) {}
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }
  host::NotifyEvent FindMethod(std::string_view name) override;
  void Loaded() override;

  // 0 English, 1 Ukrainian, 2 Russian; any other index changes nothing.
  void ApplyLanguage(int index);

  host::TListBox* ListBox1 = nullptr;
  host::TButton* Button1 = nullptr;
  host::TButton* Button2 = nullptr;
  host::TButton* Button3 = nullptr;
  host::TButton* Button4 = nullptr;
  host::TOpenDialog* OpenDialog1 = nullptr;
  host::TActionList* ActionList1 = nullptr;
  host::TFileRun* FileRun1 = nullptr;
  host::TTimer* Timer1 = nullptr;
  skin::TSkinData* SkinData1 = nullptr;

  void FormShow(host::TComponent* sender);
  void Button1Click(host::TComponent* sender);
  void Button2Click(host::TComponent* sender);
  void Button3Click(host::TComponent* sender);
  void Button4Click(host::TComponent* sender);
  void Timer1Timer(host::TComponent* sender);
};
