#include "skin/manager/skin_manage.h"

#include <algorithm>

#include "skin/data/skin_data.h"

namespace skin {
namespace {
std::unique_ptr<TSkinManage>& Slot() {
  static std::unique_ptr<TSkinManage> instance;
  return instance;
}
}  // namespace

TSkinManage* TSkinManage::Instance() noexcept { return Slot().get(); }

TSkinManage& TSkinManage::Create() {
  if (!Slot()) Slot().reset(new TSkinManage());
  return *Slot();
}

void TSkinManage::Destroy() { Slot().reset(); }

TSkinManage::TSkinManage() {
  ActionTimer.SetEnabled(false);
  ActionTimer.SetInterval(250);
  ActionTimer.SetOnTimer([this](host::TComponent*) { DoPendingAction(); });
}

TSkinManage::~TSkinManage() {
  State = 4;
  Active = false;
  ActionTimer.SetEnabled(false);
  if (HookHandle) UnhookWindowsHookEx(HookHandle);
}

void TSkinManage::InstallHook() {
  if (HookHandle) return;
  HookHandle = SetWindowsHookExW(WH_CBT, &TSkinManage::CBTHookProc, nullptr, GetCurrentThreadId());
}

void TSkinManage::RegisterSkinData(TSkinData* data) {
  if (std::find(SkinDatas.begin(), SkinDatas.end(), data) != SkinDatas.end()) return;
  SkinDatas.push_back(data);
  if (!MainSkinData && data->SkinFormtype() == TSkinFormType::sfMainform) MainSkinData = data;
}

void TSkinManage::UnregisterSkinData(TSkinData* data) {
  std::erase(SkinDatas, data);
  if (MainSkinData == data) MainSkinData = nullptr;
  if (PendingSkinData == data) PendingSkinData = nullptr;
}

void TSkinManage::RequestAction(int action, int interval) {
  PendingAction = action;
  ActionTimer.SetInterval(interval);
  if (State != 0) {
    ActionTimer.SetEnabled(true);
  } else if (action == 1) {
    Active = true;
  } else if (action == 2) {
    Active = false;
  }
}

// Form skinners come with the form-skinning layer; until then no window has one.
void TSkinManage::ResetSkinData() {}

bool TSkinManage::SkinWindow(HWND) { return false; }

void TSkinManage::DoPendingAction() {
  ActionTimer.SetEnabled(false);
  TSkinData* data = PendingSkinData;
  if (!data) return;
  if (PendingAction == 1) Active = true;
  if (PendingAction == 2) Active = false;
  data->NotifySkinChanged();
  PendingSkinData = nullptr;
}

LRESULT CALLBACK TSkinManage::CBTHookProc(int code, WPARAM wparam, LPARAM lparam) {
  TSkinManage* self = Instance();
  if (code >= 0 && self && code == HCBT_ACTIVATE) {
    if (self->State == 0) self->State = 1;
    self->SkinWindow(reinterpret_cast<HWND>(wparam));
  }
  return CallNextHookEx(self ? self->HookHandle : nullptr, code, wparam, lparam);
}

}  // namespace skin
