#pragma once
// The skinned menu bar: the window's menu taken off the window and its
// top-level items drawn in the band the frame reserves below the caption.
// The items are clickable non-client objects; the submenus open from them.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host/core/component.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/form/nc_object.h"

namespace host {
class TMainMenu;
class TMenuItem;
}  // namespace host

namespace skin {

class TSkinData;

// One top-level item of the bar.
class TMenuBtn : public TNCObject {
public:
  TMenuBtn(TSkinForm& form, TSkinData& data, int index) : TNCObject(form), SkinData(&data), Index(index) {}
  void Paint() override;

  host::TMenuItem* MenuItem = nullptr;  // not owned; none when the host menu lacks it
  TSkinData* SkinData;
  int Index;
  std::wstring Caption;  // with its "&" accelerator marker
  bool Enabled = true;
  HMENU Submenu = nullptr;
  UINT Command = 0;
};

class TSkinMenuBar : public host::TComponent {
public:
  TSkinMenuBar(TSkinForm& form, TSkinData& data);
  ~TSkinMenuBar() override;

  // The items from the window's menu, which is then taken off the window.
  void BuildItems();
  // The same from the host menu's own items only.
  void BuildItemsFromHostMenu();
  // After an MDI child changed the frame menu.
  void RebuildItems();
  // The host form lost its menu: no items, nothing to give back.
  void Clear();
  // Item bounds for the band as the frame lies now, without painting.
  void Layout();
  // Paints the bar into the DC at r (window coordinates) and places the items.
  void PaintBar(HDC dc, const RECT& r);
  // The item under a window point; items without a caption are never hit.
  TMenuBtn* ItemAt(POINT p) const;
  TMenuBtn* Item(int index) const;
  int ItemCount() const { return static_cast<int>(Items.size()); }
  bool RightToLeft() const;

  std::vector<std::unique_ptr<TMenuBtn>> Items;
  host::TMainMenu* HostMenu = nullptr;  // not owned; none for bare windows
  RECT BarRect{};
  TSkinData* SkinData;
  TSkinForm& Form;
  host::DibBitmap Background;  // the bar without items, to repaint one item
  bool Painting = false;
  HMENU MenuHandle = nullptr;

private:
  // Takes the window's menu as the bar's; false when the bar has nothing to show.
  bool TakeWindowMenu();
  void FreeItems();
  void ReadWin32Items();
  void PlaceItems(HDC dc, int bar_width, bool draw);
};

// W of an item: its caption measured in the DC's font, plus room around it.
int MenuBarItemWidth(HDC dc, const std::wstring& caption);
// A caption centred in rect, its accelerator underlined.
void DrawMenuBarCaption(HDC dc, const std::wstring& caption, const RECT& rect);

}  // namespace skin
