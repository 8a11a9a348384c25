#pragma once
// A small window of our own laid exactly over a real scroll bar: a control's
// non-client bar or a scroll-bar control. It paints the bar from the skin and
// hands every press to the real bar, so the system's own scrolling (repeat,
// paging, thumb tracking) keeps working; it only follows the real bar.
#include <windows.h>

#include <memory>

#include "host/controls/control.h"

namespace skin {

class TSkinControl;

// Modes: the target's horizontal bar, its vertical bar, a scroll-bar control.
enum TBarMode : int { bmHorizontal = 0, bmVertical = 1, bmControl = 2 };

class TWScrollbar : public host::TWinControl {
public:
  explicit TWScrollbar(TSkinControl* owner);
  ~TWScrollbar() override;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void AttachControl(TSkinControl* skinner, host::TControl* control, int mode);
  void AttachWindow(TSkinControl* skinner, HWND window, int mode);
  // Shows, moves or hides the overlay after the real bar.
  void Place();
  void HideBar();
  void Repaint();
  // The part under a point in overlay coordinates: an SB_* line or page
  // code, or SB_THUMBTRACK for the thumb.
  int HitTest(POINT p) const;

  int BarLength = 0;
  int ThumbStart = 0;
  int ThumbEnd = 0;
  POINT BarOrigin{};
  POINT DownCursor{};
  int DownThumbStart = 0;
  int Vertical = 0;
  int HotPart = -1;
  int ArrowSize = 0;
  HWND TargetWindow = nullptr;
  host::TControl* TargetControl = nullptr;
  TSkinControl* Owner = nullptr;
  int Mode = bmHorizontal;
  POINT RectTopLeft{};
  POINT RectBottomRight{};
  bool Shown = false;
  bool Pressed = false;

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(host::TMessage& m) override;

private:
  struct BarInfo {
    RECT bar;  // screen
    int thumb_start, thumb_end;
    bool invisible, disabled;
  };
  bool GetBarInfo(BarInfo& info) const;
  void Attach(TSkinControl* skinner, HWND window, int mode);
  // The press point as the real bar takes it (screen, or the control's client).
  POINT PressPoint(LPARAM lparam);
  void MouseMove(LPARAM lparam);
  void Press(LPARAM lparam);
  void Release(LPARAM lparam);
  void TrackThumb();
  void Paint(HDC dc);

  // Cleared when the overlay goes: a forwarded press runs the system's loop,
  // in which the overlay may be freed.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
