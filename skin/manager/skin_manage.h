#pragma once
// The process-wide skin manager: it watches the windows of the user-interface
// thread through a CBT hook, gives each top-level window and dialog its form
// skinner and each popup menu its popup skinner, keeps the registered skin
// data components, and carries out their requests (skin, unskin, skin
// changed) after a short delay.
#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "host/system/timer.h"

namespace host {
class DibBitmap;
class TForm;
class TWinControl;
}

namespace skin {

class TSkinData;
class TSkinForm;
class TSkinPopupMenu;

class TSkinManage {
public:
  // The single instance; null until the first skin data component loads.
  static TSkinManage* Instance() noexcept;
  static TSkinManage& Create();
  static void Destroy();

  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void InstallHook();
  void RegisterSkinData(TSkinData* data);
  void UnregisterSkinData(TSkinData* data);
  // Records the action (1 skin, 2 unskin, 3 skin changed); before the first
  // window activation it only switches Active, afterwards the timer carries it out.
  void RequestAction(int action, int interval);
  // The skinners that use PendingSkinData drop their caption buttons.
  void ResetSkinData();

  bool SkinForm(host::TForm* form);
  // Gives a window its form skinner when the rules allow; true when one was attached.
  bool SkinWindow(HWND window);
  TSkinForm* FindSkinForm(HWND window) const;
  // A skinner going away takes itself off the list.
  void RemoveSkinForm(TSkinForm* form);

  void SkinPopupMenu(HWND window);
  void UnskinPopupMenu(HWND window);
  bool IsPopupSkinned(HWND window) const;
  void AssignPopupMenu(HMENU menu);
  const TSkinPopupMenu* PopupFor(HMENU menu) const;
  // The background picture of the popup showing the menu; null when none is
  // composed. The item painter copies item backgrounds from it.
  const host::DibBitmap* PopupBackground(HMENU menu) const;

  void SetMDIMaximized(bool maximized);
  TSkinData* ChooseSkinData(HWND window, std::string_view class_name) const;
  bool AcceptClassName(std::string_view class_name) const;

  host::TTimer ActionTimer{nullptr};
  HHOOK HookHandle = nullptr;
  std::vector<std::unique_ptr<TSkinForm>> SkinForms;
  std::vector<std::unique_ptr<TSkinPopupMenu>> PopupMenus;
  std::vector<TSkinData*> SkinDatas;
  bool Active = false;
  bool SkinningAll = false;
  int State = 0;  // 0 idle, otherwise running; 4 shutting down
  int PopupOrigin = 0;  // 0 plain popup, 1 menu-bar submenu, 2 system menu
  bool MDIMaximized = false;
  HWND MDIClient = nullptr;
  host::TWinControl* MDIForm = nullptr;
  int PendingAction = 0;
  TSkinData* PendingSkinData = nullptr;
  TSkinData* MainSkinData = nullptr;

private:
  TSkinManage();
  void DoPendingAction();
  void Purge();
  void Unskin(std::unique_ptr<TSkinForm> form);
  void Reskin(TSkinForm& form, bool first_pass);
  static LRESULT CALLBACK CBTHookProc(int code, WPARAM wparam, LPARAM lparam);
};

}  // namespace skin
