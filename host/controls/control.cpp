#include "host/controls/control.h"

#include <algorithm>

#include "host/app/application.h"
#include "host/core/error.h"
#include "host/core/text.h"

namespace host {
namespace {

constexpr wchar_t kObjectProp[] = L"host.control";
thread_local TWinControl* t_creating = nullptr;  // bound on its window's first message

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this] { FontChanged(); };
  WindowProc = [this](TMessage& msg) { WndProc(msg); };
}

TControl::~TControl() {
  // Owned components (a skinner among them) go while the control is whole,
  // so that they can give back what they took from it.
  DestroyComponents();
  if (parent_) std::erase(parent_->controls_, this);
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
      props::Event<&TControl::SetOnClick>("OnClick"),
  }};
  return info;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) std::erase(parent_->controls_, this);
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
  static const ClassInfo info{"TWinControl", &TControl::Info(), {}};
  return info;
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  return wnd ? static_cast<TWinControl*>(GetPropW(wnd, kObjectProp)) : nullptr;
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
  SetPropW(wnd, kObjectProp, this);
}

void TWinControl::Detach() {
  if (!handle_) return;
  RemovePropW(handle_, kObjectProp);
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

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
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
    case WM_SETTEXT:
      DefaultHandler(m);
      caption_ = m.LParam ? Narrow(reinterpret_cast<const wchar_t*>(m.LParam)) : std::string();
      return;
    case WM_WINDOWPOSCHANGED: {
      DefaultHandler(m);
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

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::FontChanged() {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
}

}  // namespace host
