#include "host/controls/tab_set.h"

#include <algorithm>

#include "host/core/text.h"
#include "host/gdi/handles.h"

namespace host {
namespace {

// Hostile stored forms cannot push the layout past what a window can hold.
constexpr int kMarginLimit = 0x7FFF;

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  const Brush brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush);
}

}  // namespace

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 21); }

const ClassInfo& TTabSet::Info() {
  static const ClassInfo info{"TTabSet", &TWinControl::Info(), {
      props::Strings<&TTabSet::Tabs, &TTabSet::SetTabs>("Tabs"),
      props::Integer<&TTabSet::TabIndex, &TTabSet::SetTabIndex>("TabIndex"),
      props::Integer<&TTabSet::FirstIndex, &TTabSet::SetFirstIndex>("FirstIndex"),
      props::Integer<&TTabSet::StartMargin, &TTabSet::SetStartMargin>("StartMargin"),
      props::Integer<&TTabSet::EndMargin, &TTabSet::SetEndMargin>("EndMargin"),
      props::Event<&TTabSet::SetOnChange>("OnChange"),
  }, [](TComponent* owner) -> TComponent* { return new TTabSet(owner); }};
  return info;
}

void TTabSet::SetTabs(const StringList& tabs) {
  tabs_ = tabs;
  const int last = static_cast<int>(tabs_.size()) - 1;
  tab_index_ = std::min(tab_index_, last);
  first_index_ = std::clamp(first_index_, 0, std::max(0, last));
  Invalidate();
}

void TTabSet::SetTabIndex(int index) {
  tab_index_ = index >= 0 && index < static_cast<int>(tabs_.size()) ? index : -1;
  Invalidate();
}

void TTabSet::SetFirstIndex(int index) {
  first_index_ = std::clamp(index, 0, std::max(0, static_cast<int>(tabs_.size()) - 1));
  Invalidate();
}

void TTabSet::SetStartMargin(int margin) {
  start_margin_ = std::clamp(margin, 0, kMarginLimit);
  Invalidate();
}

void TTabSet::SetEndMargin(int margin) {
  end_margin_ = std::clamp(margin, 0, kMarginLimit);
  Invalidate();
}

void TTabSet::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"TTabSet";
  p.system_class = false;
}

std::vector<TTabSet::Shown> TTabSet::Layout(HDC dc) {
  std::vector<Shown> shown;
  const Selection font(dc, Font()->Handle());
  const int room = width_ - end_margin_;
  int x = start_margin_;
  for (int i = first_index_; i < static_cast<int>(tabs_.size()); ++i) {
    const std::wstring text = Widen(tabs_[static_cast<size_t>(i)]);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    const int w = size.cx + kTabPadding;
    if (x + w > room) continue;  // a later, shorter tab may still fit
    shown.push_back({i, {x, 0, x + w, height_}});
    x += w;
  }
  return shown;
}

std::vector<TTabSet::Shown> TTabSet::Layout() {
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  return dc ? Layout(dc) : std::vector<Shown>{};
}

std::optional<RECT> TTabSet::TabRect(int index) {
  for (const Shown& s : Layout())
    if (s.index == index) return s.rect;
  return std::nullopt;
}

int TTabSet::ItemAtPos(POINT p) {
  for (const Shown& s : Layout())
    if (PtInRect(&s.rect, p)) return s.index;
  return -1;
}

void TTabSet::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;  // the paint covers the whole client area
      return;
    case WM_LBUTTONDOWN: {
      const int hit = ItemAtPos({static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))});
      if (hit >= 0 && hit != tab_index_) {
        SetTabIndex(hit);
        if (OnChange) OnChange(this);
        return;  // the handler may have freed the control
      }
      break;
    }
  }
  TWinControl::WndProc(m);
}

void TTabSet::PaintWindow(HDC dc) {
  RECT client;
  GetClientRect(WindowHandle(), &client);
  Fill(dc, client, ColourToRgb(color_));
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), dark = GetSysColor(COLOR_3DDKSHADOW);
  // The edge of the page above, broken where the selected tab joins it.
  Fill(dc, {client.left, 0, client.right, 1}, dark);
  const Selection font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourToRgb(enabled_ ? Font()->Color() : SystemColour(COLOR_GRAYTEXT)));
  for (const Shown& s : Layout(dc)) {
    const bool selected = s.index == tab_index_;
    RECT r = s.rect;
    if (!selected) InflateRect(&r, 0, -2);
    r.top = selected ? 0 : 1;
    Fill(dc, r, selected ? GetSysColor(COLOR_BTNFACE) : shadow);
    DrawEdge(dc, &r, selected ? EDGE_RAISED : BDR_RAISEDOUTER, BF_LEFT | BF_RIGHT | BF_BOTTOM);
    const std::wstring text = Widen(tabs_[static_cast<size_t>(s.index)]);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

}  // namespace host
