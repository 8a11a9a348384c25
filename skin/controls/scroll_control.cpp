#include "skin/controls/scroll_control.h"

namespace skin {

// The window stops reaching this skinner before its overlay goes.
TSkinScControl::~TSkinScControl() { ReleaseHooks(); }

const host::ClassInfo& TSkinScControl::Info() {
  static const host::ClassInfo info{"TSkinScControl", &TSkinControl::Info(), {}};
  return info;
}

void TSkinScControl::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, data, use_skin_colour, canvas);
  if (!Control || !Handle) return;
  overlay_ = std::make_unique<TWScrollbar>(this);
  // The overlay covers the control, so the control's hint must be its own.
  overlay_->SetShowHint(Control->ShowHint());
  overlay_->SetHint(Control->Hint());
  overlay_->AttachControl(this, Control, bmControl);
  if (!Control->Visible()) overlay_->HideBar();
}

void TSkinScControl::Restore() {
  TSkinControl::Restore();
  if (LifeState != clGone) overlay_.reset();
}

void TSkinScControl::AfterMessage(host::TMessage& m) {
  if (!overlay_) {
    TSkinControl::AfterMessage(m);
    return;
  }
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED: overlay_->Place(); break;
    case WM_NCPAINT:
      if (auto* win = dynamic_cast<host::TWinControl*>(Control)) Handle = win->WindowHandle();
      overlay_->Place();
      break;
    case SBM_SETSCROLLINFO:
    case host::CN_VSCROLL: overlay_->Repaint(); break;
    case host::CM_VISIBLECHANGED:
      if (m.WParam)
        overlay_->Place();
      else
        overlay_->HideBar();
      break;
    default: TSkinControl::AfterMessage(m);
  }
}

void TSkinScControl::Draw(HDC, const RECT&) {
  if (overlay_) overlay_->Repaint();
}

}  // namespace skin
