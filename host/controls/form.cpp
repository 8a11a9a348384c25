#include "host/controls/form.h"

#include "host/app/application.h"
#include "host/gdi/handles.h"
#include "host/stream/form_reader.h"

namespace host {
namespace {
constexpr std::string_view kBorderStyleNames[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};
const EnumInfo kBorderStyles{"TFormBorderStyle", kBorderStyleNames};
constexpr std::string_view kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
const EnumInfo kBorderIcons{"TBorderIcons", kBorderIconNames};
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  Application().AddForm(this);
}

TForm::~TForm() { Application().RemoveForm(this); }

const ClassInfo& TForm::Info() {
  static const ClassInfo info{"TForm", &TWinControl::Info(), {
      props::Enum<&TForm::BorderStyle, &TForm::SetBorderStyle>("BorderStyle", kBorderStyles),
      props::Set<&TForm::BorderIcons, &TForm::SetBorderIcons>("BorderIcons", kBorderIcons),
      props::Integer<&TForm::ClientWidth, &TForm::SetClientWidth>("ClientWidth"),
      props::Integer<&TForm::ClientHeight, &TForm::SetClientHeight>("ClientHeight"),
      props::Event<&TForm::SetOnShow>("OnShow"),
  }};
  return info;
}

void TForm::LoadStoredForm() { ReadStoredForm(*this); }

int TForm::ClientWidth() const {
  if (!HandleAllocated()) return client_width_;
  RECT r;
  GetClientRect(WindowHandle(), &r);
  return r.right;
}

int TForm::ClientHeight() const {
  if (!HandleAllocated()) return client_height_;
  RECT r;
  GetClientRect(WindowHandle(), &r);
  return r.bottom;
}

void TForm::SetClientWidth(int width) {
  client_width_ = width;
  ApplyClientSize();
}

void TForm::SetClientHeight(int height) {
  client_height_ = height;
  ApplyClientSize();
}

void TForm::ApplyClientSize() {
  if (!HandleAllocated()) return;  // the window is made at the stored client size
  RECT r{0, 0, client_width_ >= 0 ? client_width_ : ClientWidth(), client_height_ >= 0 ? client_height_ : ClientHeight()};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(WindowHandle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(WindowHandle(), GWL_EXSTYLE)));
  SetBounds(left_, top_, r.right - r.left, r.bottom - r.top);
}

void TForm::FillCreateParams(CreateParams& p) {
  p.class_name = std::wstring(ClassName().begin(), ClassName().end());
  p.system_class = false;
  p.ex_style = WS_EX_CONTROLPARENT;
  switch (border_style_) {
    case TFormBorderStyle::bsNone: p.style = WS_POPUP; break;
    case TFormBorderStyle::bsSingle: p.style = WS_CAPTION; break;
    case TFormBorderStyle::bsSizeable: p.style = WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog: p.style = WS_CAPTION; p.ex_style |= WS_EX_DLGMODALFRAME; break;
    case TFormBorderStyle::bsToolWindow: p.style = WS_CAPTION; p.ex_style |= WS_EX_TOOLWINDOW; break;
    case TFormBorderStyle::bsSizeToolWin: p.style = WS_CAPTION | WS_THICKFRAME; p.ex_style |= WS_EX_TOOLWINDOW; break;
  }
  p.style |= WS_CLIPCHILDREN;
  if (border_style_ != TFormBorderStyle::bsNone && (border_icons_ & biSystemMenu)) {
    p.style |= WS_SYSMENU;
    if (border_style_ != TFormBorderStyle::bsDialog) {
      if (border_icons_ & biMinimize) p.style |= WS_MINIMIZEBOX;
      if (border_icons_ & biMaximize) p.style |= WS_MAXIMIZEBOX;
    }
  }
  if (!enabled_) p.style |= WS_DISABLED;
  // The outer size follows from the stored client size and the frame the style gives.
  RECT r{0, 0, client_width_, client_height_};
  AdjustWindowRectEx(&r, p.style, FALSE, p.ex_style);
  if (client_width_ >= 0) width_ = r.right - r.left;
  if (client_height_ >= 0) height_ = r.bottom - r.top;
  p.x = left_;
  p.y = top_;
  p.width = width_;
  p.height = height_;
  p.parent = nullptr;
}

void TForm::Show() {
  Handle();
  if (OnShow) OnShow(this);  // before the window appears, so that it appears where and how the handler wants
  visible_ = true;
  ShowWindow(WindowHandle(), SW_SHOW);
  UpdateWindow(WindowHandle());
}

void TForm::Close() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(WindowHandle(), &r);
      Brush brush(CreateSolidBrush(ColourToRgb(color_)));
      FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush);
      m.Result = 1;
      return;
    }
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) != WA_INACTIVE) Application().SetActiveForm(this);
      break;
    case WM_DESTROY:
      visible_ = false;
      if (Application().MainForm() == this) PostQuitMessage(0);
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
