// The skinned system menu: the window's own system menu rebuilt as a
// popup of the form library whose items the skin draws, opened from the
// system-menu button, a right click on the caption or Alt+Space.
#include "host/core/text.h"
#include "host/graphics/image_list.h"
#include "host/menus/popup_menu.h"
#include "skin/data/skin_data.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"

namespace skin {
namespace {

constexpr std::int32_t kSystemMenuTag = 33333;
constexpr int kTextLength = 80;
// Check-mark images of the skin data, by command.
constexpr int kRestoreImage = 0, kMaximizeImage = 1, kMinimizeImage = 2, kCloseImage = 3;

}  // namespace

void TSkinForm::ShowSystemMenu(POINT screen) {
  const DWORD now = GetTickCount();
  if (now - FLastSysClick > FDoubleClickTime) {
    if (TSkinManage* manager = TSkinManage::Instance()) manager->PopupOrigin = 2;
    FLastSysClick = now;
    BuildSystemMenu();
    if (FSysPopup) FSysPopup->Popup(screen.x, screen.y);
    return;
  }
  // The second click of a double click on the system-menu button closes the
  // window; a second click anywhere else does nothing.
  if (!FHotObject) return;
  FHoverTimer->SetEnabled(false);
  PostMessageW(FHandle, WM_CLOSE, 0, 0);
}

// Built from the window's system menu on every opening, so that it follows
// the window's state. Only systems of the NT 5 family and later are served:
// their system menus always have the items to rebuild.
void TSkinForm::BuildSystemMenu() {
  FSysPopup.reset();
  if (!FSysMenu) return;
  auto popup = std::make_unique<host::TPopupMenu>(this);
  popup->SetTag(kSystemMenuTag);
  popup->SetOwnerDraw(true);
  auto* images = new host::TImageList(popup.get());
  images->ShareImages(FSkinData->CheckMarkImages());
  popup->SetImages(images);
  const bool maximized = FWindowState == TWindowState::Maximized;
  const bool minimized = FWindowState == TWindowState::Minimized;
  const int count = GetMenuItemCount(FSysMenu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[kTextLength] = {};
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kTextLength;
    if (!GetMenuItemInfoW(FSysMenu, static_cast<UINT>(i), TRUE, &info)) continue;
    host::TMenuItem& item = popup->Add(text[0] ? host::Narrow(text) : "-", static_cast<std::int32_t>(info.wID));
    bool enabled = true;
    int image = -1;
    switch (info.wID) {
      case SC_SIZE: case SC_MOVE: enabled = !maximized; break;
      case SC_MINIMIZE: image = kMinimizeImage; enabled = !minimized && (FCaps & capMinimize); break;
      case SC_MAXIMIZE: image = kMaximizeImage; enabled = !maximized && (FCaps & capMaximize); break;
      case SC_CLOSE: image = kCloseImage; break;
      case SC_RESTORE: image = kRestoreImage; enabled = FWindowState != TWindowState::Normal; break;
    }
    // A greyed item stays greyed also when it carries other state bits (the
    // default item Close does).
    if (info.fState & MFS_GRAYED) enabled = false;
    item.SetEnabled(enabled);
    item.SetChecked((info.fState & MFS_CHECKED) != 0);
    item.SetImageIndex(image);
    item.OnClick = [this](host::TComponent* sender) {
      PostMessageW(FHandle, WM_SYSCOMMAND, static_cast<WPARAM>(sender->Tag()), 0);
    };
  }
  HookOwnPopup(*popup);
  FSysPopup = std::move(popup);
}

}  // namespace skin
