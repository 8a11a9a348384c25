#pragma once
#include "host/controls/edit.h"

namespace host {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// The multi-line system edit. Without word wrap its lines run on to the
// right, so it scrolls both ways.
class TMemo : public TCustomEdit {
public:
  explicit TMemo(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle bars) { scroll_bars_ = bars; }
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on) { word_wrap_ = on; }
  StringList Lines() const;
  void SetLines(const StringList& lines);

protected:
  void FillCreateParams(CreateParams& params) override;

private:
  TScrollStyle scroll_bars_ = ssNone;
  bool word_wrap_ = false;
};

}  // namespace host
