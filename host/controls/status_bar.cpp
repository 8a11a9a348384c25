#include "host/controls/status_bar.h"

#include <commctrl.h>

#include "host/core/text.h"

namespace host {

namespace {
constexpr std::string_view kBiDiNames[] = {"bdLeftToRight", "bdRightToLeft"};
const EnumInfo kBiDiModes{"TBiDiMode", kBiDiNames};
constexpr std::string_view kBevelNames[] = {"pbNone", "pbLowered", "pbRaised"};
const EnumInfo kBevels{"TStatusPanelBevel", kBevelNames};
constexpr std::string_view kStyleNames[] = {"psText", "psOwnerDraw"};
const EnumInfo kStyles{"TStatusPanelStyle", kStyleNames};

// The system status bar centres text after one tab and right-aligns it after two.
std::wstring AlignedText(const TStatusPanel& panel) {
  const std::wstring text = Widen(panel.Text());
  TAlignment a = panel.Alignment();
  if (panel.BiDiMode() == TBiDiMode::bdRightToLeft && a != TAlignment::taCenter)
    a = a == TAlignment::taLeftJustify ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
  return a == TAlignment::taCenter ? L"\t" + text : a == TAlignment::taRightJustify ? L"\t\t" + text : text;
}
}  // namespace

// ---- TStatusPanel ----

const ClassInfo& TStatusPanel::Info() {
  static const ClassInfo info{"TStatusPanel", nullptr, {
      props::Enum<&TStatusPanel::Alignment, &TStatusPanel::SetAlignment>("Alignment", AlignmentType()),
      props::Enum<&TStatusPanel::Bevel, &TStatusPanel::SetBevel>("Bevel", kBevels),
      props::Enum<&TStatusPanel::BiDiMode, &TStatusPanel::SetBiDiMode>("BiDiMode", kBiDiModes),
      props::Enum<&TStatusPanel::Style, &TStatusPanel::SetStyle>("Style", kStyles),
      props::Text<&TStatusPanel::Text, &TStatusPanel::SetText>("Text"),
      props::Integer<&TStatusPanel::Width, &TStatusPanel::SetWidth>("Width"),
  }};
  return info;
}

void TStatusPanel::SetAlignment(TAlignment v) { alignment_ = v; Changed(); }
void TStatusPanel::SetBevel(TStatusPanelBevel v) { bevel_ = v; Changed(); }
void TStatusPanel::SetStyle(TStatusPanelStyle v) { style_ = v; Changed(); }
void TStatusPanel::SetText(std::string v) { text_ = std::move(v); Changed(); }
void TStatusPanel::SetWidth(int v) { width_ = v < 0 ? 0 : v; Changed(); }
void TStatusPanel::SetBiDiMode(TBiDiMode v) { bidi_ = v; Changed(); }
void TStatusPanel::Changed() { owner_.Bar().UpdatePanels(); }

int TStatusPanel::Index() const {
  for (int i = 0; i < owner_.Count(); ++i)
    if (&owner_.Item(i) == this) return i;
  return -1;
}

// ---- TStatusPanels ----

const ClassInfo& TStatusPanels::Info() {
  static const ClassInfo info{"TStatusPanels", nullptr, {}};
  return info;
}

TStatusPanel& TStatusPanels::AddItem() {
  TStatusPanel& panel = *items_.emplace_back(std::make_unique<TStatusPanel>(*this));
  bar_.UpdatePanels();
  return panel;
}

void TStatusPanels::Clear() {
  items_.clear();
  bar_.UpdatePanels();
}

// ---- TStatusBar ----

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(*this)) {
  SetBounds(0, 0, 300, 19);
}

const ClassInfo& TStatusBar::Info() {
  static const ClassInfo info{"TStatusBar", &TWinControl::Info(), {
      props::Collection<&TStatusBar::Panels>("Panels"),
      props::Boolean<&TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel>("SimplePanel"),
      props::Text<&TStatusBar::SimpleText, &TStatusBar::SetSimpleText>("SimpleText"),
      props::Boolean<&TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip>("SizeGrip"),
      props::Enum<&TStatusBar::BiDiMode, &TStatusBar::SetBiDiMode>("BiDiMode", kBiDiModes),
  }, [](TComponent* owner) -> TComponent* { return new TStatusBar(owner); }};
  return info;
}

void TStatusBar::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = STATUSCLASSNAMEW;
  p.system_class = true;
  p.style |= CCS_BOTTOM | (size_grip_ ? SBARS_SIZEGRIP : 0);
  p.ex_style |= bidi_ == TBiDiMode::bdRightToLeft ? WS_EX_RTLREADING : 0;
}

void TStatusBar::HandleCreated() {
  // At least as tall as declared: the system measures only the font.
  SendMessageW(WindowHandle(), SB_SETMINHEIGHT, static_cast<WPARAM>(height_ > 4 ? height_ - 4 : 0), 0);
  UpdatePanels();
  KeepAtBottom();
}

void TStatusBar::KeepAtBottom() {
  if (!HandleAllocated()) return;
  HWND w = WindowHandle();
  SendMessageW(w, WM_SIZE, 0, 0);
  // The system places the bar while making it, before its moves reach us.
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  HWND w = WindowHandle();
  SendMessageW(w, SB_SIMPLE, simple_panel_, 0);
  SendMessageW(w, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(simple_text_).c_str()));
  std::vector<int> edges;
  int right = 0;
  for (int i = 0; i < panels_->Count(); ++i) edges.push_back(right += panels_->Item(i).Width());
  if (edges.empty()) edges.push_back(-1);
  SendMessageW(w, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < panels_->Count(); ++i) {
    const TStatusPanel& panel = panels_->Item(i);
    WPARAM how = static_cast<WPARAM>(i);
    if (panel.Bevel() == pbNone) how |= SBT_NOBORDERS;
    if (panel.Bevel() == pbRaised) how |= SBT_POPOUT;
    if (panel.BiDiMode() == TBiDiMode::bdRightToLeft) how |= SBT_RTLREADING;
    if (panel.Style() == psOwnerDraw) {
      SendMessageW(w, SB_SETTEXTW, how | SBT_OWNERDRAW, static_cast<LPARAM>(i));
    } else {
      const std::wstring text = AlignedText(panel);
      SendMessageW(w, SB_SETTEXTW, how, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  Invalidate();
}

void TStatusBar::SetSimplePanel(bool on) {
  simple_panel_ = on;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(std::string text) {
  simple_text_ = std::move(text);
  UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool on) {
  size_grip_ = on;
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongW(WindowHandle(), GWL_STYLE);
  SetWindowLongW(WindowHandle(), GWL_STYLE, on ? style | SBARS_SIZEGRIP : style & ~SBARS_SIZEGRIP);
  Invalidate();
}

void TStatusBar::SetBiDiMode(TBiDiMode v) {
  bidi_ = v;
  Invalidate();
}

void TStatusBar::DrawPanel(HDC dc, TStatusPanel& panel, const RECT& rect) {
  if (!OnDrawPanel) return;
  canvas_.SetHandle(dc);
  try {
    OnDrawPanel(this, &panel, rect);
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

void TStatusBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_PARENTRESIZED:
      KeepAtBottom();
      return;
    case CN_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      const int index = static_cast<int>(item->itemID);
      if (index >= 0 && index < panels_->Count()) DrawPanel(item->hDC, panels_->Item(index), item->rcItem);
      m.Result = TRUE;
      return;
    }
  }
  TWinControl::WndProc(m);
}

}  // namespace host
