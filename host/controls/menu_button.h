#pragma once
#include "host/controls/button.h"

namespace host {

class TPopupMenu;

// A push button that drops its menu down under itself when clicked. The menu
// is a component of the same form, set by pointer or by name in a stored form.
class TMenuButton : public TButton {
public:
  explicit TMenuButton(TComponent* owner) : TButton(owner) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
  void Loaded() override;

  TPopupMenu* DropDownMenu() const { return menu_; }
  void SetDropDownMenu(TPopupMenu* menu);
  std::string DropDownMenuName() const;
  void SetDropDownMenuName(std::string name) { menu_name_ = std::move(name); }

  void Click() override;

private:
  TPopupMenu* menu_ = nullptr;
  std::string menu_name_;
};

}  // namespace host
