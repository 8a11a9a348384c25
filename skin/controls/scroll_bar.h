#pragma once
// Scroll-bar skinners: each keeps one overlay per real bar of its window and
// moves, shows and hides them with the window.
#include <memory>

#include "skin/controls/scroll_overlay.h"
#include "skin/controls/skin_control.h"

namespace skin {

// The overlays of one window and what both skinners do with them.
struct TScrollOverlays {
  std::unique_ptr<TWScrollbar> HorzBar;
  std::unique_ptr<TWScrollbar> VertBar;

  void Place() const;
  void Hide() const;
  // Placed when skin painting comes back on, hidden when it goes off.
  void Activate(bool on) const;
  bool AnyShown() const;
  void RepaintShown() const;
  // WM_HSCROLL / WM_VSCROLL: the scrolled part stays lit until SB_ENDSCROLL.
  void Scrolled(const host::TMessage& m) const;
  // The size-box corner between two shown bars, in window coordinates.
  bool Corner(HWND window, RECT& corner) const;
  // After the window painted: the shown overlays repaint, the missing ones
  // are placed when the style says there is a bar, the corner takes the face.
  void Draw(const TSkinControl& skinner, HDC dc, DWORD style) const;
};

// For a host control with native scroll bars, or (single bar) a scroll-bar
// control. An embedded bar's control lies inside a container that draws the
// border, so it gets none of its own.
class TSkinScrollbar : public TSkinControl {
public:
  TSkinScrollbar(host::TComponent* owner, bool single_bar, bool embedded_bar = false);
  ~TSkinScrollbar() override;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void Restore() override;
  void AfterMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

  TWScrollbar* HorzBar() const { return bars_.HorzBar.get(); }
  TWScrollbar* VertBar() const { return bars_.VertBar.get(); }
  bool Sized = false;
  bool DrawBorder = false;

protected:
  void SkinActiveChanged() override;

private:
  bool single_bar_;
  bool embedded_bar_;
  TScrollOverlays bars_;
};

// The same for a bare window: the list of a simple combo box, the windows of
// system dialogs; a bare scroll-bar control gets one overlay over itself.
class TSkinScrollbarH : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbarH() override;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) override;
  void Restore() override;
  void AfterMessage(host::TMessage& m) override;
  void Draw(HDC dc, const RECT& rect) override;

  TWScrollbar* HorzBar() const { return bars_.HorzBar.get(); }
  TWScrollbar* VertBar() const { return bars_.VertBar.get(); }

protected:
  void SkinActiveChanged() override;

private:
  TScrollOverlays bars_;
};

}  // namespace skin
