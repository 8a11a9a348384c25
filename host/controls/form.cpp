#include "host/controls/form.h"

#include "host/app/application.h"
#include "host/core/error.h"
#include "host/dialogs/find_dialog.h"
#include "host/gdi/handles.h"
#include "host/menus/menu.h"
#include "host/stream/form_reader.h"

namespace host {
namespace {
constexpr std::string_view kBorderStyleNames[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};
const EnumInfo kBorderStyles{"TFormBorderStyle", kBorderStyleNames};
constexpr std::string_view kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
const EnumInfo kBorderIcons{"TBorderIcons", kBorderIconNames};
constexpr std::string_view kFormStyleNames[] = {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"};
const EnumInfo kFormStyles{"TFormStyle", kFormStyleNames};
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  Application().AddForm(this);
}

TForm::~TForm() {
  Application().RemoveForm(this);
  if (!menu_) return;
  menu_->SetWindowForm(nullptr);
  // The window would free the menu's handle with itself; the menu frees it.
  if (HandleAllocated() && ::GetMenu(WindowHandle()) == menu_->Handle()) ::SetMenu(WindowHandle(), nullptr);
}

const ClassInfo& TForm::Info() {
  static const ClassInfo info{"TForm", &TWinControl::Info(), {
      props::Enum<&TForm::BorderStyle, &TForm::SetBorderStyle>("BorderStyle", kBorderStyles),
      props::Set<&TForm::BorderIcons, &TForm::SetBorderIcons>("BorderIcons", kBorderIcons),
      props::Enum<&TForm::FormStyle, &TForm::SetFormStyle>("FormStyle", kFormStyles),
      props::Boolean<&TForm::AutoScroll, &TForm::SetAutoScroll>("AutoScroll"),
      props::Integer<&TForm::ClientWidth, &TForm::SetClientWidth>("ClientWidth"),
      props::Integer<&TForm::ClientHeight, &TForm::SetClientHeight>("ClientHeight"),
      props::Text<&TForm::MenuName, &TForm::SetMenuName>("Menu"),
      props::Event<&TForm::SetOnShow>("OnShow"),
  }};
  return info;
}

void TForm::LoadStoredForm() { ReadStoredForm(*this); }

void TForm::Loaded() {
  TWinControl::Loaded();
  if (!menu_name_.empty()) SetMenu(dynamic_cast<TMainMenu*>(FindComponent(menu_name_)));
}

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
  if (form_style_ == TFormStyle::fsStayOnTop) p.ex_style |= WS_EX_TOPMOST;
  if (form_style_ == TFormStyle::fsMDIChild) {
    TForm* main = Application().MainForm();
    if (!main || !main->ClientHandle()) throw Error("An MDI child form needs an MDI main form");
    p.ex_style |= WS_EX_MDICHILD;
    p.style |= WS_VISIBLE;  // the MDI client shows its children as it makes them
    visible_ = true;
  }
  // The outer size follows from the stored client size and the frame the style gives.
  RECT r{0, 0, client_width_, client_height_};
  AdjustWindowRectEx(&r, p.style, FALSE, p.ex_style);
  if (client_width_ >= 0) width_ = r.right - r.left;
  if (client_height_ >= 0) height_ = r.bottom - r.top;
  p.x = left_;
  p.y = top_;
  p.width = width_;
  p.height = height_;
  p.parent = form_style_ == TFormStyle::fsMDIChild ? Application().MainForm()->ClientHandle() : nullptr;
  if (form_style_ == TFormStyle::fsMDIChild && left_ == 0 && top_ == 0) p.x = p.y = CW_USEDEFAULT;
}

void TForm::HandleCreated() {
  // The program's icon, as the caption and the task list show it; shared
  // icons belong to the system and are never destroyed.
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const auto [kind, metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}}) {
    const int size = GetSystemMetrics(metric);
    if (HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED))
      SendMessageW(WindowHandle(), WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
  }
  if (menu_) ::SetMenu(WindowHandle(), menu_->Handle());
  if (form_style_ != TFormStyle::fsMDIForm || client_handle_) return;
  CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
  RECT r;
  GetClientRect(WindowHandle(), &r);
  client_handle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, r.right,
                                   r.bottom, WindowHandle(), nullptr, GetModuleHandleW(nullptr), &ccs);
  if (!client_handle_) throw Error("Cannot create the MDI client window: " + SystemErrorText(GetLastError()));
}

void TForm::DefaultHandler(TMessage& m) {
  if (!HandleAllocated()) {
    m.Result = 0;
    return;
  }
  switch (form_style_) {
    case TFormStyle::fsMDIForm:
      m.Result = DefFrameProcW(WindowHandle(), client_handle_, m.Msg, m.WParam, m.LParam);
      return;
    case TFormStyle::fsMDIChild:
      m.Result = DefMDIChildProcW(WindowHandle(), m.Msg, m.WParam, m.LParam);
      return;
    default:
      TWinControl::DefaultHandler(m);
  }
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu_ == menu) return;
  if (menu_) menu_->SetWindowForm(nullptr);
  menu_ = menu;
  menu_name_ = menu ? menu->Name() : std::string();
  if (menu) menu->SetWindowForm(this);
  MenuChanged();
}

std::string TForm::MenuName() const { return menu_ ? menu_->Name() : menu_name_; }

void TForm::MenuChanged() {
  if (!HandleAllocated()) return;
  ::SetMenu(WindowHandle(), menu_ ? menu_->Handle() : nullptr);
  Perform(CM_MENUCHANGED);
}

int TForm::ShowModal() {
  HWND owner = nullptr;
  if (TForm* active = Application().ActiveForm(); active && active != this && active->HandleAllocated())
    owner = active->WindowHandle();
  modal_result_ = 0;
  Handle();
  if (owner) {
    SetWindowLongPtrW(WindowHandle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    EnableWindow(owner, FALSE);
  }
  Show();
  modal_ = true;
  MSG msg;
  // Not IsWindowVisible: redrawing switched off for a moment also clears WS_VISIBLE.
  while (modal_result_ == 0 && HandleAllocated()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    Application().HandleMessage(msg);
  }
  modal_ = false;
  if (owner) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
  if (HandleAllocated()) ShowWindow(WindowHandle(), SW_HIDE);
  visible_ = false;
  return modal_result_ ? modal_result_ : IDCANCEL;
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
    case WM_CLOSE:
      if (modal_ && modal_result_ == 0) {
        modal_result_ = IDCANCEL;  // closing a modal form ends its loop; the window stays for its owner
        m.Result = 0;
        return;
      }
      break;
    case WM_COMMAND:
      // A menu's command: no control, notification code 0.
      if (menu_ && m.LParam == 0 && HIWORD(m.WParam) == 0 && menu_->DispatchCommand(LOWORD(m.WParam))) {
        m.Result = 0;
        return;
      }
      break;
    case WM_MEASUREITEM:
      if (menu_ && m.WParam == 0 && menu_->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (menu_ && m.WParam == 0 && menu_->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return;
      }
      break;
    case WM_MENUCHAR:
      if (menu_)
        if (const auto found = menu_->MenuChar(LOWORD(m.WParam), reinterpret_cast<HMENU>(m.LParam))) {
          m.Result = *found;
          return;
        }
      break;
    case WM_NCDESTROY:
      if (menu_ && ::GetMenu(WindowHandle()) == menu_->Handle()) ::SetMenu(WindowHandle(), nullptr);
      break;
    case WM_DESTROY:
      visible_ = false;
      if (Application().MainForm() == this) PostQuitMessage(0);
      break;
  }
  if (m.Msg == TFindDialog::Message()) {
    TFindDialog::Notify(m.LParam);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
