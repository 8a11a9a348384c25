#pragma once
// The popup menu of the form library: items made in code, shown at a screen
// point. A hidden window of its own owns the Win32 menu while it is tracked:
// it measures and draws owner-drawn items through their events and runs the
// chosen item's OnClick once the menu has closed.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/core/component.h"
#include "host/gdi/handles.h"

namespace host {

class TMenuItem;
class TPopupMenu;

// Width and height arrive with the library's own measure and may be changed.
using MenuMeasureEvent = std::function<void(TMenuItem& item, HDC dc, int& width, int& height)>;
using MenuDrawEvent = std::function<void(TMenuItem& item, HDC dc, const RECT& rect, bool selected)>;

// The colours of a plainly drawn item. With tint_glyphs the images are
// taken as one-colour glyphs and drawn in the item's text colour, so that
// they read on any background.
struct MenuItemColours {
  COLORREF back, selected_back, text, selected_text, disabled_text;
  bool tint_glyphs = false;
};

class TMenuItem : public TComponent {
public:
  TMenuItem(TPopupMenu& menu, UINT command);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
  TComponent* GetParentComponent() const override;

  // UTF-8; "-" makes the item a separator line.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index) { image_index_ = index; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  // The key shown at the item's right ("Alt+F4"); the menu does not bind it.
  const std::string& ShortCut() const { return shortcut_; }
  void SetShortCut(std::string text) { shortcut_ = std::move(text); }

  bool IsLine() const { return caption_ == "-"; }
  TPopupMenu& Menu() const { return menu_; }
  // The item's identifier in the Win32 menu.
  UINT Command() const { return command_; }
  void Click();

  // The library's look of an owner-drawn item without events: system colours.
  void MeasureDefault(HDC dc, int& width, int& height) const;
  void DrawDefault(HDC dc, const RECT& rect, bool selected) const;
  // The same layout in other colours: glyph box, text, key text at the right.
  void DrawWithColours(HDC dc, const RECT& rect, bool selected, const MenuItemColours& colours) const;

  NotifyEvent OnClick;
  void SetOnClick(NotifyEvent e) { OnClick = std::move(e); }
  MenuMeasureEvent OnMeasureItem;
  MenuDrawEvent OnDrawItem;

private:
  TPopupMenu& menu_;
  UINT command_;
  std::string caption_;
  std::string shortcut_;
  int image_index_ = -1;
  bool enabled_ = true;
  bool checked_ = false;
};

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TMenuItem& Add(std::string caption, std::int32_t tag = 0);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  TMenuItem* FindCommand(UINT command) const;

  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool on) { owner_draw_ = on; }
  // Not owned: whoever sets it keeps it alive while the menu is shown.
  HIMAGELIST Images() const { return images_; }
  void SetImages(HIMAGELIST images) { images_ = images; }

  // Shows the menu at the screen point and tracks it until it closes. The
  // chosen item's OnClick runs afterwards, from the message loop.
  void Popup(int x, int y);

private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  void CreateWindowOnce();
  void MeasureItem(MEASUREITEMSTRUCT& m);
  void DrawItem(const DRAWITEMSTRUCT& d);

  std::vector<std::unique_ptr<TMenuItem>> items_;
  bool owner_draw_ = false;
  HIMAGELIST images_ = nullptr;
  HWND window_ = nullptr;
  UINT next_command_ = 1;
};

// The menu font of the system's non-client metrics; none when it cannot be had.
Font CreateMenuFont();

}  // namespace host
