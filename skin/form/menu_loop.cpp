// Opening the submenus of the skinned menu bar and the loop around them: a
// message hook that lets the arrow keys and the mouse move from one bar item
// to the next while a submenu is tracked.
#include <windowsx.h>

#include "host/menus/menu.h"
#include "skin/form/menu_bar.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"
#include "skin/manager/trace.h"

namespace skin {
namespace {

constexpr UINT kTrackFlags = TPM_RIGHTBUTTON | TPM_NONOTIFY;

// One tracked submenu at a time on the user-interface thread.
struct MenuLoop {
  HHOOK hook = nullptr;
  TSkinForm* form = nullptr;
  int open_index = -1;
  // The item last selected in the open submenu, kept as what finds it again,
  // since the application may change its menu while the submenu shows.
  UINT_PTR current = 0;
  host::TMenu::FindKind current_kind = host::TMenu::FindKind::Command;
  POINT last_cursor{};
  bool first_key_posted = false;
  bool switching = false;
  // The index of an item without a submenu that the loop passed onto: it is
  // selected once the open submenu has closed, and runs only when chosen.
  int held = -1;
};

MenuLoop& Loop() {
  static MenuLoop loop;
  return loop;
}

bool IsNt4() {
  const DWORD version = GetVersion();
  return (version & 0x80000000u) == 0 && LOBYTE(LOWORD(version)) == 4;
}

// The items draw themselves through the form's owner-drawn item painter.
void MakeOwnerDrawn(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.hSubMenu) MakeOwnerDrawn(info.hSubMenu);
    if (info.fType & MFT_OWNERDRAW) continue;
    // The type alone changes: the item keeps its text for whoever draws it.
    info.fMask = MIIM_FTYPE;
    info.fType |= MFT_OWNERDRAW;
    SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
  }
}

host::TMenuItem* CurrentItem(const TSkinForm& form) {
  const MenuLoop& loop = Loop();
  if (!loop.current || !form.FMenuBar || !form.FMenuBar->HostMenu) return nullptr;
  return form.FMenuBar->HostMenu->FindItem(loop.current, loop.current_kind);
}

// The neighbour in bar order that can be opened, wrapping at both ends; an
// item that is hidden or has no caption has no place on the bar to open at.
TMenuBtn* Neighbour(const TSkinMenuBar& bar, int from, int step) {
  const int count = bar.ItemCount();
  for (int i = 1; i <= count; ++i) {
    TMenuBtn* item = bar.Item(((from + step * i) % count + count) % count);
    if (item->Visible && !item->Caption.empty()) return item;
  }
  return nullptr;
}

TMenuBtn* KeyTarget(TSkinForm& form, WPARAM key) {
  const MenuLoop& loop = Loop();
  host::TMenuItem* current = CurrentItem(form);
  const TSkinMenuBar& bar = *form.FMenuBar;
  if (key == VK_LEFT) {
    // Inside a nested submenu the key closes that one.
    if (current) {
      const HMENU parent = current->Parent() ? current->Parent()->Handle() : nullptr;
      if (parent != form.FTrackedMenu && current->Handle() != form.FTrackedMenu) return nullptr;
    }
    return Neighbour(bar, loop.open_index, -1);
  }
  if (key == VK_RIGHT) {
    // On an item with children the key opens them.
    if (current && current->Count() > 0) return nullptr;
    return Neighbour(bar, loop.open_index, 1);
  }
  return nullptr;
}

LRESULT HookStep(int code, WPARAM wparam, MSG& msg) {
  MenuLoop& loop = Loop();
  TSkinForm* form = loop.form;
  const bool key = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_SYSKEYDOWN ||
                   msg.message == WM_SYSKEYUP;
  if (form && key) {
    if (host::TMenuItem* current = CurrentItem(*form); current && current->GetParentMenu() &&
                                                       current->GetParentMenu()->IsRightToLeft()) {
      if (msg.wParam == VK_LEFT)
        msg.wParam = VK_RIGHT;
      else if (msg.wParam == VK_RIGHT)
        msg.wParam = VK_LEFT;
    }
  }
  const LRESULT result = CallNextHookEx(loop.hook, code, wparam, reinterpret_cast<LPARAM>(&msg));
  if (result != 0 || code != MSGF_MENU || !form) return result;
  if (!loop.first_key_posted) {
    // The first item of the new submenu is selected, as the keyboard expects.
    loop.first_key_posted = true;
    PostMessageW(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  if (!form->FMenuBar || form->FMenuBar->ItemCount() == 0) return result;
  TMenuBtn* target = nullptr;
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) loop.switching = false;
      target = KeyTarget(*form, msg.wParam);
      break;
    case WM_SYSKEYDOWN:
      if (msg.wParam == VK_MENU) form->FInMenuLoop = false;
      return result;
    case WM_MENUSELECT:
      form->MenuLoopSelect(msg.wParam, msg.lParam);
      return result;
    case WM_MOUSEMOVE:
      if (msg.pt.x != loop.last_cursor.x || msg.pt.y != loop.last_cursor.y) {
        target = form->FMenuBar->ItemAt(form->ToWindowPoint(msg.pt.x, msg.pt.y));
        loop.last_cursor = msg.pt;
      }
      break;
  }
  if (target && target->Index != loop.open_index) {
    if (target->Submenu) {
      loop.switching = true;
      form->PostOpenItem(*target);
    } else {
      loop.held = target->Index;
      EndMenu();
    }
  }
  return result;
}

LRESULT CALLBACK MenuLoopHook(int code, WPARAM wparam, LPARAM lparam) {
  auto* msg = reinterpret_cast<MSG*>(lparam);
  if (code < 0 || !msg) return CallNextHookEx(Loop().hook, code, wparam, lparam);
  try {
    return HookStep(code, wparam, *msg);
  } catch (const std::exception& e) {
    TraceError("menu loop", e);
    return 0;
  }
}

void InstallMenuHook() {
  MenuLoop& loop = Loop();
  if (loop.hook) return;
  loop.hook = SetWindowsHookExW(WH_MSGFILTER, &MenuLoopHook, nullptr, GetCurrentThreadId());
  loop.switching = false;
  loop.first_key_posted = false;
  GetCursorPos(&loop.last_cursor);
}

void RemoveMenuHook() {
  MenuLoop& loop = Loop();
  if (loop.hook) UnhookWindowsHookEx(loop.hook);
  loop.hook = nullptr;
  loop.current = 0;
  loop.open_index = -1;
  loop.first_key_posted = false;
  loop.form = nullptr;
  loop.held = -1;
}

// The mouse goes to the window for as long as the object lives.
class MouseCapture {
public:
  explicit MouseCapture(HWND window) { SetCapture(window); }
  ~MouseCapture() { ReleaseCapture(); }
  MouseCapture(const MouseCapture&) = delete;
  MouseCapture& operator=(const MouseCapture&) = delete;
};

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

bool TSkinForm::TracksMenuBar() const { return Loop().form == this; }

void TSkinForm::ForgetMenuLoop() {
  if (TracksMenuBar()) RemoveMenuHook();
}

bool TSkinForm::OpenItem(TMenuBtn* item) {
  if (!item) return false;
  if (Loop().form) {
    // A submenu still shows: it closes first, and the click comes again after it.
    EndMenu();
    PostOpenItem(*item);
    return false;
  }
  const int index = item->Index;
  PostMessageW(FHandle, WM_COMMAND, item->Command, 0);
  if (!item->Submenu) return false;
  if (item->MenuItem) {
    // Hiding and showing separators changes the menu, and the bar rebuilds its items.
    TrimSeparators(*item->MenuItem);
    item = FMenuBar ? FMenuBar->Item(index) : nullptr;
    if (!item || !item->Submenu) return false;
  }
  MenuLoop& loop = Loop();
  loop.open_index = index;
  loop.form = this;
  GetWindowRect(FHandle, &FWindowRect);
  const HMENU submenu = item->Submenu;
  if (!IsNt4()) MakeOwnerDrawn(submenu);
  FInMenuLoop = true;
  const POINT at{(FRightToLeft ? item->Bounds.right : item->Bounds.left) + FWindowRect.left,
                 item->Bounds.bottom + FWindowRect.top};
  if (TSkinManage* manager = TSkinManage::Instance()) manager->PopupOrigin = 1;
  FTrackedMenu = submenu;
  InstallMenuHook();
  // The bar and its items may be rebuilt or freed while the submenu shows:
  // nothing of them is touched after it closed.
  if (item->Enabled) TrackPopupMenu(submenu, FRightToLeft ? kTrackFlags | TPM_RIGHTALIGN : kTrackFlags, at.x, at.y, 0,
                                    FHandle, nullptr);
  const int held = loop.held;
  RemoveMenuHook();
  FInMenuLoop = false;
  if (held >= 0) HoldItem(held);
  return true;
}

// Menu mode on the bar alone: the item stays selected, the arrow keys and the
// mouse move across the bar, Enter or a click runs the item, Escape, Alt or a
// click elsewhere leave.
void TSkinForm::HoldItem(int index) {
  const MouseCapture capture(FHandle);
  FInMenuLoop = true;
  TMenuBtn* next = nullptr;  // to open or run when the hold ends
  MSG msg;
  while (GetCapture() == FHandle && !next) {
    TMenuBtn* held = FMenuBar ? FMenuBar->Item(index) : nullptr;
    if (!held) break;
    // A repaint of the frame clears the hot look.
    if (FHotObject != held) held->MouseEnter();
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TMenuBtn* over = nullptr;
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONDOWN)
      over = FMenuBar->ItemAt(ToWindowPoint(msg.pt.x, msg.pt.y));
    if (msg.message == WM_MOUSEMOVE) {
      if (over && over->Submenu) next = over;
      if (over) index = over->Index;
    } else if (msg.message == WM_LBUTTONDOWN) {
      if (!over) break;
      next = over;
    } else if (msg.message == WM_KEYDOWN) {
      WPARAM key = msg.wParam;
      if (FMenuBar->RightToLeft() && (key == VK_LEFT || key == VK_RIGHT)) key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
      if (key == VK_ESCAPE) break;
      if (key == VK_RETURN) next = held;
      if (key == VK_LEFT || key == VK_RIGHT) {
        TMenuBtn* neighbour = Neighbour(*FMenuBar, index, key == VK_LEFT ? -1 : 1);
        if (neighbour && neighbour->Submenu) next = neighbour;
        if (neighbour) index = neighbour->Index;
      }
    } else if ((msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) &&
               (msg.wParam == VK_MENU || msg.wParam == VK_F10)) {
      // On the release, so that the system does not take it as a new start of menu mode.
      break;
    } else if (!IsKeyMessage(msg.message)) {
      DispatchMessageW(&msg);
    }
  }
  FInMenuLoop = false;
  if (FHotObject) FHotObject->MouseLeave();
  if (!next) return;
  if (next->Submenu)
    PostOpenItem(*next);
  else if (next->Enabled)
    PostMessageW(FHandle, WM_COMMAND, next->Command, 0);
}

void TSkinForm::PostOpenItem(const TMenuBtn& item) {
  GetWindowRect(FHandle, &FWindowRect);
  const int x = item.Bounds.left + FWindowRect.left + 1;
  const int y = item.Bounds.top + FWindowRect.top + 1;
  PostMessageW(FHandle, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(x, y));
}

TMenuBtn* TSkinForm::ItemByAccelerator(wchar_t key) const {
  if (!FMenuBar) return nullptr;
  for (const auto& item : FMenuBar->Items)
    if (item->Enabled && item->Visible && host::IsAccel(key, item->Caption)) return item.get();
  return nullptr;
}

void TSkinForm::MenuLoopSelect(WPARAM wparam, LPARAM lparam) {
  MenuLoop& loop = Loop();
  const UINT flags = HIWORD(wparam);
  const auto menu = reinterpret_cast<HMENU>(lparam);
  if (flags == 0xFFFF && !menu) {
    if (!loop.switching) FInMenuLoop = false;
    return;
  }
  loop.switching = false;
  if (!FMenuBar || !FMenuBar->HostMenu) return;
  if (flags & MF_POPUP) {
    loop.current = reinterpret_cast<UINT_PTR>(GetSubMenu(menu, LOWORD(wparam)));
    loop.current_kind = host::TMenu::FindKind::Handle;
  } else {
    loop.current = LOWORD(wparam);
    loop.current_kind = host::TMenu::FindKind::Command;
  }
}

void TSkinForm::TrimSeparators(host::TMenuItem& item) {
  const int count = item.Count();
  auto shown = [&](int i) { return !item.Items(i).IsLine() && item.Items(i).Visible(); };
  int n = 0;
  for (int i = 0; i < count; ++i) {
    if (shown(i)) {
      n = i;
      break;
    }
    if (item.Items(i).IsLine()) item.Items(i).SetVisible(false);
  }
  host::TMenuItem* remembered = nullptr;
  for (int i = n; i < count; ++i) {
    host::TMenuItem& child = item.Items(i);
    if (child.IsLine()) {
      if (remembered && remembered->Visible()) remembered->SetVisible(false);
      remembered = &child;
    } else if (child.Visible()) {
      if (remembered && !remembered->Visible()) remembered->SetVisible(true);
      remembered = nullptr;
      n = i;
    }
  }
  for (int i = count - 1; i >= n; --i) {
    if (shown(i)) break;
    if (item.Items(i).IsLine()) item.Items(i).SetVisible(false);
  }
}

void TSkinForm::HandleOpenMenuAt(host::TMessage& m) {
  m.Result = 0;
  const POINT p = ToWindowPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  if (auto* item = dynamic_cast<TMenuBtn*>(ObjectAt(p))) OpenItem(item);
}

TNCObject* TSkinForm::ObjectAt(POINT p) {
  if (TWinSysButton* button = ButtonAt(p)) return button;
  return FMenuBar ? FMenuBar->ItemAt(p) : nullptr;
}

}  // namespace skin
