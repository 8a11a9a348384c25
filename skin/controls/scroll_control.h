#pragma once
// A scroll-bar control skinned through one overlay over the whole control,
// which follows the control's place, visibility and scroll state, and shows
// the control's hint as its own.
#include <memory>

#include "skin/controls/scroll_overlay.h"
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinScControl : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinScControl() override;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void Restore() override;
  void AfterMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

  TWScrollbar* Overlay() const { return overlay_.get(); }

private:
  std::unique_ptr<TWScrollbar> overlay_;
};

}  // namespace skin
