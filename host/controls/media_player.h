#pragma once
#include <cstdint>

#include "host/controls/control.h"

namespace host {

// The transport buttons, in the order they stand from left to right.
enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
inline constexpr int kMPButtonCount = 9;
// A set of buttons: bit i is button i.
using TButtonSet = std::uint32_t;
inline constexpr TButtonSet kAllMPButtons = (1u << kMPButtonCount) - 1;

// A row of transport buttons that plays nothing itself: the visible ones
// share the width equally, and a press and release on the same enabled
// button runs OnClick, with ClickedButton telling which one it was.
class TMediaPlayer : public TWinControl {
public:
  explicit TMediaPlayer(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TButtonSet VisibleButtons() const { return visible_buttons_; }
  void SetVisibleButtons(TButtonSet buttons);
  TButtonSet EnabledButtons() const { return enabled_buttons_; }
  void SetEnabledButtons(TButtonSet buttons);
  TButtonSet ColoredButtons() const { return colored_buttons_; }
  void SetColoredButtons(TButtonSet buttons);

  // The visible button under a client x (a shared edge belongs to the left
  // one); -1 when there is none.
  int ButtonAt(int x) const;
  TMPBtnType ClickedButton() const { return clicked_; }

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(TMessage& msg) override;
  void PaintWindow(HDC dc) override;

private:
  int ButtonWidth() const;
  bool IsEnabledButton(int button) const;

  TButtonSet visible_buttons_ = kAllMPButtons;
  TButtonSet enabled_buttons_ = kAllMPButtons;
  TButtonSet colored_buttons_ = kAllMPButtons;
  int pressed_ = -1;  // the button the mouse went down on
  TMPBtnType clicked_ = btPlay;
};

// A plain transport symbol (triangle, bars, square, ...) of the button,
// centred in the rectangle.
void DrawTransportSymbol(HDC dc, const RECT& rect, int button, COLORREF colour);

}  // namespace host
