#pragma once
// The process-wide skin manager: it watches the windows of the user-interface
// thread through a CBT hook, keeps the registered skin data components, and
// carries out their requests (skin, unskin, skin changed) after a short delay.
#include <windows.h>

#include <memory>
#include <vector>

#include "host/system/timer.h"

namespace skin {

class TSkinData;

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
  void ResetSkinData();
  // Gives a window its form skinner when the rules allow; true when one was attached.
  bool SkinWindow(HWND window);

  host::TTimer ActionTimer{nullptr};
  HHOOK HookHandle = nullptr;
  std::vector<TSkinData*> SkinDatas;
  bool Active = false;
  bool SkinningAll = false;
  int State = 0;  // 0 idle, otherwise running; 4 shutting down
  int PopupOrigin = 0;
  int PendingAction = 0;
  TSkinData* PendingSkinData = nullptr;
  TSkinData* MainSkinData = nullptr;

private:
  TSkinManage();
  void DoPendingAction();
  static LRESULT CALLBACK CBTHookProc(int code, WPARAM wparam, LPARAM lparam);
};

}  // namespace skin
