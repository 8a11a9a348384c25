#include "skin/controls/scroll_bar.h"

#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "skin/data/skin_data.h"
#include "skin/form/engine_messages.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

void FrameIn(HDC dc, const RECT& rect, std::int32_t colour) {
  const host::Brush brush(CreateSolidBrush(host::ColourToRgb(colour)));
  FrameRect(dc, &rect, brush);
}

bool IsScrollBarClass(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return host::LowerCase(host::Narrow(name)) == "scrollbar";
}

// A scroll-bar control changes its own position and range without telling
// itself through WM_HSCROLL or WM_VSCROLL.
bool IsBarStateMessage(UINT msg) {
  return msg == SBM_SETPOS || msg == SBM_SETRANGE || msg == SBM_SETRANGEREDRAW || msg == SBM_SETSCROLLINFO ||
         msg == SBM_ENABLE_ARROWS;
}

std::unique_ptr<TWScrollbar> ControlBar(TSkinControl* skinner, host::TControl* control, HWND window) {
  auto bar = std::make_unique<TWScrollbar>(skinner);
  if (control)
    bar->AttachControl(skinner, control, bmControl);
  else
    bar->AttachWindow(skinner, window, bmControl);
  return bar;
}

void PutSingleBar(TScrollOverlays& bars, std::unique_ptr<TWScrollbar> bar) {
  (bar->Vertical ? bars.VertBar : bars.HorzBar) = std::move(bar);
}

}  // namespace

void TScrollOverlays::Place() const {
  if (HorzBar) HorzBar->Place();
  if (VertBar) VertBar->Place();
}

void TScrollOverlays::Hide() const {
  if (HorzBar) HorzBar->HideBar();
  if (VertBar) VertBar->HideBar();
}

void TScrollOverlays::Activate(bool on) const {
  if (on)
    Place();
  else
    Hide();
}

bool TScrollOverlays::AnyShown() const { return (HorzBar && HorzBar->Shown) || (VertBar && VertBar->Shown); }

void TScrollOverlays::RepaintShown() const {
  if (HorzBar && HorzBar->Shown) HorzBar->Repaint();
  if (VertBar && VertBar->Shown) VertBar->Repaint();
}

void TScrollOverlays::Scrolled(const host::TMessage& m) const {
  TWScrollbar* bar = (m.Msg == WM_HSCROLL ? HorzBar : VertBar).get();
  if (!bar || bar->Mode == bmControl) return;
  bar->HotPart = LOWORD(m.WParam);
  bar->Repaint();
}

bool TScrollOverlays::Corner(HWND window, RECT& corner) const {
  if (!HorzBar || !VertBar || !HorzBar->Shown || !VertBar->Shown) return false;
  if (HorzBar->Mode == bmControl) return false;
  POINT from{VertBar->RectTopLeft.x, HorzBar->RectTopLeft.y};
  POINT to{VertBar->RectBottomRight.x, HorzBar->RectBottomRight.y};
  ClientToScreen(window, &from);
  ClientToScreen(window, &to);
  RECT w;
  GetWindowRect(window, &w);
  corner = {from.x - w.left, from.y - w.top, to.x - w.left, to.y - w.top};
  return true;
}

void TScrollOverlays::Draw(const TSkinControl& skinner, HDC dc, DWORD style) const {
  for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()}) {
    if (!bar) continue;
    const DWORD needs = bar->Mode == bmControl ? 0 : bar->Vertical ? WS_VSCROLL : WS_HSCROLL;
    if (bar->Shown)
      bar->Repaint();
    else if ((style & needs) == needs)
      bar->Place();
  }
  if (RECT corner; Corner(skinner.Window(), corner)) skinner.FillFace(dc, corner);
}

TSkinScrollbar::TSkinScrollbar(host::TComponent* owner, bool single_bar, bool embedded_bar)
    : TSkinControl(owner), single_bar_(single_bar), embedded_bar_(embedded_bar) {}

// The window stops reaching this skinner before its overlays go.
TSkinScrollbar::~TSkinScrollbar() { ReleaseHooks(); }

const host::ClassInfo& TSkinScrollbar::Info() {
  static const host::ClassInfo info{"TSkinScrollbar", &TSkinControl::Info(), {}};
  return info;
}

void TSkinScrollbar::Attach(TSkinForm* form, TSkinData* data, bool, host::Canvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, data, false, canvas);
  if (!Control || !Handle) return;
  DrawBorder = host::LowerCase(GetEnumPropText(Control, "BorderStyle")) != "bsnone" &&
               Control->ClassName() != "TImageScrollBox" && !single_bar_ && !embedded_bar_;
  if (single_bar_) {
    PutSingleBar(bars_, ControlBar(this, Control, nullptr));
  } else {
    bars_.HorzBar = std::make_unique<TWScrollbar>(this);
    bars_.HorzBar->AttachControl(this, Control, bmHorizontal);
    bars_.VertBar = std::make_unique<TWScrollbar>(this);
    bars_.VertBar->AttachControl(this, Control, bmVertical);
  }
  if (!Control->Visible()) bars_.Hide();
}

void TSkinScrollbar::Restore() {
  TSkinControl::Restore();
  bars_.Hide();
}

void TSkinScrollbar::SkinActiveChanged() { bars_.Activate(SkinActive); }

void TSkinScrollbar::AfterMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      Sized = true;
      bars_.Place();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL: bars_.Scrolled(m); break;
    case WM_MOUSEWHEEL: bars_.RepaintShown(); break;
    case WM_NCPAINT: PaintFrame(nullptr); break;
    case host::CM_VISIBLECHANGED: bars_.Activate(m.WParam != 0); break;
    case host::CM_RECREATEWND:
      if (FormSkinner && FormSkinner->FHandle)
        PostMessageW(FormSkinner->FHandle, kReskinControl, reinterpret_cast<WPARAM>(Handle), 0);
      break;
    default:
      if (IsBarStateMessage(m.Msg))
        bars_.RepaintShown();
      else
        TSkinControl::AfterMessage(m);
  }
}

void TSkinScrollbar::Draw(HDC dc, const RECT& rect) {
  bars_.Draw(*this, dc, static_cast<DWORD>(GetWindowLongW(Handle, GWL_STYLE)));
  if (!DrawBorder || !SkinData) return;
  FrameIn(dc, rect, SkinData->Elements().Colours.ButtonShadow);
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameIn(dc, inner, SkinData->Elements().Colours.ButtonFace);
}

TSkinScrollbarH::~TSkinScrollbarH() { ReleaseHooks(); }

const host::ClassInfo& TSkinScrollbarH::Info() {
  static const host::ClassInfo info{"TSkinScrollbarH", &TSkinControl::Info(), {}};
  return info;
}

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) {
  if (Attached) return;
  TSkinControl::AttachWindow(window, data, form, canvas);
  if (IsScrollBarClass(window)) {
    PutSingleBar(bars_, ControlBar(this, nullptr, window));
    return;
  }
  bars_.HorzBar = std::make_unique<TWScrollbar>(this);
  bars_.HorzBar->AttachWindow(this, window, bmHorizontal);
  bars_.VertBar = std::make_unique<TWScrollbar>(this);
  bars_.VertBar->AttachWindow(this, window, bmVertical);
}

void TSkinScrollbarH::Restore() { bars_.Hide(); }

void TSkinScrollbarH::SkinActiveChanged() { bars_.Activate(SkinActive); }

void TSkinScrollbarH::AfterMessage(host::TMessage& m) {
  if (bars_.AnyShown() && !IsWindowVisible(Handle)) bars_.Hide();
  switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
      bars_.Place();
      PaintFrame(nullptr);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL: bars_.Scrolled(m); break;
    default:
      if (IsBarStateMessage(m.Msg))
        bars_.RepaintShown();
      else
        TSkinControl::AfterMessage(m);
  }
}

void TSkinScrollbarH::Draw(HDC dc, const RECT&) {
  bars_.Draw(*this, dc, static_cast<DWORD>(GetWindowLongW(Handle, GWL_STYLE)));
}

}  // namespace skin
