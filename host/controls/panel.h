#pragma once
#include "host/controls/control.h"

namespace host {

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// A container of our own window class: a bevel, a centred caption, and the
// controls it parents. With ParentBackground it shows its parent's colour;
// a transparent panel paints no background at all.
class TCustomPanel : public TWinControl {
public:
  explicit TCustomPanel(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TPanelBevel BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TPanelBevel bevel);
  bool ParentBackground() const { return parent_background_; }
  void SetParentBackground(bool on);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(TMessage& msg) override;
  void PaintWindow(HDC dc) override;

private:
  TPanelBevel bevel_outer_ = bvRaised;
  bool parent_background_ = true;
  bool transparent_ = false;
};

class TPanel : public TCustomPanel {
public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
};

}  // namespace host
