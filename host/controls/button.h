#pragma once
#include "host/controls/control.h"

namespace host {

// The system push button.
class TButton : public TWinControl {
public:
  explicit TButton(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(TMessage& msg) override;

private:
  bool default_ = false;
};

}  // namespace host
