#pragma once
// Menus of the form library: a tree of items mirrored by Win32 menus. Every
// item that has children owns the Win32 popup that shows them; the handles
// live as long as their items, so a change never replaces a menu that is
// showing. Items are components: a stored form declares them nested in their
// menu or in their parent item.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/core/component.h"
#include "host/gdi/handles.h"

namespace host {

class Canvas;
class TImageList;
class TMenu;
class TMenuItem;

// The canvas is bound to the item's DC with the menu font selected. Width and
// height arrive with the library's own measure and may be changed.
using MenuMeasureEvent = std::function<void(TMenuItem& item, Canvas& canvas, int& width, int& height)>;
using MenuDrawEvent = std::function<void(TMenuItem& item, Canvas& canvas, const RECT& rect, bool selected)>;

enum class TBiDiMode { bdLeftToRight, bdRightToLeft };

// The colours of a plainly drawn item.
struct MenuItemColours {
  COLORREF back, selected_back, text, selected_text, disabled_text;
};

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

  // The tree. Children keep their owners; a child freed leaves its parent.
  TMenuItem* Parent() const { return parent_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  int MenuIndex() const;
  void Insert(int index, TMenuItem& item);
  void Add(TMenuItem& item) { Insert(Count(), item); }
  // A new child owned by this item.
  TMenuItem& Add(std::string caption, std::int32_t tag = 0);
  void Remove(TMenuItem& item);
  // The menu the tree belongs to; none while the item hangs in no menu.
  TMenu* GetParentMenu() const;
  TMenuItem* FindCommand(UINT command);
  TMenuItem* FindHandle(HMENU handle);

  // UTF-8, "&" marks the accelerator; "-" makes the item a separator line.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // The key text shown at the item's right ("Ctrl+O").
  const std::string& ShortCut() const { return shortcut_; }
  void SetShortCut(std::string text);
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group.
  void SetChecked(bool checked);
  bool RadioItem() const { return radio_; }
  void SetRadioItem(bool radio);
  int GroupIndex() const { return group_; }
  void SetGroupIndex(int group) { group_ = group; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Default() const { return default_; }
  void SetDefault(bool on);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);

  bool IsLine() const { return caption_ == "-"; }
  // The item's identifier in its Win32 menu, unique in the process.
  UINT Command() const { return command_; }
  // The Win32 popup of the children; none without children.
  HMENU Handle();
  // The Win32 menu the item itself is shown in.
  HMENU MenuHandle() const;
  void Click();

  // The library's look of an owner-drawn item, in system colours.
  void MeasureDefault(Canvas& canvas, int& width, int& height) const;
  void DrawDefault(Canvas& canvas, const RECT& rect, bool selected) const;
  void DrawWithColours(Canvas& canvas, const RECT& rect, bool selected, const MenuItemColours& colours) const;

  NotifyEvent OnClick;
  void SetOnClick(NotifyEvent e) { OnClick = std::move(e); }
  MenuMeasureEvent OnMeasureItem;
  MenuDrawEvent OnDrawItem;

private:
  friend class TMenu;
  // The Win32 item that shows this item, filled from its properties.
  void FillInfo(MENUITEMINFOW& info, std::wstring& text);
  // Puts the children into the Win32 popup again after a change of the tree.
  void RebuildHandle();
  // A property changed: the Win32 item follows and the menu is told.
  void Changed();
  void UncheckGroup();

  TMenu* menu_ = nullptr;  // set on a menu's root item only
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
  HMENU handle_ = nullptr;
  UINT command_;
  std::string caption_;
  std::string shortcut_;
  int image_index_ = -1;
  int group_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool radio_ = false;
  bool default_ = false;
};

// A menu: a root item whose children are the menu's items.
class TMenu : public TComponent {
public:
  ~TMenu() override;
  static const ClassInfo& Info();

  TMenuItem& Items() const { return *items_; }
  // A new top-level item owned by the menu.
  TMenuItem& Add(std::string caption, std::int32_t tag = 0) { return items_->Add(std::move(caption), tag); }
  int Count() const { return items_->Count(); }
  HMENU Handle() { return items_->Handle(); }

  enum class FindKind { Command, Handle };
  TMenuItem* FindItem(UINT_PTR value, FindKind kind) const;

  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool on);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  std::string ImagesName() const;
  void SetImagesName(std::string name) { images_name_ = std::move(name); }
  TBiDiMode BiDiMode() const { return bidi_; }
  void SetBiDiMode(TBiDiMode mode);
  bool IsRightToLeft() const { return bidi_ == TBiDiMode::bdRightToLeft; }
  void Loaded() override;

  // The messages of an owner-drawn menu, for whoever receives them.
  bool MeasureItem(MEASUREITEMSTRUCT& m);
  bool DrawItem(const DRAWITEMSTRUCT& d);
  // A WM_COMMAND of the menu: the item of that command is clicked.
  bool DispatchCommand(UINT command);
  // WM_MENUCHAR for one of the menu's Win32 menus: the item whose "&"
  // accelerator is the key, as the system finds it for items it draws itself.
  std::optional<LRESULT> MenuChar(wchar_t key, HMENU menu) const;
  // A key press that is the shortcut of an enabled item clicks that item.
  bool IsShortCut(const MSG& msg);

  // After any change of an item or of the menu.
  virtual void MenuChanged() {}

protected:
  explicit TMenu(TComponent* owner, bool bar);

private:
  friend class TMenuItem;
  // The menu font, made once for every measure and paint of an item.
  HFONT ItemFont();
  // A memory DC with the menu font selected, made at the first measure.
  HDC MeasureDc();

  std::unique_ptr<TMenuItem> items_;
  // Declared in this order so that the DC lets go of the font before it is freed.
  Font item_font_;
  MemoryDc measure_dc_;
  bool bar_;
  bool owner_draw_ = false;
  TImageList* images_ = nullptr;
  std::string images_name_;
  TBiDiMode bidi_ = TBiDiMode::bdLeftToRight;
};

class TForm;

// The menu bar of a form (the form's Menu).
class TMainMenu : public TMenu {
public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner, true) {}
  ~TMainMenu() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  // The form shows the menu; set by the form.
  void SetWindowForm(TForm* form) { form_ = form; }
  void MenuChanged() override;

private:
  TForm* form_ = nullptr;
};

// The menu font of the system's non-client metrics; none when it cannot be had.
LOGFONTW MenuFontInfo();

// Whether the caption's "&" accelerator is the key, case-insensitive; "&&" is a plain "&".
bool IsAccel(wchar_t key, std::wstring_view caption);

}  // namespace host
