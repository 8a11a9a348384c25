#pragma once
#include <memory>

#include "host/controls/button_face.h"
#include "host/controls/graphic_control.h"
#include "host/graphics/bitmap.h"

namespace host {

// A windowless tool button. A button of a group (GroupIndex other than 0)
// stays down when clicked and lets the group's other buttons up; with
// AllowAllUp a click lets the down one up again. A flat button shows its
// edge only while the mouse is over it or it is down.
class TSpeedButton : public TGraphicControl {
public:
  explicit TSpeedButton(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TBitmap* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);
  bool Flat() const { return flat_; }
  void SetFlat(bool on);
  bool Down() const { return down_; }
  void SetDown(bool on);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index) { group_index_ = index; }
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool on) { allow_all_up_ = on; }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  // The mouse is over the button.
  bool Hot() const { return hot_; }

protected:
  void WndProc(TMessage& msg) override;
  void Paint(HDC dc) override;

private:
  void SetPressed(bool on);
  void Released(bool inside);

  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
  int num_glyphs_ = 1;
  bool flat_ = false;
  bool down_ = false;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool hot_ = false;
  bool tracking_ = false;  // the left button went down on us
  bool pressed_ = false;   // ... and the mouse is over us
};

}  // namespace host
