#pragma once
// The base of every control skinner: a small object in front of one window's
// messages, either a host control's (through its window-procedure slot) or a
// bare window's (through its Win32 procedure). It lets the window do its own
// work and paints the skin over it.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "host/controls/control.h"
#include "host/controls/subclass.h"
#include "host/core/colour.h"
#include "host/core/component.h"
#include "host/core/handler_depth.h"
#include "host/graphics/dib_bitmap.h"

namespace host {
class Canvas;
}

namespace skin {

class TSkinData;
class TSkinForm;

// MouseFlags bits.
enum : std::uint8_t { mfHot = 1, mfPressed = 2 };

// Life states of a control skinner.
enum TControlLife : int { clCreated = 0, clAttached = 1, clGone = 6 };

// Switches skin painting of a skinned control on (wParam > 0) or off.
inline constexpr UINT kSkinActive = 0x3506;

class TSkinControl : public host::TComponent {
public:
  // owner: the host control, or null for a bare window.
  explicit TSkinControl(host::TComponent* owner);
  ~TSkinControl() override;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  virtual void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas);
  virtual void AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas);
  // Undoes what Attach changed on the host control.
  virtual void Restore();
  // True lets the previous handler run, followed by AfterMessage.
  virtual bool BeforeMessage(host::TMessage& m);
  virtual void AfterMessage(host::TMessage& m);
  // The whole window from the skin; a DC of null takes the window DC.
  virtual void PaintFrame(HDC dc);
  // The skin for a rectangle at origin (0, 0) of the window's size.
  virtual void Draw(HDC dc, const RECT& rect);
  virtual void SkinChanged();

  // Frees the skinner now, or, while one of its handlers runs, lets go of
  // the window now and frees it when the outermost handler returns.
  static void Free(TSkinControl* skinner);

  void WndProc(host::TMessage& m);
  void CallPrevious(host::TMessage& m);
  void Refresh();
  void FillFace(HDC dc, const RECT& rect) const;
  host::TColor ParentColor(host::TColor fallback) const;
  void FillParentColor(HDC dc, const RECT& rect) const;
  LONG GetWindowLongAW(HWND window, int index) const;
  void DrawTextFocus(HDC dc, UINT format, const RECT& rect) const;
  void ForwardMouseDown(const host::TMessage& m);
  void SetParentBackground(bool attaching);
  // WM_PAINT or WM_PRINT (the DC in wParam, or a paint of its own) drawn
  // through an off-screen copy of the client area: Draw paints the copy,
  // which then reaches the window in one piece.
  void PaintBuffered(host::TMessage& m);
  // The parent's picture behind the client area.
  void PaintParentBackground(HDC dc) const;
  // A caption and its image within rect, in the DC's font and text colour:
  // the image of `images` at `image` (none for -1 or no list) at the left,
  // vertically centred, the text on one line beside it with the alignment
  // (DT_LEFT, DT_CENTER or DT_RIGHT). An empty text draws nothing at all.
  void DrawCaptionImage(HDC dc, const RECT& rect, UINT align, std::wstring_view text, HIMAGELIST images,
                        int image) const;
  static bool IsPopupOrDesktopChild(HWND window);

  HWND Window() const noexcept { return Handle; }
  host::TControl* HostControl() const noexcept { return Control; }

  std::uint8_t MouseFlags = 0;
  host::Canvas* FormCanvas = nullptr;
  bool Enabled = false;
  bool Focused = false;
  std::wstring Text;
  bool SkinActive = true;
  bool UnicodeWindow = false;
  TSkinData* SkinData = nullptr;
  HWND Handle = nullptr;
  host::TControl* Control = nullptr;
  RECT WindowRect{};
  host::TControl* PaintTarget = nullptr;
  bool UseSkinColor = false;
  host::TColor SavedColor = 0;
  bool Attached = false;
  int LifeState = clCreated;
  TSkinForm* FormSkinner = nullptr;
  int VariantFlag = 0;
  bool ParentBackgroundChanged = false;

protected:
  // The host control frees its components: a busy skinner waits for its handler.
  void OwnerFrees() override { Free(this); }
  // Counts as one of the skinner's running handlers, for hooks other than
  // WndProc: while any runs, Free only lets go and the object stays.
  host::HandlerDepth::Scope EnterHandler() noexcept { return host::HandlerDepth::Scope(depth_); }
  // Skin painting was switched on or off with kSkinActive.
  virtual void SkinActiveChanged() {}
  // Takes the host control's slot; for skinners of windowless controls too.
  void HookSlot(host::TControl& control);
  // Gives back the slot and the window procedure; the skinner then sees nothing more.
  void ReleaseHooks() noexcept;
  void Register();

private:
  void Unregister() noexcept;

  host::DibBitmap buffer_;  // PaintBuffered's copy, kept between paints
  host::SlotHook slot_;
  host::WindowSubclass subclass_;
  host::HandlerDepth depth_;
  bool released_ = false;  // freed while a handler ran; the object waits for it
};

// Published properties of any host component by name; a missing component
// or property is never an error.
int GetIntProp(const host::TPersistent* component, std::string_view name);  // -1 when missing
std::string GetEnumPropText(const host::TPersistent* component, std::string_view name);
std::wstring GetTextProp(const host::TPersistent* component, std::string_view name);
// A set property as its text: the members' identifiers, comma-separated in
// brackets ("[btPlay,btStop]"); empty when missing.
std::string GetSetPropText(const host::TPersistent* component, std::string_view name);
host::TPersistent* GetObjectProp(const host::TPersistent* component, std::string_view name,
                                 const host::ClassInfo& cls);
void SetPropText(host::TPersistent* component, std::string_view name, std::string_view value);

}  // namespace skin
