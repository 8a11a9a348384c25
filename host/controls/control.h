#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host/controls/font.h"
#include "host/controls/message.h"
#include "host/core/component.h"

namespace host {

class TWinControl;
class TGraphicControl;
class TPopupMenu;

// A visual control: bounds in its parent's client coordinates, caption, font,
// colour, visibility and enabled state, and a click event.
class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }

  const std::string& Caption() const { return caption_; }
  virtual void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible) { visible_ = visible; }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled) { enabled_ = enabled; }
  TColor Color() const { return color_; }
  void SetColor(int color) { color_ = color; }
  TFont* Font() const { return font_.get(); }
  // The hint text and whether the control shows it under the resting mouse.
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool on) { show_hint_ = on; }
  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int order) { tab_order_ = order; }
  // The context menu, set by pointer or by name in a stored form.
  TPopupMenu* PopupMenu() const;
  void SetPopupMenu(TPopupMenu* menu);
  std::string PopupMenuName() const;
  void SetPopupMenuName(std::string name) { popup_menu_name_ = std::move(name); }

  NotifyEvent OnClick;
  void SetOnClick(NotifyEvent e) { OnClick = std::move(e); }
  virtual void Click();
  // A press of a mouse button on the control, at client coordinates.
  std::function<void(TControl* sender, TMouseButton button, std::uint32_t shift, int x, int y)> OnMouseDown;
  virtual void MouseDown(TMouseButton button, std::uint32_t shift, int x, int y);
  // Repaints the control: its window, or its bounds in its parent's.
  virtual void Invalidate();

  // Every message of the control passes through WindowProc, the slot that a
  // skinner may take over; WndProc is the control's own handling and
  // DefaultHandler what is left when the control does not handle a message.
  WndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
  virtual void WndProc(TMessage& msg);
  virtual void DefaultHandler(TMessage& msg);

protected:
  virtual void FontChanged() {}

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  int tab_order_ = -1;
  std::string hint_;
  bool show_hint_ = false;

private:
  friend class TWinControl;
  mutable TPopupMenu* popup_menu_ = nullptr;
  std::string popup_menu_name_;
  TWinControl* parent_ = nullptr;
  std::unique_ptr<TFont> font_;
};

// A control with a window of its own; its DefaultHandler is the window class's procedure.
class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  HWND Handle();  // creates the window (and its parents') on first use
  HWND WindowHandle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }

  const std::vector<TControl*>& Controls() const { return controls_; }
  static TWinControl* FromHandle(HWND wnd);
  // The control whose window is being made on this thread and has not had
  // its first message yet; null otherwise.
  static TWinControl* Creating();

  void WndProc(TMessage& msg) override;
  void DefaultHandler(TMessage& msg) override;

  void SetBounds(int left, int top, int width, int height) override;
  void SetCaption(std::string caption) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetFocus();
  void Invalidate() override;
  // Paints the windowless child controls into dc, which holds this control's client area.
  void PaintControls(HDC dc);

  // Skinners switch it on for flicker-free painting of their own.
  bool DoubleBuffered() const { return double_buffered_; }
  void SetDoubleBuffered(bool on) { double_buffered_ = on; }

protected:
  struct CreateParams {
    std::wstring class_name;    // a system class to take over, or one of ours
    bool system_class = false;  // true: subclass a class the system registered
    DWORD style = 0;
    DWORD ex_style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
  };
  virtual void FillCreateParams(CreateParams& params);
  virtual void CreateHandle();
  virtual void HandleCreated() {}
  void FontChanged() override;
  // The window's text as it stands (typing included); the caption before the window exists.
  std::string WindowText() const;
  // Paints a window of our own class under its windowless controls.
  virtual void PaintWindow(HDC) {}

private:
  friend class TControl;
  static LRESULT CALLBACK StdWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  void Attach(HWND wnd, WNDPROC def_proc);
  void Detach();
  void PaintHandler(TMessage& m);
  void TellResized();
  TGraphicControl* GraphicAt(int x, int y) const;
  bool MouseToGraphic(TMessage& m);
  void SetHotGraphic(TGraphicControl* control);
  void TrackMouse();
  void ArmMouseTracking();
  void TellFocusChanged();
  void ForgetControl(const TControl* control);

  HWND handle_ = nullptr;
  WNDPROC def_proc_ = nullptr;
  std::vector<TControl*> controls_;
  bool double_buffered_ = false;
  bool mouse_inside_ = false;   // told CM_MOUSEENTER, not yet CM_MOUSELEAVE
  bool mouse_tracked_ = false;  // a WM_MOUSELEAVE is asked for
  TGraphicControl* hot_graphic_ = nullptr;       // under the mouse
  TGraphicControl* captured_graphic_ = nullptr;  // holds the mouse while a button is down
};

}  // namespace host
