#pragma once
// Combo boxes: the sunken frame, the drop button and its arrow from the skin,
// over whatever the system drew. The edit of a drop-down combo is watched so
// that its painting and presses repaint the frame.
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinComBox : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) override;
  void Restore() override;
  void AfterMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

  DWORD WndStyle = 0;
  DWORD WndExStyle = 0;
  HWND ListWindow = nullptr;
  HWND EditWindow = nullptr;
  COMBOBOXINFO Info{};

private:
  void HookChildren();
  LRESULT EditMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  // Left presses and releases in the combo or its edit set and clear pressed.
  bool TrackPress(UINT msg);
  void DrawSimple(HDC dc, const RECT& rect, int state) const;
  // The ring the system leaves round a drop-down's edit, in the skin's content colour.
  void FillEditRing(HDC dc, const RECT& rect, bool enabled, bool left) const;
  void DrawComposed(HDC dc, const RECT& rect, int frame, bool left) const;

  host::WindowSubclass edit_;
};

}  // namespace skin
