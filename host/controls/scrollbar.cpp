#include "host/controls/scrollbar.h"

#include <algorithm>

namespace host {

namespace {
constexpr std::string_view kKindNames[] = {"sbHorizontal", "sbVertical"};
const EnumInfo kKinds{"TScrollBarKind", kKindNames};
}  // namespace

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL)); }

const ClassInfo& TScrollBar::Info() {
  static const ClassInfo info{"TScrollBar", &TWinControl::Info(), {
      props::Enum<&TScrollBar::Kind, &TScrollBar::SetKind>("Kind", kKinds),
      props::Integer<&TScrollBar::Min, &TScrollBar::SetMin>("Min"),
      props::Integer<&TScrollBar::Max, &TScrollBar::SetMax>("Max"),
      props::Integer<&TScrollBar::Position, &TScrollBar::SetPosition>("Position"),
      props::Integer<&TScrollBar::PageSize, &TScrollBar::SetPageSize>("PageSize"),
      props::Integer<&TScrollBar::SmallChange, &TScrollBar::SetSmallChange>("SmallChange"),
      props::Integer<&TScrollBar::LargeChange, &TScrollBar::SetLargeChange>("LargeChange"),
      props::Event<&TScrollBar::SetOnChange>("OnChange"),
  }, [](TComponent* owner) -> TComponent* { return new TScrollBar(owner); }};
  return info;
}

void TScrollBar::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"SCROLLBAR";
  p.system_class = true;
  p.style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::HandleCreated() { Apply(); }

void TScrollBar::Apply() {
  if (!HandleAllocated()) return;
  SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, min_, max_, static_cast<UINT>(std::max(page_size_, 0)),
                position_};
  SetScrollInfo(WindowHandle(), SB_CTL, &si, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  kind_ = kind;
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongW(WindowHandle(), GWL_STYLE) & ~(SBS_HORZ | SBS_VERT);
  SetWindowLongW(WindowHandle(), GWL_STYLE, style | (kind == sbVertical ? SBS_VERT : SBS_HORZ));
  Invalidate();
}

void TScrollBar::SetMin(int v) {
  min_ = v;
  Apply();
}

void TScrollBar::SetMax(int v) {
  max_ = v;
  Apply();
}

void TScrollBar::SetPageSize(int v) {
  page_size_ = v;
  Apply();
}

void TScrollBar::SetPosition(int v) {
  // While loading, the range may not be read yet: keep the value as stored.
  if (!Loading()) v = std::clamp(v, min_, std::max(min_, max_ - std::max(page_size_ - 1, 0)));
  if (v == position_) return;
  position_ = v;
  Apply();
  if (OnChange && !Loading()) OnChange(this);
}

void TScrollBar::Scroll(int code) {
  switch (code) {
    case SB_LINEUP: SetPosition(position_ - small_change_); break;
    case SB_LINEDOWN: SetPosition(position_ + small_change_); break;
    case SB_PAGEUP: SetPosition(position_ - large_change_); break;
    case SB_PAGEDOWN: SetPosition(position_ + large_change_); break;
    case SB_TOP: SetPosition(min_); break;
    case SB_BOTTOM: SetPosition(max_); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      SCROLLINFO si{sizeof(si), SIF_TRACKPOS};
      if (GetScrollInfo(WindowHandle(), SB_CTL, &si)) SetPosition(si.nTrackPos);
      break;
    }
  }
}

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    Scroll(LOWORD(m.WParam));
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace host
