#pragma once
// A column header painted from the skin's Headerbar: each item on frame 1,
// the item under the mouse on frame 2, the rest of the bar on frame 1, the
// captions and their images drawn over them. A skin without a Headerbar
// picture leaves the header to the system.
#include <vector>

#include "skin/controls/skin_control.h"

namespace skin {

class TSkinHeader : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) override;
  bool BeforeMessage(host::TMessage& m) override;
  void AfterMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

  // Each item's rectangle narrowed by 3 pixels left and right: moving over
  // the dividers between items does not light either.
  std::vector<RECT> ItemRects;
  int HotItem = -1;

private:
  bool HasPicture() const;
  void DrawItem(HDC dc, int index, const RECT& item, HIMAGELIST images) const;
  host::DibBitmap ComposeBar(int width, int height, int frame) const;
};

}  // namespace skin
