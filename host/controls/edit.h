#pragma once
#include "host/controls/control.h"

namespace host {

enum TBorderStyle { bsNone, bsSingle };
extern const EnumInfo kBorderStyles;

// The system edit: what single-line edits, memos and spin edits share.
class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool on);
  // The window's text as it stands, typing included.
  std::string Text() const { return WindowText(); }
  void SetText(std::string text) { SetCaption(std::move(text)); }

protected:
  void FillCreateParams(CreateParams& params) override;

private:
  TBorderStyle border_style_ = bsSingle;
  bool read_only_ = false;
};

class TEdit : public TCustomEdit {
public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
};

}  // namespace host
