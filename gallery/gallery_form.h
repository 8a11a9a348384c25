#pragma once
#include "host/controls/bitbtn.h"
#include "host/controls/button.h"
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
#include "host/controls/scrollbar.h"
#include "host/controls/speed_button.h"
#include "host/controls/spin_edit.h"
#include "host/controls/status_bar.h"
#include "host/controls/tab_set.h"
#include "host/dialogs/find_dialog.h"
#include "host/dialogs/font_dialog.h"
#include "host/dialogs/open_dialog.h"
#include "host/graphics/image_list.h"
#include "host/menus/popup_menu.h"
#include "host/system/file_watch.h"
#include "skin/data/skin_data.h"

// The control gallery: one window with every kind of control the skin
// engine skins, for skin authors to see their skin on, and for tests and
// benchmarks to drive.
class TGalleryForm : public host::TForm {
public:
  explicit TGalleryForm(host::TComponent* owner) : TForm(owner) {}
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }
  void Loaded() override;
  host::NotifyEvent FindMethod(std::string_view name) override;

  // Lines in the long list.
  static constexpr int kListLines = 200;
  // Rows in the report list.
  static constexpr int kReportRows = 50;

  // One page for each family of controls.
  host::TPageControl* Pages = nullptr;
  host::TButton* PushButton = nullptr;
  host::TButton* DefaultButton = nullptr;
  host::TButton* DisabledButton = nullptr;
  host::TBitBtn* GlyphButton = nullptr;
  host::TMenuButton* MenuButton1 = nullptr;
  host::TPopupMenu* MenuButtonMenu = nullptr;
  host::TPanel* SpeedBar = nullptr;
  host::TSpeedButton* SpeedFlat1 = nullptr;
  host::TSpeedButton* SpeedFlat2 = nullptr;
  host::TSpeedButton* SpeedFlat3 = nullptr;
  host::TSpeedButton* SpeedButton1 = nullptr;
  host::TSpeedButton* SpeedButton2 = nullptr;
  host::TEdit* EditBorder = nullptr;
  host::TEdit* EditNoBorder = nullptr;
  host::TEdit* EditReadOnly = nullptr;
  host::TEdit* EditDisabled = nullptr;
  host::TSpinEdit* SpinEdit1 = nullptr;
  host::TMemo* Memo1 = nullptr;
  host::TComboBox* ComboSimple = nullptr;
  host::TComboBox* ComboDropDown = nullptr;
  host::TComboBox* ComboDropDownList = nullptr;
  host::TListBox* LongList = nullptr;
  host::TListView* ReportList = nullptr;
  host::THeaderControl* Header1 = nullptr;
  host::TScrollBar* ScrollHorz = nullptr;
  host::TScrollBar* ScrollVert = nullptr;
  host::TGroupBox* GroupBox1 = nullptr;
  host::TEdit* GroupEdit = nullptr;
  host::TPanel* CaptionPanel = nullptr;
  host::TTabControl* TabsBottom = nullptr;
  host::TTabControl* TabsLeft = nullptr;
  host::TTabSet* TabSet1 = nullptr;
  host::TMediaPlayer* MediaPlayer1 = nullptr;
  host::TPanel* MediaReport = nullptr;
  host::TStatusBar* StatusBar1 = nullptr;
  skin::TSkinData* SkinData1 = nullptr;
  host::TMainMenu* MainMenu1 = nullptr;
  host::TPopupMenu* ListMenu = nullptr;
  host::TImageList* MenuImages = nullptr;
  host::TOpenDialog* OpenSkinDialog = nullptr;
  host::TFindDialog* FindDialog1 = nullptr;
  host::TFontDialog* FontDialog1 = nullptr;
  host::TFileWatch* SkinWatch = nullptr;  // made by WatchSkin

  // Takes the skin package at the path and remembers it among the recent ones.
  void OpenSkin(const std::string& path);
  // Shows the package at the path and again each time it changes on disk; a
  // package refused then leaves the skin before, and the status bar says why.
  void WatchSkin(const std::string& path);

protected:
  void WndProc(host::TMessage& msg) override;

private:
  void PushClick(host::TComponent* sender);
  void OpenSkinClick(host::TComponent* sender);
  void SkinningClick(host::TComponent* sender);
  void ExitClick(host::TComponent* sender);
  void ShowListClick(host::TComponent* sender);
  void SimpleStatusClick(host::TComponent* sender);
  void TabSetChange(host::TComponent* sender);
  void MediaClick(host::TComponent* sender);
  void TitleClick(host::TComponent* sender);
  void SkinInfoClick(host::TComponent* sender);
  void AboutClick(host::TComponent* sender);
  void FirstLineClick(host::TComponent* sender);
  void LastLineClick(host::TComponent* sender);
  void FindClick(host::TComponent* sender);
  void FindNextClick(host::TComponent* sender);
  void FontClick(host::TComponent* sender);
  void MessageBoxClick(host::TComponent* sender);
  void MakeMenuImages();
  void ReloadWatched();
  void ShowWatchStatus(const std::string& text);
  void ShowSkinning();
  void ShowTitle();
  // The pages fill the client area above the status bar, whatever the frame leaves.
  void FitPages();

  std::string watched_;
  int media_clicks_[9] = {};
};
