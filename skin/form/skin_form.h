#pragma once
// The per-window skinner: it takes over a window's messages (and a host
// form's window-procedure slot), paints the whole non-client area from the
// skin and keeps the geometry the system believes in consistent with the
// skin's frame sizes.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/controls/form.h"
#include "host/controls/message.h"
#include "host/controls/subclass.h"
#include "host/core/component.h"
#include "host/core/handler_depth.h"
#include "host/gdi/handles.h"
#include "host/graphics/dib_bitmap.h"
#include "host/system/timer.h"
#include "skin/form/frame_region.h"
#include "skin/form/menu_bar.h"
#include "skin/form/nc_object.h"
#include "skin/form/window_change.h"

namespace host {
class TMainMenu;
class TMenuItem;
class TPopupMenu;
class Canvas;
}

namespace skin {

class TSkinData;
class TSkinManage;
class TSkinControl;

// Life states of a form skinner.
enum TFormLife : int {
  flCreated = 0,     // skin-now not handled yet: no frame painted
  flRunning = 1,
  flReskinning = 3,  // re-applying a changed skin
  flDestroying = 4,  // inside WM_NCDESTROY
  flFirstFit = 5,    // the first size fitting inside skin-now
  flGone = 6,        // the window is gone; the manager frees the skinner
};

// FCaps bits.
enum : std::uint8_t { capMaximize = 1, capMinimize = 2, capSysMenu = 8, capOwnCaption = 16 };

enum class TMDIKind : std::uint8_t { Plain, MainForm, Child };
enum class TBorderKind : std::uint8_t { Sizeable, Single, NoCaption, Dialog };
enum class TWindowState : std::uint8_t { Normal, Maximized, Minimized };

class TSkinForm : public host::TComponent {
public:
  // owner: the host form, or null for a bare window.
  explicit TSkinForm(host::TComponent* owner);
  ~TSkinForm() override;

  // For a host-framework form: takes over its window-procedure slot too.
  void AttachForm(TSkinData* data, host::TForm* form);
  // The common set-up; the manager calls it directly for bare windows.
  void PrepareWindow(TSkinData* data);
  // On skin-now: the set-up that needs the window's first messages handled.
  void FinishAttach();
  // Unskin while the window lives: everything back as it was.
  void Detach();
  // Unskin inside WM_NCDESTROY.
  void DetachOnDestroy();
  // Re-apply after the skin data loaded another skin.
  void SkinChanged();

  // Every control skinner lets go of its control and is freed.
  void FreeControls();

  // Child-control discovery: which control gets which control skinner.
  void DiscoverForm(host::TForm& form);
  void DiscoverComponents(host::TComponent& container);
  void DiscoverControl(host::TControl& control, host::TComponent* container);
  void DiscoverWindows(HWND parent);
  // Also called by the manager for a size grip made under the skinned window.
  void DiscoverWindow(HWND window);
  // A child window made after skin-now (WM_PARENTNOTIFY), for bare windows.
  void NoticeChild(HWND child);
  bool HasSkinnerOf(HWND window) const;
  bool IsSkinned(host::TControl& control) const;
  bool IsExcluded(host::TControl& control) const;
  static bool HasScrollBars(host::TControl& control);
  void ReskinControl(HWND window);
  void PurgeControls();

  void FitWindowSize(bool after_skin_change);
  void SetCaptionStyle(bool on);
  void SetSysMenuStyle(bool on);

  // Frame geometry and painting.
  void ReadFrameMetrics();
  // True when a new region was set. With `redraw` the window repaints its
  // frame; without, the caller paints it.
  bool UpdateRegion(bool redraw = true);
  // A size change has outrun the region: the window's WM_SIZE is still to come.
  bool RegionBehind() const;
  // The region for a window of w x h: the interior and the opaque pixels of the borders.
  host::Region BuildRegion(int w, int h);
  // One border's opaque pixels at rect (window coordinates): composed and
  // scanned whole, or from the border's profile when it has one.
  host::Region ScannedBorder(int index, const RECT& rect) const;
  // The region as it was built before borders were read once: every border
  // composed at the window's size and scanned whole; tests and benchmarks
  // hold the region against it.
  host::Region ScannedRegion(int w, int h) const;
  host::Region BorderRegion(int index, const RECT& rect);
  // The border's profile for the frame it shows now, read on first use;
  // none when its middle is not the same all along.
  const BorderProfile* Profile(int index, int across);
  void PaintFrame(HDC dc = nullptr);
  void PaintCaption(HDC dc);
  // The top end of side border 1 or 2 into the caption picture at x.
  void CopyCaptionCorner(int index, int x, HDC window);
  // One frame element (1 left, 2 right, 3 top, 4 bottom) composed at the size
  // of rect and copied to the DC at its top-left.
  void PaintBorder(int index, const RECT& rect, HDC dc);
  // The element's picture at the given size, active or inactive frame.
  host::DibBitmap ComposeBorder(int index, int width, int height) const;
  // The same into the top-left of `target`, which is at least that large.
  bool ComposeBorderInto(int index, host::DibBitmap& target, int width, int height) const;
  // The frame the element shows now: 2 for an inactive window when it has two.
  int BorderFrame(int index) const;
  void RefreshIcon();
  void DrawIcon(HDC dc, const RECT& rect);
  // DrawIcon onto the caption picture, from the last drawing when the
  // pixels it covers are the same again.
  void PaintIcon(host::DibBitmap& caption, const RECT& rect);
  void PaintCaptionText(host::Canvas& canvas, const RECT& caption);

  // Caption buttons.
  void CreateButtons();
  void FreeButtons();
  bool ButtonVisible(int index);
  void LayoutButtons();
  void PaintButtons(host::DibBitmap& caption);
  TWinSysButton* ButtonAt(POINT p);
  POINT ToWindowPoint(int screen_x, int screen_y) const;
  void DoButtonAction(int screen_x, int screen_y);
  void ToggleMaximize();
  void ToggleMinimize();
  void RestoreWindow();
  void ShowSystemMenu(POINT screen);
  void BuildSystemMenu();
  void HoverTick();
  // The caption button, else the menu-bar item, at a window point.
  TNCObject* ObjectAt(POINT p);

  // The menu bar. OpenItem tracks the item's submenu and says whether it had one.
  bool OpenItem(TMenuBtn* item);
  // Opens the item through a posted click, after any submenu that shows has closed.
  void PostOpenItem(const TMenuBtn& item);
  TMenuBtn* ItemByAccelerator(wchar_t key) const;
  // No separator at either end of the item's submenu, none next to another.
  static void TrimSeparators(host::TMenuItem& item);
  // WM_MENUSELECT of the submenu the bar tracks.
  void MenuLoopSelect(WPARAM wparam, LPARAM lparam);
  // This skinner's bar has a submenu open.
  bool TracksMenuBar() const;

  // Owner-drawn menu items in the skin.
  void HookMainMenus(host::TForm& form, bool on);
  void HookPopupMenus(host::TComponent& container, bool on);
  // Every item of the popup is measured and drawn in the skin.
  void HookOwnPopup(host::TPopupMenu& popup);
  // The host form's menus get their own drawing back.
  void ReleaseMenus();
  host::TMainMenu* HostMenu() const;
  void MeasureMenuItem(host::TMessage& m);
  void DrawMenuItem(host::TMessage& m);
  void MeasureHostItem(host::TMenuItem& item, host::Canvas& canvas, int& width, int& height);
  void MeasureOwnItem(host::TMenuItem& item, host::Canvas& canvas, int& width, int& height);
  void MeasureWin32Item(MEASUREITEMSTRUCT& record);
  void PaintItem(host::TMenuItem& item, host::Canvas& target, bool selected, const RECT& rect);
  void PaintWin32Item(HMENU menu, host::TMenuItem& item, bool selected, const RECT& rect, host::Canvas& target);
  void PaintPlainItem(host::TMenuItem& item, host::Canvas& target, bool selected, const RECT& rect);
  void PaintItemContent(host::TMenuItem& item, host::Canvas& canvas, bool selected, const RECT& rect);
  void PaintItemText(host::TMenuItem& item, host::Canvas& canvas, UINT format, bool selected, RECT& rect,
                     std::wstring text);
  void PaintSeparator(host::Canvas& target, const RECT& rect);
  // The item's rectangle of the popup's background picture, or the menu
  // colour, in the item bitmap that every item paint reuses.
  host::DibBitmap& ItemBackground(HMENU menu, const RECT& rect);
  // Frame k of the menu-item picture on the item bitmap; the composed
  // pictures are kept, as the items of a menu share their size.
  void DrawItemFace(host::DibBitmap& bitmap, int k);

  // Message handlers by Part of the dispatch.
  void HandleNcCalcSize(host::TMessage& m);
  void HandleNcPaint(host::TMessage& m);
  void HandleNcActivate(host::TMessage& m);
  void HandleNcHitTest(host::TMessage& m);
  void HandleNcMouseMove(host::TMessage& m);
  void HandleNcLButtonDown(host::TMessage& m);
  void HandleNcLButtonUp(host::TMessage& m);
  void HandleNcLButtonDblClk(host::TMessage& m);
  void HandleNcRButtonDown(host::TMessage& m);
  void HandleSysCommand(host::TMessage& m);

  // The default step: the window's own procedure from before attach.
  void Default(host::TMessage& m);
  // An MDI main form whose active child is maximised.
  bool ActiveChildMaximized() const;
  void ReadWindowState();
  bool Attached() const { return FWndSubclass.Installed(); }
  // While one of the skinner's handlers runs (it may have started a menu, a
  // move or size loop or a message box), freeing waits for it to return.
  bool Busy() const { return FDepth.Running(); }
  // Frees the skinner now, or, while a handler runs, once the outermost one returned.
  static void Free(std::unique_ptr<TSkinForm> form);

  // What the manager sets.
  HWND FHandle = nullptr;
  TSkinData* FSkinData = nullptr;
  TSkinManage* FOwnerToken = nullptr;

  // The three places the skinner sits in front of: the host form's slot,
  // the window's procedure and an MDI main form's client procedure.
  host::SlotHook FFormHook;
  host::WindowSubclass FWndSubclass;
  host::WindowSubclass FClientSubclass;
  host::HandlerDepth FDepth;
  host::Font FCaptionFont;
  host::TTimer* FHoverTimer = nullptr;
  std::string FClassName;
  bool FSavedMenuUpdate = false;
  bool FSkinFrame = false;
  WindowChange FRedrawOff;   // WM_SETREDRAW off until skin-now
  WindowChange FCaptionOff;  // WS_CAPTION taken off while the skinner paints the caption
  RECT FClientRect{};
  DWORD FLastSysClick = 0;
  DWORD FDoubleClickTime = 0;
  int FCaptionTextWidth = 0;
  HWND FOwnerWnd = nullptr;
  HICON FIcon = nullptr;
  host::Icon FIconCopy;  // FIcon at the small-icon size, made when the icon is read
  int FIconSize = 0;
  std::wstring FCaptionText;
  int FBorderLeft = 0, FBorderTop = 0, FBorderRight = 0, FBorderBottom = 0;
  RECT FWindowRect{};
  RECT FCaptionTextRect{};
  RECT FOsFrameSize{};
  int FMenuBarHeight = 0;
  bool FInMenuLoop = false;
  bool FRightToLeft = false;
  bool FSizeable = false;
  bool FUnicode = false;
  bool FIsDialog = false;
  bool FIsChild = false;
  std::unique_ptr<host::TPopupMenu> FSysPopup;
  HWND FMDIClient = nullptr;
  HMENU FMenuHandle = nullptr;
  HMENU FSysMenu = nullptr;
  HMENU FTrackedMenu = nullptr;  // the submenu last opened from the menu bar
  std::unique_ptr<TSkinMenuBar> FMenuBar;
  std::int32_t FSavedColor = 0;
  DWORD FStyle = 0;
  TNCObject* FHotObject = nullptr;
  bool FHasRegion = false;
  HRGN FRegion = nullptr;  // owned by the window once set; kept to know what we set
  host::TForm* FHostForm = nullptr;
  std::vector<std::unique_ptr<TWinSysButton>> FButtons;
  // The control skinners of this window; owned, freed through TSkinControl::Free.
  std::vector<TSkinControl*> FControls;
  host::Canvas* FControlCanvas = nullptr;
  host::DibBitmap FIconBitmap, FCaptionBitmap;
  host::DibBitmap FItemBitmap;
  struct ItemFace {
    const void* element;
    int k, width, height;
    host::DibBitmap picture;
  };
  std::vector<ItemFace> FItemFaces;
  int FWidth = 0, FHeight = 0;
  int FRgnWidth = 0, FRgnHeight = 0;
  bool FActive = true;
  TMDIKind FMDIKind = TMDIKind::Plain;
  TBorderKind FBorderKind = TBorderKind::Single;
  std::uint8_t FCaps = 0;
  TWindowState FWindowState = TWindowState::Normal;
  int FState = flCreated;

private:
  // The host form goes, perhaps from inside one of our handlers (a control's
  // click that frees its form): then the object waits for the handler.
  void OwnerFrees() override;
  LRESULT Enter(void (TSkinForm::*proc)(host::TMessage&), UINT msg, WPARAM wparam, LPARAM lparam);
  void WindowProc(host::TMessage& m);
  bool Stage1(host::TMessage& m);
  bool Stage2(host::TMessage& m);
  void Stage3(host::TMessage& m);
  void FormHook(host::TMessage& m);
  void ClientProc(host::TMessage& m);
  void PassToClient(host::TMessage& m);
  void HandleSize(host::TMessage& m);
  // from_form: the notification came through the host form's slot.
  void HandleMenuChanged(host::TMessage& m, bool from_form);
  void HandleDialogChar(host::TMessage& m);
  void HandleOpenMenuAt(host::TMessage& m);
  // Keeps the bar item at the index selected after a submenu closed, until
  // it is chosen or the user leaves the bar.
  void HoldItem(int index);
  // The menu loop forgets a skinner that goes.
  void ForgetMenuLoop();
  void HandleCtlColor(host::TMessage& m);
  void InstallWindowProc();
  // Gives the window, its host form and its MDI client their own procedures back.
  void ReleaseHooks();
  void RestoreFormColor();
  void RedrawAll();
  void DropRegion();
  bool IsMDIChild() const { return FMDIKind == TMDIKind::Child; }
  // Border profiles read so far, by frame element, frame and width across;
  // the skin's frame elements are the same until ReadFrameMetrics runs again.
  struct ProfileSlot {
    int index, k, across;
    std::optional<BorderProfile> profile;
  };
  std::vector<ProfileSlot> FBorderProfiles;
  // The last picture painted of each frame element, by size and frame (0:
  // none), in the top-left of a bitmap that may be larger.
  struct BorderPicture {
    int k = 0, width = 0, height = 0;
    host::DibBitmap picture;
  };
  BorderPicture FBorderPictures[4];
  // The icon's last drawing on the caption picture (at `at`, window
  // coordinates) and the pixels it covered, until the icon is read again.
  struct IconPicture {
    RECT at{};
    host::DibBitmap under, drawn;
  };
  IconPicture FIconPicture;
};

}  // namespace skin
