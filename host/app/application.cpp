#include "host/app/application.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "host/controls/bitbtn.h"
#include "host/controls/button.h"
#include "host/controls/check_box.h"
#include "host/controls/combobox.h"
#include "host/controls/edit.h"
#include "host/controls/form.h"
#include "host/controls/group_box.h"
#include "host/controls/header_control.h"
#include "host/controls/list_view.h"
#include "host/controls/listbox.h"
#include "host/controls/media_player.h"
#include "host/controls/memo.h"
#include "host/controls/menu_button.h"
#include "host/controls/page_control.h"
#include "host/controls/panel.h"
#include "host/controls/progressbar.h"
#include "host/controls/scrollbar.h"
#include "host/controls/speed_button.h"
#include "host/controls/spin_edit.h"
#include "host/controls/trackbar.h"
#include "host/controls/status_bar.h"
#include "host/controls/tab_set.h"
#include "host/controls/updown.h"
#include "host/core/text.h"
#include "host/dialogs/find_dialog.h"
#include "host/dialogs/font_dialog.h"
#include "host/dialogs/open_dialog.h"
#include "host/graphics/image_list.h"
#include "host/menus/menu.h"
#include "host/menus/popup_menu.h"
#include "host/system/file_run.h"
#include "host/system/timer.h"

namespace host {

TApplication& Application() {
  static TApplication app;
  return app;
}

void HandleException(const std::exception& e) { Application().HandleException(e); }

TApplication::TApplication() : TComponent(nullptr) {}

const ClassInfo& TApplication::Info() {
  static const ClassInfo info{"TApplication", &TComponent::Info(), {
      props::Text<&TApplication::Title, &TApplication::SetTitle>("Title"),
  }};
  return info;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  for (const ClassInfo* c :
       {&TButton::Info(), &TListBox::Info(), &TTimer::Info(), &TOpenDialog::Info(), &TActionList::Info(),
        &TFileRun::Info(), &TEdit::Info(), &TMemo::Info(), &TComboBox::Info(), &TUpDown::Info(), &TSpinEdit::Info(),
        &TScrollBar::Info(), &TPanel::Info(), &TBitBtn::Info(), &TMenuButton::Info(), &TSpeedButton::Info(),
        &TPopupMenu::Info(), &TMainMenu::Info(), &TMenuItem::Info(), &TImageList::Info(), &TCheckBox::Info(),
        &TRadioButton::Info(), &TGroupBox::Info(), &TRadioGroup::Info(), &TFindDialog::Info(),
        &TFontDialog::Info(), &TTrackBar::Info(), &TProgressBar::Info(), &TStatusBar::Info(),
        &TTabControl::Info(), &TPageControl::Info(), &TTabSheet::Info(), &TTabSet::Info(), &TMediaPlayer::Info(),
        &THeaderControl::Info(), &TListView::Info()})
    RegisterComponentClass(*c);
}

void TApplication::RemoveForm(TForm* form) {
  std::erase(forms_, form);
  if (main_form_ == form) main_form_ = nullptr;
  if (active_form_ == form) active_form_ = nullptr;
}

void TApplication::HandleMessage(MSG& msg) {
  if (msg.message == WM_SYSCHAR) {
    // The form of the window with the focus sees an Alt+key before its controls do.
    for (HWND w = msg.hwnd; w; w = GetParent(w)) {
      auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(w));
      if (!form) continue;
      if (form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam)) return;
      break;
    }
  }
  for (HWND dialog : modeless_)
    if ((msg.hwnd == dialog || IsChild(dialog, msg.hwnd)) && IsDialogMessageW(dialog, &msg)) return;
  // The active form's menu shortcuts come before the control with the focus.
  if (active_form_ && active_form_->Menu() && active_form_->Enabled() && active_form_->Menu()->IsShortCut(msg)) return;
  if (main_form_ && main_form_->ClientHandle() && TranslateMDISysAccel(main_form_->ClientHandle(), &msg)) return;
  // Tab and arrow keys move between the controls of the active form.
  if (active_form_ && active_form_->HandleAllocated() && IsDialogMessageW(active_form_->WindowHandle(), &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int TApplication::Run() {
  if (!main_form_) return 0;
  try {
    main_form_->Show();
  } catch (const std::exception& e) {
    HandleException(e);
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) HandleMessage(msg);
  return static_cast<int>(msg.wParam);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    HandleMessage(msg);
  }
}

void TApplication::HandleException(const std::exception& e) {
  HWND owner = active_form_ && active_form_->HandleAllocated() ? active_form_->WindowHandle() : nullptr;
  const std::wstring title = Widen(title_);
  MessageBoxW(owner, Widen(e.what()).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

std::string TApplication::ExeName() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::string TApplication::ExeFolder() const {
  std::string path = ExeName();
  path.resize(path.find_last_of("\\/") + 1);
  return path;
}

}  // namespace host
