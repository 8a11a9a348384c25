#pragma once
#include "host/controls/control.h"

namespace host {

enum TUDOrientation { udHorizontal, udVertical };

// The system up-down ("msctls_updown32"). With an associate (a control of
// the same form, by pointer or by name in a stored form) it sits at the
// associate's right and writes its position into the associate's text.
class TUpDown : public TWinControl {
public:
  explicit TUpDown(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
  void Loaded() override;

  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const;
  void SetPosition(int v);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation o) { orientation_ = o; }
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* control);
  std::string AssociateName() const { return associate_ ? associate_->Name() : associate_name_; }
  void SetAssociateName(std::string name) { associate_name_ = std::move(name); }

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  int min_ = 0, max_ = 100, position_ = 0;
  TUDOrientation orientation_ = udVertical;
  TWinControl* associate_ = nullptr;
  std::string associate_name_;
};

}  // namespace host
