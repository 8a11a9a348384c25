#pragma once
// The clickable objects of the non-client area: caption buttons here, the
// menu-bar items with the menu bar.
#include <windows.h>

namespace skin {

class TSkinForm;
class TDataSkinSysButton;

class TNCObject {
public:
  enum { stNormal = 1, stPressed = 2, stHot = 3 };

  explicit TNCObject(TSkinForm& form) : form_(form) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Paint() {}

  RECT Bounds{};  // window coordinates
  bool Visible = false;
  int State = stNormal;

protected:
  TSkinForm& form_;
};

// A caption button bound to its descriptor (which the skin data owns).
class TWinSysButton : public TNCObject {
public:
  TWinSysButton(TSkinForm& form, TDataSkinSysButton& descriptor) : TNCObject(form), Descriptor(descriptor) {}
  void Paint() override;

  TDataSkinSysButton& Descriptor;
};

}  // namespace skin
