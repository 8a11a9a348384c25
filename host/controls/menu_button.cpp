#include "host/controls/menu_button.h"

#include "host/menus/popup_menu.h"

namespace host {

const ClassInfo& TMenuButton::Info() {
  static const ClassInfo info{"TMenuButton", &TButton::Info(), {
      props::Text<&TMenuButton::DropDownMenuName, &TMenuButton::SetDropDownMenuName>("DropDownMenu"),
  }, [](TComponent* owner) -> TComponent* { return new TMenuButton(owner); }};
  return info;
}

void TMenuButton::Loaded() {
  TButton::Loaded();
  if (!menu_name_.empty() && Owner()) SetDropDownMenu(dynamic_cast<TPopupMenu*>(Owner()->FindComponent(menu_name_)));
}

void TMenuButton::SetDropDownMenu(TPopupMenu* menu) {
  menu_ = menu;
  menu_name_ = menu ? menu->Name() : std::string();
}

std::string TMenuButton::DropDownMenuName() const { return menu_ ? menu_->Name() : menu_name_; }

void TMenuButton::Click() {
  TButton::Click();
  if (!menu_ || !HandleAllocated()) return;
  RECT r;
  GetWindowRect(WindowHandle(), &r);
  menu_->Popup(r.left, r.bottom);
}

}  // namespace host
