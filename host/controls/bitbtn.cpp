#include "host/controls/bitbtn.h"

#include "host/controls/form.h"
#include "host/gdi/handles.h"

namespace host {

namespace {
constexpr std::string_view kKindNames[] = {"bkCustom", "bkOK",    "bkCancel", "bkHelp",   "bkYes", "bkNo",
                                           "bkClose",  "bkAbort", "bkRetry",  "bkIgnore", "bkAll"};
const EnumInfo kKinds{"TBitBtnKind", kKindNames};
// The answer each kind gives a modal form (0: none).
constexpr int kKindResults[] = {0, IDOK, IDCANCEL, 0, IDYES, IDNO, 0, IDABORT, IDRETRY, IDIGNORE, 0};
}  // namespace

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

const ClassInfo& TBitBtn::Info() {
  static const ClassInfo info{"TBitBtn", &TButton::Info(), {
      props::Object<&TBitBtn::Glyph>("Glyph"),
      props::Integer<&TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs>("NumGlyphs"),
      props::Enum<&TBitBtn::Layout, &TBitBtn::SetLayout>("Layout", kButtonLayouts),
      props::Integer<&TBitBtn::Margin, &TBitBtn::SetMargin>("Margin"),
      props::Integer<&TBitBtn::Spacing, &TBitBtn::SetSpacing>("Spacing"),
      props::Enum<&TBitBtn::Kind, &TBitBtn::SetKind>("Kind", kKinds),
  }, [](TComponent* owner) -> TComponent* { return new TBitBtn(owner); }};
  return info;
}

void TBitBtn::SetNumGlyphs(int n) {
  num_glyphs_ = n;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TBitBtn::SetMargin(int margin) {
  margin_ = margin;
  Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TBitBtn::FillCreateParams(CreateParams& p) {
  TButton::FillCreateParams(p);
  p.style = (p.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::Click() {
  TForm* form = nullptr;
  for (TWinControl* w = Parent(); w && !form; w = w->Parent()) form = dynamic_cast<TForm*>(w);
  TButton::Click();
  if (!form) return;
  if (kind_ == bkClose) form->Close();
  else if (kKindResults[kind_]) form->SetModalResult(kKindResults[kind_]);
}

void TBitBtn::WndProc(TMessage& m) {
  if (m.Msg == CN_DRAWITEM) {
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
    m.Result = TRUE;
    return;
  }
  TButton::WndProc(m);
}

void TBitBtn::Draw(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool enabled = !(item.itemState & ODS_DISABLED);
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  RECT face = r;
  if (pressed) OffsetRect(&face, 1, 1);
  Selection font(dc, Font()->Handle());
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawButtonFace(dc, face, {glyph_.get(), num_glyphs_, !enabled ? 1 : pressed ? 2 : 0, caption_, layout_, margin_,
                            spacing_, enabled});
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&r, -4, -4);
    DrawFocusRect(dc, &r);
  }
}

}  // namespace host
