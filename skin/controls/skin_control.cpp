#include "skin/controls/skin_control.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "host/core/properties.h"
#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "skin/controls/content_colours.h"
#include "skin/data/skin_data.h"
#include "skin/draw/parent_background.h"
#include "skin/draw/text.h"
#include "skin/form/engine_messages.h"
#include "skin/form/skin_form.h"
#include "skin/manager/trace.h"

namespace skin {

TSkinControl::TSkinControl(host::TComponent* owner) : host::TComponent(owner) {}

TSkinControl::~TSkinControl() {
  ReleaseHooks();
  Unregister();
}

const host::ClassInfo& TSkinControl::Info() {
  static const host::ClassInfo info{"TSkinControl", &host::TComponent::Info(), {}};
  return info;
}

void TSkinControl::Free(TSkinControl* skinner) {
  if (!skinner) return;
  if (!skinner->depth_.Running()) {
    delete skinner;
    return;
  }
  // Freed from inside one of its handlers (a nested message loop, or a
  // click that frees the control): let go of the window, the host control
  // and every list now, free the object when the outermost handler is done.
  skinner->ReleaseHooks();
  skinner->Unregister();
  skinner->RemoveFromOwner();
  skinner->SkinActive = false;
  skinner->released_ = true;
  skinner->Control = nullptr;
  skinner->PaintTarget = nullptr;
  skinner->Handle = nullptr;
  skinner->depth_.WhenIdle([skinner] { delete skinner; });
}

void TSkinControl::Register() {
  if (!FormSkinner) return;
  auto& list = FormSkinner->FControls;
  if (std::find(list.begin(), list.end(), this) == list.end()) list.push_back(this);
}

void TSkinControl::Unregister() noexcept {
  if (!FormSkinner) return;
  auto& list = FormSkinner->FControls;
  if (const auto it = std::find(list.rbegin(), list.rend(), this); it != list.rend()) list.erase(std::next(it).base());
  FormSkinner = nullptr;
}

void TSkinControl::HookSlot(host::TControl& control) {
  slot_.Install(control, [this](host::TMessage& m) { WndProc(m); });
}

void TSkinControl::ReleaseHooks() noexcept {
  slot_.Remove();
  subclass_.Remove();
}

void TSkinControl::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  if (Attached) return;
  UseSkinColor = use_skin_colour;
  SkinData = data;
  FormSkinner = form;
  FormCanvas = canvas;
  Control = dynamic_cast<host::TControl*>(Owner());
  if (!Control) return;
  if (auto* win = dynamic_cast<host::TWinControl*>(Control)) Handle = win->Handle();
  UnicodeWindow = Handle && IsWindowUnicode(Handle);
  Focused = Handle && GetFocus() == Handle;
  HookSlot(*Control);
  host::SetPropValue(*Control, "DoubleBuffered", true);
  Register();
  if (UseSkinColor) {
    SetParentBackground(true);
    SavedColor = Control->Color();
    Control->SetColor(data->Elements().Colours.ButtonFace);
  }
  if (ParentBackgroundChanged) VariantFlag = 1;
  Control->Invalidate();
  Attached = true;
  LifeState = clAttached;
}

void TSkinControl::AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) {
  SkinData = data;
  FormCanvas = canvas;
  FormSkinner = form;
  Handle = window;
  Enabled = true;
  VariantFlag = 0;
  Register();
  UnicodeWindow = IsWindowUnicode(window) != FALSE;
  Focused = GetFocus() == window;
  Text = GetWindowTextWide(window);
  subclass_.Install(window, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
    host::TMessage m{msg, wparam, lparam};
    WndProc(m);
    return m.Result;
  }, UnicodeWindow);
  if (Handle) InvalidateRect(Handle, nullptr, TRUE);
  Attached = true;
  LifeState = clAttached;
}

void TSkinControl::WndProc(host::TMessage& m) {
  const host::HandlerDepth::Scope scope(depth_);
  // Followed here rather than asked of the system at every paint, a round trip each time.
  if (m.Msg == WM_SETFOCUS) Focused = true;
  if (m.Msg == WM_KILLFOCUS) Focused = false;
  if (m.Msg == kSkinActive) {
    SkinActive = m.WParam > 0;
    SkinActiveChanged();
    if (SkinActive) Refresh();
    return;
  }
  if (!SkinActive) {
    CallPrevious(m);
    return;
  }
  try {
    if (BeforeMessage(m)) {
      CallPrevious(m);
      if (!released_) AfterMessage(m);
    }
  } catch (const std::exception& e) {
    // The window's own handling must go on whatever the skin does.
    TraceError("control skinner", e);
  }
}

void TSkinControl::CallPrevious(host::TMessage& m) {
  if (slot_.Installed())
    slot_.CallPrevious(m);
  else if (subclass_.Installed())
    m.Result = subclass_.CallPrevious(m.Msg, m.WParam, m.LParam);
  else if (Handle)
    m.Result = UnicodeWindow ? DefWindowProcW(Handle, m.Msg, m.WParam, m.LParam)
                             : DefWindowProcA(Handle, m.Msg, m.WParam, m.LParam);
}

bool TSkinControl::BeforeMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_NCDESTROY:
      CallPrevious(m);
      SkinActive = false;
      LifeState = clGone;
      Restore();
      return false;
    case kSkinnedQuery:
      m.Result = 1;
      return false;
    // From a child window: a group box's edit, a combo box's own edit.
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return !(SkinData && AnswerContentColour(SkinData->Elements(), m));
  }
  return true;
}

void TSkinControl::AfterMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case host::CM_ENABLEDCHANGED:
      Refresh();
      break;
    case WM_PAINT:
      PaintFrame(reinterpret_cast<HDC>(m.WParam));
      break;
    case kSkinActive:
      SkinActive = m.WParam > 0;
      break;
  }
}

void TSkinControl::PaintFrame(HDC dc) {
  if (!Handle || !GetWindowRect(Handle, &WindowRect)) return;
  RECT r{0, 0, WindowRect.right - WindowRect.left, WindowRect.bottom - WindowRect.top};
  try {
    if (dc) {
      Draw(dc, r);
    } else {
      const host::WindowDc window_dc(Handle, true);
      if (window_dc) Draw(window_dc, r);
    }
  } catch (const std::exception& e) {
    TraceError("control painting", e);
  }
}

void TSkinControl::Draw(HDC, const RECT&) {}

void TSkinControl::Restore() {
  if (UseSkinColor && Control) {
    SetParentBackground(false);
    Control->SetColor(SavedColor);
  }
}

void TSkinControl::SkinChanged() {
  if (UseSkinColor && Control && SkinData) Control->SetColor(SkinData->Elements().Colours.ButtonFace);
  Refresh();
}

void TSkinControl::Refresh() {
  if (PaintTarget) {
    PaintTarget->Invalidate();
  } else if (Handle) {
    InvalidateRect(Handle, nullptr, TRUE);
    UpdateWindow(Handle);
  }
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
  const host::TColor face = SkinData ? SkinData->Elements().Colours.ButtonFace : host::clBtnFace;
  const host::Brush brush(CreateSolidBrush(host::ColourToRgb(face)));
  FillRect(dc, &rect, brush);
}

host::TColor TSkinControl::ParentColor(host::TColor fallback) const {
  if (!Control || !Control->Parent()) return fallback;
  return Control->Parent()->Color();
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const {
  const host::TColor face = SkinData ? SkinData->Elements().Colours.ButtonFace : host::clBtnFace;
  const host::Brush brush(CreateSolidBrush(host::ColourToRgb(ParentColor(face))));
  FillRect(dc, &rect, brush);
}

LONG TSkinControl::GetWindowLongAW(HWND window, int index) const {
  return UnicodeWindow ? GetWindowLongW(window, index) : GetWindowLongA(window, index);
}

void TSkinControl::DrawTextFocus(HDC dc, UINT format, const RECT& rect) const {
  RECT t = rect;
  DrawTextAW(dc, Text, t, format | DT_CALCRECT | DT_NOCLIP);
  const int width = t.right - t.left, height = t.bottom - t.top;
  t = {rect.left, rect.top, rect.left + width, rect.top + height};
  if (format & DT_CENTER)
    OffsetRect(&t, ((rect.right - rect.left) - width) / 2, ((rect.bottom - rect.top) - height) / 2 - 1);
  else if (format & DT_RIGHT)
    OffsetRect(&t, (rect.right - rect.left) - width, 0);
  InflateRect(&t, 2, 1);
  t.left = std::max(t.left, rect.left);
  t.top = std::max(t.top, rect.top);
  t.right = std::min(t.right, rect.right);
  t.bottom = std::min(t.bottom, rect.bottom);
  DrawFocusRect(dc, &t);
}

void TSkinControl::ForwardMouseDown(const host::TMessage& m) {
  if (!Control) return;
  POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  if (Control->Width() > 0x8000 || Control->Height() > 0x8000) {
    GetCursorPos(&p);
    if (Handle) ScreenToClient(Handle, &p);
  }
  Control->MouseDown(host::mbLeft, host::ShiftFromKeys(m.WParam), p.x, p.y);
}

void TSkinControl::SetParentBackground(bool attaching) {
  if (!Control || !SkinData || (SkinData->Options() & Bit(xoParentBackGround))) return;
  if (!Control->Class().FindProp("ParentBackground")) return;
  if (attaching) {
    ParentBackgroundChanged = host::LowerCase(GetEnumPropText(Control, "ParentBackground")) == "true";
    if (ParentBackgroundChanged) SetPropText(Control, "ParentBackground", "False");
  } else if (ParentBackgroundChanged) {
    SetPropText(Control, "ParentBackground", "True");
  }
}

void TSkinControl::PaintBuffered(host::TMessage& m) {
  m.Result = 0;
  if (!Handle) return;
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  std::optional<host::PaintDc> paint;
  if (!dc) dc = paint.emplace(Handle);
  RECT client{};
  GetClientRect(Handle, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  if (buffer_.Width() < client.right || buffer_.Height() < client.bottom)
    buffer_.SetSize(std::max<int>(buffer_.Width(), client.right), std::max<int>(buffer_.Height(), client.bottom));
  try {
    Draw(buffer_.Dc(), client);
  } catch (const std::exception& e) {
    TraceError("control painting", e);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer_.Dc(), 0, 0, SRCCOPY);
}

void TSkinControl::PaintParentBackground(HDC dc) const { DrawParentBackground(Handle, dc); }

bool TSkinControl::IsPopupOrDesktopChild(HWND window) {
  return (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & WS_POPUP) ||
         reinterpret_cast<UINT_PTR>(GetParent(window)) == 0x10014;
}

int GetIntProp(const host::TPersistent* component, std::string_view name) {
  if (!component) return -1;
  const host::PropInfo* prop = component->Class().FindProp(name);
  if (!prop || !prop->get || (prop->kind != host::PropKind::Integer && prop->kind != host::PropKind::Color)) return -1;
  return static_cast<int>(std::get<std::int64_t>(prop->get(*component)));
}

std::string GetEnumPropText(const host::TPersistent* component, std::string_view name) {
  if (!component) return {};
  const host::PropInfo* prop = component->Class().FindProp(name);
  if (!prop || !prop->get) return {};
  const host::Value v = prop->get(*component);
  if (prop->kind == host::PropKind::Boolean) return std::get<bool>(v) ? "True" : "False";
  if (prop->kind == host::PropKind::Enum) return std::get<host::Ident>(v).name;
  return {};
}

std::wstring GetTextProp(const host::TPersistent* component, std::string_view name) {
  if (!component) return {};
  const host::PropInfo* prop = component->Class().FindProp(name);
  if (!prop || !prop->get || prop->kind != host::PropKind::Text) return {};
  return host::Widen(std::get<std::string>(prop->get(*component)));
}

std::string GetSetPropText(const host::TPersistent* component, std::string_view name) {
  if (!component) return {};
  const host::PropInfo* prop = component->Class().FindProp(name);
  if (!prop || !prop->get || prop->kind != host::PropKind::Set) return {};
  const host::Value value = prop->get(*component);
  std::string text = "[";
  for (const std::string& member : std::get<host::SetOf>(value).members)
    text += (text.size() > 1 ? "," : "") + member;
  return text + "]";
}

host::TPersistent* GetObjectProp(const host::TPersistent* component, std::string_view name,
                                 const host::ClassInfo& cls) {
  if (!component) return nullptr;
  host::TPersistent* object = host::GetObjectProp(*component, name);
  return object && object->Class().InheritsFrom(cls) ? object : nullptr;
}

void SetPropText(host::TPersistent* component, std::string_view name, std::string_view value) {
  if (!component) return;
  const host::PropInfo* prop = component->Class().FindProp(name);
  if (!prop || !prop->set) return;
  switch (prop->kind) {
    case host::PropKind::Enum:
    case host::PropKind::Boolean:
      host::SetPropValue(*component, name, host::Ident{std::string(value)});
      break;
    case host::PropKind::Integer:
      try {
        host::SetPropValue(*component, name, static_cast<std::int64_t>(std::stoll(std::string(value))));
      } catch (const std::exception&) {
      }
      break;
    default:
      break;
  }
}

}  // namespace skin
