#pragma once
#include "host/controls/font.h"
#include "host/core/component.h"

namespace host {

// The system's font dialog, starting from Font and leaving the choice there.
class TFontDialog : public TComponent {
public:
  explicit TFontDialog(TComponent* owner) : TComponent(owner) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TFont& Font() { return font_; }
  // True when the user chose a font.
  bool Execute();

private:
  TFont font_;
};

}  // namespace host
