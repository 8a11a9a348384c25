#include "skin/manager/skin_manage.h"

#include <algorithm>

#include "host/app/application.h"
#include "host/controls/form.h"
#include "host/core/text.h"
#include "skin/data/skin_data.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/draw/text.h"
#include "skin/form/engine_messages.h"
#include "skin/form/skin_form.h"
#include "skin/manager/popup_skinner.h"
#include "skin/manager/trace.h"

namespace skin {
namespace {

std::unique_ptr<TSkinManage>& Slot() {
  static std::unique_ptr<TSkinManage> instance;
  return instance;
}

host::TForm* FindHostForm(HWND window) {
  for (host::TForm* form : host::Application().Forms())
    if (form->WindowHandle() == window) return form;
  if (auto* form = dynamic_cast<host::TForm*>(host::TWinControl::FromHandle(window))) return form;
  // An MDI child is seen at its creation, before its form object is bound to it.
  auto* creating = dynamic_cast<host::TForm*>(host::TWinControl::Creating());
  return creating && !creating->HandleAllocated() && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) ? creating
                                                                                                         : nullptr;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

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
  // The engine's errors never open a message box from inside a timer's window procedure.
  ActionTimer.SetOnTimer([this](host::TComponent*) {
    try {
      DoPendingAction();
    } catch (const std::exception& e) {
      TraceError("skin action", e);
    }
  });
  if (!ScratchBitmap()) CreateScratchBitmap();
}

TSkinManage::~TSkinManage() {
  State = 4;
  Active = false;
  ActionTimer.SetEnabled(false);
  while (!SkinForms.empty()) {
    std::unique_ptr<TSkinForm> form = std::move(SkinForms.back());
    SkinForms.pop_back();
    if (form && form->FState != flGone) form->Detach();
    TSkinForm::Free(std::move(form));
  }
  PopupMenus.clear();
  SkinDatas.clear();
  if (HookHandle) UnhookWindowsHookEx(HookHandle);
  FreeScratchBitmap();
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
  // Skinners drawing from a component that goes away let go of their windows first.
  for (std::size_t i = SkinForms.size(); i-- > 0;) {
    if (!SkinForms[i] || SkinForms[i]->FSkinData != data) continue;
    std::unique_ptr<TSkinForm> form = std::move(SkinForms[i]);
    SkinForms.erase(SkinForms.begin() + static_cast<std::ptrdiff_t>(i));
    if (form->FState != flGone)
      Unskin(std::move(form));
    else
      TSkinForm::Free(std::move(form));
  }
  std::erase_if(PopupMenus, [data](const auto& popup) { return popup->SkinData == data; });
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

void TSkinManage::ResetSkinData() {
  for (const auto& form : SkinForms)
    if (form && form->FSkinData == PendingSkinData) form->FreeButtons();
}

bool TSkinManage::SkinForm(host::TForm* form) {
  if (!form->Visible() || !form->HandleAllocated()) return true;
  if (GetWindowLongW(form->WindowHandle(), GWL_STYLE) & WS_CHILD) return true;
  return SkinWindow(form->WindowHandle());
}

bool TSkinManage::AcceptClassName(std::string_view class_name) const {
  bool accept = true;
  if (MainSkinData && !(MainSkinData->Options() & Bit(xoPreview)) && Contains(host::LowerCase(class_name), "preview"))
    accept = false;
  if (MainSkinData) MainSkinData->FilterFormClass(class_name, accept);
  return accept;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window, std::string_view class_name) const {
  TSkinData* found = nullptr;
  for (TSkinData* data : SkinDatas) {
    if (data->SkinFormtype() != TSkinFormType::sfOnlyThisForm) continue;
    if (auto* owner = dynamic_cast<host::TForm*>(data->Owner()); owner && owner->WindowHandle() == window) found = data;
  }
  if (found) return found;
  auto last_of = [this](TSkinFormType type) -> TSkinData* {
    for (auto it = SkinDatas.rbegin(); it != SkinDatas.rend(); ++it)
      if ((*it)->SkinFormtype() == type) return *it;
    return nullptr;
  };
  const std::string lower = host::LowerCase(class_name);
  if (lower == "tmessageform" || lower == "#32770")
    if (TSkinData* dialog = last_of(TSkinFormType::sfDialog)) return dialog;
  if (TSkinData* main = last_of(TSkinFormType::sfMainform)) return main;
  return SkinDatas.empty() ? nullptr : SkinDatas.front();
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!Active) return false;
  Purge();
  if (IsSkinned(window) || FindSkinForm(window)) return false;
  host::TForm* form = FindHostForm(window);
  const std::string class_name = GetClassNameText(window);
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  const bool mdi_child = (ex_style & WS_EX_MDICHILD) != 0;
  if (!SkinningAll && (style & WS_CHILD) && !mdi_child &&
      host::LowerCase(GetClassNameText(GetParent(window))) != "mdiclient")
    return false;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  if (!form && instance != GetModuleHandleW(nullptr) && class_name != "#32770") return false;
  RECT r;
  GetWindowRect(window, &r);
  if ((r.right - r.left) * (r.bottom - r.top) == 0 && !mdi_child) return false;
  if (form && form->Tag() == 99) return false;
  if (Contains(class_name, "TcxPopupEditPopupWindow") || class_name == "TApplication") return false;
  if (!AcceptClassName(class_name)) return false;
  TSkinData* data = ChooseSkinData(window, class_name);
  if (!data || data->SkinMissing()) return false;

  auto skinner = std::make_unique<TSkinForm>(form);
  skinner->FHandle = window;
  skinner->FOwnerToken = this;
  if (form)
    skinner->AttachForm(data, form);
  else
    skinner->PrepareWindow(data);
  SkinForms.push_back(std::move(skinner));
  PostMessageW(window, kSkinNow, 0, 1000);
  return true;
}

TSkinForm* TSkinManage::FindSkinForm(HWND window) const {
  for (const auto& form : SkinForms)
    if (form && form->FHandle == window) return form.get();
  return nullptr;
}

// The skinner is being freed by its owner form: it only leaves the list.
void TSkinManage::RemoveSkinForm(TSkinForm* form) {
  if (State == 4) return;
  const auto it = std::find_if(SkinForms.begin(), SkinForms.end(), [form](const auto& f) { return f.get() == form; });
  if (it == SkinForms.end()) return;
  (void)it->release();
  SkinForms.erase(it);
}

void TSkinManage::Purge() {
  if (State == 4) return;
  for (std::size_t i = SkinForms.size(); i-- > 0;) {
    if (!SkinForms[i]) {
      SkinForms.erase(SkinForms.begin() + static_cast<std::ptrdiff_t>(i));
    } else if (SkinForms[i]->FState == flGone) {
      std::unique_ptr<TSkinForm> gone = std::move(SkinForms[i]);
      SkinForms.erase(SkinForms.begin() + static_cast<std::ptrdiff_t>(i));
      TSkinForm::Free(std::move(gone));
    }
  }
}

void TSkinManage::SkinPopupMenu(HWND window) {
  if (!Active || IsSkinned(window) || IsPopupSkinned(window)) return;
  TSkinData* data = ChooseSkinData(window, GetClassNameText(window));
  if (!data || data->SkinMissing()) return;
  const std::uint32_t controls = data->SkinControls();
  switch (PopupOrigin) {
    case 0: if (!(controls & Bit(xcPopupMenu))) return; break;
    case 1: if (!(controls & (Bit(xcMainMenu) | Bit(xcMenuItem)))) return; break;
    case 2: if (!(controls & Bit(xcSystemMenu))) return; break;
  }
  auto popup = std::make_unique<TSkinPopupMenu>();
  popup->Attach(window, data, nullptr);
  PopupMenus.push_back(std::move(popup));
}

void TSkinManage::UnskinPopupMenu(HWND window) {
  const auto it = std::find_if(PopupMenus.begin(), PopupMenus.end(), [window](const auto& p) { return p->MenuWindow == window; });
  if (it != PopupMenus.end()) {
    (*it)->Detach();
    PopupMenus.erase(it);
  }
  if (PopupMenus.empty()) PopupOrigin = 0;
}

bool TSkinManage::IsPopupSkinned(HWND window) const {
  return std::any_of(PopupMenus.begin(), PopupMenus.end(), [window](const auto& p) { return p->MenuWindow == window; });
}

void TSkinManage::AssignPopupMenu(HMENU menu) {
  // A menu already shown keeps its skinner: its items are drawn again while
  // a newer popup, such as its own submenu, still waits for its menu.
  if (PopupFor(menu)) return;
  for (auto it = PopupMenus.rbegin(); it != PopupMenus.rend(); ++it)
    if (!(*it)->MenuHandle) {
      (*it)->MenuHandle = menu;
      return;
    }
}

const TSkinPopupMenu* TSkinManage::PopupFor(HMENU menu) const {
  // Skinners still waiting for their menu hold no handle: no menu is theirs.
  if (!menu) return nullptr;
  for (const auto& p : PopupMenus)
    if (p->MenuHandle == menu) return p.get();
  return nullptr;
}

const host::DibBitmap* TSkinManage::PopupBackground(HMENU menu) const {
  const TSkinPopupMenu* popup = PopupFor(menu);
  return popup ? popup->Background.get() : nullptr;
}

void TSkinManage::SetMDIMaximized(bool maximized) {
  if (maximized == MDIMaximized) return;
  MDIMaximized = maximized;
  if (!MainSkinData || (MainSkinData->Options() & Bit(xoMDIChildBorder))) return;
  for (const auto& form : SkinForms) {
    if (!form || form->FMDIKind != TMDIKind::Child) continue;
    if (maximized) {
      if (form->FHasRegion) {
        SetWindowRgn(form->FHandle, nullptr, TRUE);
        form->FHasRegion = false;
        form->FRgnWidth = form->FRgnHeight = 0;
      }
      form->SetCaptionStyle(true);
    } else if (form->FWindowState != TWindowState::Maximized) {
      form->FWindowState = TWindowState::Normal;
      form->UpdateRegion();
      form->SetCaptionStyle(false);
      if (!form->FHasRegion)
        SetWindowPos(form->FHandle, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
  }
}

void TSkinManage::Unskin(std::unique_ptr<TSkinForm> form) {
  const HWND window = form->FHandle;
  form->Detach();
  TSkinForm::Free(std::move(form));
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

void TSkinManage::Reskin(TSkinForm& form, bool first_pass) {
  if (first_pass) {
    form.FreeButtons();
    form.ReadFrameMetrics();
  } else {
    form.SkinChanged();
  }
}

void TSkinManage::DoPendingAction() {
  ActionTimer.SetEnabled(false);
  TSkinData* data = PendingSkinData;
  if (!data) return;
  const auto& forms = host::Application().Forms();
  if (data->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
    switch (PendingAction) {
      case 1:
        Active = true;
        SkinningAll = true;
        for (auto it = forms.rbegin(); it != forms.rend(); ++it)
          if (*it == data->Owner()) {
            SkinForm(*it);
            break;
          }
        SkinningAll = false;
        break;
      case 2:
        Active = false;
        Purge();
        for (std::size_t i = SkinForms.size(); i-- > 0;)
          if (SkinForms[i]->FSkinData == data) {
            std::unique_ptr<TSkinForm> form = std::move(SkinForms[i]);
            SkinForms.erase(SkinForms.begin() + static_cast<std::ptrdiff_t>(i));
            Unskin(std::move(form));
            break;
          }
        break;
      case 3:
        Purge();
        for (const auto& form : SkinForms)
          if (form->FSkinData == data) {
            Reskin(*form, true);
            Reskin(*form, false);
            break;
          }
        break;
    }
  } else {
    switch (PendingAction) {
      case 1: {
        Active = true;
        SkinningAll = true;
        Purge();
        const std::vector<host::TForm*> snapshot(forms.begin(), forms.end());
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) SkinForm(*it);
        SkinningAll = false;
        break;
      }
      case 2:
        Active = false;
        Purge();
        while (!SkinForms.empty()) {
          std::unique_ptr<TSkinForm> form = std::move(SkinForms.front());
          SkinForms.erase(SkinForms.begin());
          Unskin(std::move(form));
        }
        break;
      case 3:
        Purge();
        for (const auto& form : SkinForms)
          if (form->FSkinData == data) Reskin(*form, true);
        for (const auto& form : SkinForms)
          if (form->FSkinData == data) Reskin(*form, false);
        break;
    }
  }
  data->NotifySkinChanged();
  PendingSkinData = nullptr;
}

LRESULT CALLBACK TSkinManage::CBTHookProc(int code, WPARAM wparam, LPARAM lparam) {
  TSkinManage* self = Instance();
  // Nothing may escape into the system's call: a window the engine could not
  // skin keeps the system's look.
  if (code >= 0 && self) try {
    const auto window = reinterpret_cast<HWND>(wparam);
    switch (code) {
      case HCBT_CREATEWND: {
        const CREATESTRUCTW& cs = *reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
        const std::string class_name = GetClassNameText(window);
        if (class_name == "ScrollBar" && (cs.style & SBS_SIZEGRIP))
          if (TSkinForm* form = self->FindSkinForm(cs.hwndParent)) form->DiscoverWindow(window);
        if (!(cs.style & WS_CHILD) && class_name == "#32768") self->SkinPopupMenu(window);
        if (cs.dwExStyle & WS_EX_MDICHILD) self->SkinWindow(window);
        break;
      }
      case HCBT_DESTROYWND:
        self->UnskinPopupMenu(window);
        break;
      case HCBT_ACTIVATE:
        if (self->State == 0) self->State = 1;
        self->SkinWindow(window);
        break;
    }
  } catch (const std::exception&) {
  }
  return CallNextHookEx(self ? self->HookHandle : nullptr, code, wparam, lparam);
}

}  // namespace skin
