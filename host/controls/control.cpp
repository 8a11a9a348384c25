#include "host/controls/control.h"

#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

#include "host/app/application.h"
#include "host/controls/graphic_control.h"
#include "host/core/error.h"
#include "host/core/text.h"
#include "host/menus/popup_menu.h"

namespace host {
namespace {

thread_local TWinControl* t_creating = nullptr;  // bound on its window's first message

// The object each window is bound to. Every message of every window looks
// its object up, and a window property is a round trip to the window server
// under Wine (some 36 µs a message on our test machines).
class Bindings {
public:
  TWinControl* Find(HWND wnd) {
    AcquireSRWLockShared(&lock_);
    const auto it = objects_.find(wnd);
    TWinControl* object = it == objects_.end() ? nullptr : it->second;
    ReleaseSRWLockShared(&lock_);
    return object;
  }
  void Bind(HWND wnd, TWinControl* object) {
    AcquireSRWLockExclusive(&lock_);
    objects_[wnd] = object;
    ReleaseSRWLockExclusive(&lock_);
  }
  void Unbind(HWND wnd) {
    AcquireSRWLockExclusive(&lock_);
    objects_.erase(wnd);
    ReleaseSRWLockExclusive(&lock_);
  }

private:
  SRWLOCK lock_ = SRWLOCK_INIT;
  std::unordered_map<HWND, TWinControl*> objects_;
};

// Never destroyed: windows of static objects still look it up at exit,
// after every function-local static is gone.
Bindings& WindowBindings() {
  static Bindings& bindings = *new Bindings;
  return bindings;
}

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this] { FontChanged(); };
  WindowProc = [this](TMessage& msg) { WndProc(msg); };
}

TControl::~TControl() {
  // Owned components (a skinner among them) go while the control is whole,
  // so that they can give back what they took from it.
  DestroyComponents();
  if (parent_) parent_->ForgetControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage m{msg, wparam, lparam};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) { DefaultHandler(m); }

void TControl::DefaultHandler(TMessage& m) { m.Result = 0; }

const ClassInfo& TControl::Info() {
  static const ClassInfo info{"TControl", &TComponent::Info(), {
      props::Integer<&TControl::Left, &TControl::SetLeft>("Left"),
      props::Integer<&TControl::Top, &TControl::SetTop>("Top"),
      props::Integer<&TControl::Width, &TControl::SetWidth>("Width"),
      props::Integer<&TControl::Height, &TControl::SetHeight>("Height"),
      props::Text<&TControl::Caption, &TControl::SetCaption>("Caption"),
      props::Boolean<&TControl::Visible, &TControl::SetVisible>("Visible"),
      props::Boolean<&TControl::Enabled, &TControl::SetEnabled>("Enabled"),
      props::Color<&TControl::Color, &TControl::SetColor>("Color"),
      props::Object<&TControl::Font>("Font"),
      props::Integer<&TControl::TabOrder, &TControl::SetTabOrder>("TabOrder"),
      props::Text<&TControl::PopupMenuName, &TControl::SetPopupMenuName>("PopupMenu"),
      props::Event<&TControl::SetOnClick>("OnClick"),
  }};
  return info;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->ForgetControl(this);
  parent_ = parent;
  if (!parent_) return;
  parent_->controls_.push_back(this);
  if (auto* self = dynamic_cast<TWinControl*>(this); self && parent_->HandleAllocated() && !self->HandleAllocated())
    self->CreateHandle();
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* win = dynamic_cast<TWinControl*>(parent)) SetParent(win);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, std::uint32_t shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated()) {
    const RECT r = BoundsRect();
    InvalidateRect(parent_->WindowHandle(), &r, TRUE);
  }
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  for (TControl* c : controls_) c->parent_ = nullptr;
  // The window goes while the object is still bound to it: whoever holds the
  // slot sees its last messages, WM_NCDESTROY among them.
  if (HWND wnd = handle_) DestroyWindow(wnd);
  Detach();
  DestroyComponents();
}

const ClassInfo& TWinControl::Info() {
  static const ClassInfo info{"TWinControl", &TControl::Info(), {
      props::Boolean<&TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered>("DoubleBuffered"),
  }};
  return info;
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  return wnd ? WindowBindings().Find(wnd) : nullptr;
}

TWinControl* TWinControl::Creating() { return t_creating; }

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::FillCreateParams(CreateParams& p) {
  p.style = WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
  p.x = left_;
  p.y = top_;
  p.width = width_;
  p.height = height_;
  p.parent = Parent() ? Parent()->Handle() : nullptr;
}

void TWinControl::CreateHandle() {
  CreateParams p;
  FillCreateParams(p);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring text = Widen(caption_);
  if (p.system_class) {
    HWND wnd = CreateWindowExW(p.ex_style, p.class_name.c_str(), text.c_str(), p.style, p.x, p.y, p.width, p.height,
                               p.parent, nullptr, instance, nullptr);
    if (!wnd) throw Error("Cannot create a " + Narrow(p.class_name) + " window: " + SystemErrorText(GetLastError()));
    Attach(wnd, reinterpret_cast<WNDPROC>(
                    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::StdWndProc))));
  } else {
    WNDCLASSEXW wc{sizeof(wc)};
    if (!GetClassInfoExW(instance, p.class_name.c_str(), &wc)) {
      wc = {sizeof(wc)};
      wc.lpfnWndProc = &TWinControl::StdWndProc;
      wc.hInstance = instance;
      wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
      wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      wc.lpszClassName = p.class_name.c_str();
      if (!RegisterClassExW(&wc)) throw Error("Cannot register window class: " + SystemErrorText(GetLastError()));
    }
    t_creating = this;
    HWND wnd = CreateWindowExW(p.ex_style, p.class_name.c_str(), text.c_str(), p.style, p.x, p.y, p.width, p.height,
                               p.parent, nullptr, instance, nullptr);
    t_creating = nullptr;
    if (!wnd) throw Error("Cannot create a window: " + SystemErrorText(GetLastError()));
  }
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
  HandleCreated();

  // Creation order is the windows' z-order, which is the order of Tab navigation.
  std::vector<TWinControl*> children;
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->HandleAllocated()) children.push_back(w);
  std::stable_sort(children.begin(), children.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  for (TWinControl* w : children) w->CreateHandle();
}

void TWinControl::Attach(HWND wnd, WNDPROC def_proc) {
  handle_ = wnd;
  def_proc_ = def_proc;
  WindowBindings().Bind(wnd, this);
}

void TWinControl::Detach() {
  if (!handle_) return;
  WindowBindings().Unbind(handle_);
  if (def_proc_ != DefWindowProcW)
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(def_proc_));
  handle_ = nullptr;
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  TWinControl* self = FromHandle(wnd);
  if (!self && t_creating) {
    self = std::exchange(t_creating, nullptr);
    self->Attach(wnd, DefWindowProcW);
  }
  if (!self) return DefWindowProcW(wnd, msg, wparam, lparam);

  TMessage m{msg, wparam, lparam};
  try {
    self->WindowProc(m);
  } catch (const std::exception& e) {
    HandleException(e);
  }
  if (msg == WM_NCDESTROY && self->handle_ == wnd) self->Detach();
  return m.Result;
}

TPopupMenu* TControl::PopupMenu() const {
  // A stored name is looked up on first use, when every component of the form exists.
  if (!popup_menu_ && !popup_menu_name_.empty() && Owner())
    popup_menu_ = dynamic_cast<TPopupMenu*>(Owner()->FindComponent(popup_menu_name_));
  return popup_menu_;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  popup_menu_ = menu;
  popup_menu_name_ = menu ? menu->Name() : std::string();
}

std::string TControl::PopupMenuName() const { return popup_menu_ ? popup_menu_->Name() : popup_menu_name_; }

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CONTEXTMENU:
      if (TPopupMenu* menu = PopupMenu(); menu && reinterpret_cast<HWND>(m.WParam) == handle_) {
        POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        // From the keyboard: at the control's top-left corner.
        if (m.LParam == -1) {
          at = {0, 0};
          ClientToScreen(handle_, &at);
        }
        menu->Popup(at.x, at.y);
        m.Result = 0;
        return;
      }
      break;
    case WM_COMMAND:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.LParam)); child && child != this) {
        m.Result = child->Perform(CN_COMMAND, m.WParam, m.LParam);
        return;
      }
      break;
    case WM_NOTIFY:
      if (TWinControl* child = FromHandle(reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom); child && child != this) {
        m.Result = child->Perform(CN_NOTIFY, m.WParam, m.LParam);
        return;
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.LParam)); child && child != this) {
        m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        return;
      }
      break;
    case WM_DRAWITEM:
      if (const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam); item->CtlType != ODT_MENU)
        if (TWinControl* child = FromHandle(item->hwndItem); child && child != this) {
          m.Result = child->Perform(CN_DRAWITEM, m.WParam, m.LParam);
          return;
        }
      break;
    case WM_PAINT:
      if (def_proc_ == DefWindowProcW) {
        PaintHandler(m);
        return;
      }
      break;
    case WM_MOUSEMOVE:
      // The mouse over our own client area has left every windowed child.
      for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->mouse_inside_) w->Perform(WM_MOUSELEAVE);
      TrackMouse();
      if (MouseToGraphic(m)) return;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      if (MouseToGraphic(m)) return;
      break;
    case WM_MOUSELEAVE: {
      mouse_tracked_ = false;
      // Taking the mouse ends the tracking, yet the mouse has not left: asked
      // again when the capture ends. A leave posted before then may come late.
      POINT at;
      GetCursorPos(&at);
      if (GetCapture() == handle_) break;
      if (WindowFromPoint(at) == handle_) {
        ArmMouseTracking();
        break;
      }
      if (!std::exchange(mouse_inside_, false)) break;  // told already
      SetHotGraphic(nullptr);
      Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
      break;
    }
    case WM_CAPTURECHANGED:
      if (captured_graphic_ && reinterpret_cast<HWND>(m.LParam) != handle_)
        std::exchange(captured_graphic_, nullptr)->Perform(WM_CANCELMODE);
      if (mouse_inside_) ArmMouseTracking();
      break;
    case WM_SETFOCUS:
      DefaultHandler(m);
      TellFocusChanged();
      return;
    case WM_KILLFOCUS:
      DefaultHandler(m);
      Perform(CM_EXIT);
      return;
    case WM_SETTEXT:
      DefaultHandler(m);
      caption_ = m.LParam ? Narrow(reinterpret_cast<const wchar_t*>(m.LParam)) : std::string();
      return;
    case WM_SIZE:
      DefaultHandler(m);
      TellResized();
      return;
    case WM_WINDOWPOSCHANGED: {
      DefaultHandler(m);
      // A new frame changes the client area too, without a WM_SIZE from every system.
      if (const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam); pos->flags & SWP_FRAMECHANGED) TellResized();
      RECT r;
      GetWindowRect(handle_, &r);
      if (HWND parent = GetParent(handle_); parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
      left_ = r.left;
      top_ = r.top;
      width_ = r.right - r.left;
      height_ = r.bottom - r.top;
      return;
    }
  }
  DefaultHandler(m);
}

// Controls that keep to an edge of their parent follow it.
void TWinControl::TellResized() {
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->HandleAllocated()) w->Perform(CM_PARENTRESIZED);
}

void TWinControl::PaintHandler(TMessage& m) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const bool own_dc = !dc;
  if (own_dc) dc = BeginPaint(handle_, &ps);
  PaintWindow(dc);
  PaintControls(dc);
  if (own_dc) EndPaint(handle_, &ps);
  m.Result = 0;
}

// Each windowless control paints into the parent's DC, clipped to its bounds
// and with its own top-left as the origin.
void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    auto* g = dynamic_cast<TGraphicControl*>(c);
    if (!g || !g->Visible()) continue;
    const RECT r = g->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    g->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    RestoreDC(dc, saved);
  }
}

TGraphicControl* TWinControl::GraphicAt(int x, int y) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    auto* g = dynamic_cast<TGraphicControl*>(*it);
    const RECT r = (*it)->BoundsRect();
    if (g && g->Visible() && PtInRect(&r, POINT{x, y})) return g;
  }
  return nullptr;
}

// A windowless control gets the mouse messages over it in its own client
// coordinates; the one pressed keeps them until every button is up.
bool TWinControl::MouseToGraphic(TMessage& m) {
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  TGraphicControl* under = GraphicAt(x, y);
  if (m.Msg == WM_MOUSEMOVE) SetHotGraphic(!captured_graphic_ || under == captured_graphic_ ? under : nullptr);
  TGraphicControl* target = captured_graphic_ ? captured_graphic_ : under;
  if (!target) return false;
  const bool down = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN ||
                    m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK;
  const bool up = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP;
  if (down && !captured_graphic_) {
    captured_graphic_ = target;
    SetCapture(handle_);
  }
  target->Perform(m.Msg, m.WParam, MAKELPARAM(x - target->Left(), y - target->Top()));
  if (up && captured_graphic_ && !(m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    captured_graphic_ = nullptr;
    ReleaseCapture();
  }
  m.Result = 0;
  return true;
}

void TWinControl::SetHotGraphic(TGraphicControl* control) {
  if (control == hot_graphic_) return;
  if (TGraphicControl* old = std::exchange(hot_graphic_, control))
    old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
  if (control) control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
}

void TWinControl::TrackMouse() {
  ArmMouseTracking();
  if (mouse_inside_ || !mouse_tracked_) return;
  mouse_inside_ = true;
  Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
}

// A mouse already outside the window gets its WM_MOUSELEAVE at once.
void TWinControl::ArmMouseTracking() {
  if (mouse_tracked_) return;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
  mouse_tracked_ = TrackMouseEvent(&track) != FALSE;
}

void TWinControl::TellFocusChanged() {
  TWinControl* top = this;
  while (top->Parent()) top = top->Parent();
  const auto tell = [this](auto& self, const TWinControl& container) -> void {
    for (TControl* c : container.Controls()) {
      c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
      if (auto* w = dynamic_cast<TWinControl*>(c)) self(self, *w);
    }
  };
  tell(tell, *top);
}

void TWinControl::ForgetControl(const TControl* control) {
  std::erase(controls_, control);
  if (hot_graphic_ == control) hot_graphic_ = nullptr;
  if (captured_graphic_ == control) {
    captured_graphic_ = nullptr;
    if (handle_ && GetCapture() == handle_) ReleaseCapture();
  }
}

void TWinControl::DefaultHandler(TMessage& m) {
  m.Result = handle_ ? CallWindowProcW(def_proc_, handle_, m.Msg, m.WParam, m.LParam) : 0;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (handle_) SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetCaption(std::string caption) {
  if (handle_)
    SetWindowTextW(handle_, Widen(caption).c_str());  // WM_SETTEXT keeps caption_
  else
    caption_ = std::move(caption);
}

void TWinControl::SetVisible(bool visible) {
  const bool changed = visible != visible_;
  TControl::SetVisible(visible);
  if (handle_ && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
  if (changed) Perform(CM_VISIBLECHANGED, visible);
}

void TWinControl::SetEnabled(bool enabled) {
  const bool changed = enabled != enabled_;
  TControl::SetEnabled(enabled);
  if (handle_) EnableWindow(handle_, enabled);
  if (changed) Perform(CM_ENABLEDCHANGED);
}

std::string TWinControl::WindowText() const {
  if (!handle_) return caption_;
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::FontChanged() {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
}

}  // namespace host
