#include "skin/controls/tab.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "host/gdi/handles.h"
#include "skin/controls/tab_caption.h"
#include "skin/controls/up_down.h"
#include "skin/controls/whole_paint.h"
#include "skin/data/skin_data.h"
#include "skin/draw/bitmap_copy.h"
#include "skin/draw/bitmap_effects.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/text.h"
#include "skin/form/engine_messages.h"

namespace skin {
namespace {

// The pane picture of a style-0 skin has fixed margins.
constexpr RECT kStyle0PaneMargins{4, 5, 4, 4};
constexpr int kItemTextLength = 80;

struct TabItem {
  std::wstring text;
  int image = -1;
};

// The item's text (at most kItemTextLength characters) and image index, in
// the characters of the message's form.
template <class Item, class Char>
std::optional<std::pair<std::basic_string<Char>, int>> GetItem(HWND tab, int index, UINT message) {
  Char text[kItemTextLength]{};
  Item item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
  item.pszText = text;
  item.cchTextMax = kItemTextLength;
  item.iImage = -1;
  if (!SendMessageW(tab, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return std::nullopt;
  Char* end = std::find(text, text + kItemTextLength, Char{});
  return std::pair{std::basic_string<Char>(text, static_cast<std::size_t>(end - text)), item.iImage};
}

TabItem ReadItem(HWND tab, int index, bool unicode) {
  if (unicode) {
    if (auto item = GetItem<TCITEMW, wchar_t>(tab, index, TCM_GETITEMW)) return {item->first, item->second};
  } else if (auto item = GetItem<TCITEMA, char>(tab, index, TCM_GETITEMA)) {
    return {AnsiToWide(item->first), item->second};
  }
  return {};
}

// Where item rectangle i (client coordinates) lies in the strip buffer, in
// which the strip is drawn lying along the top whatever its side.
RECT MapItem(TTabPosition position, const RECT& i, const RECT& window, const RECT& display, int buffer_width) {
  switch (position) {
    case tpBottom: return {i.left, i.top - display.bottom - 1, i.right, i.bottom - display.bottom - 1};
    case tpLeft: return {buffer_width - i.bottom, i.left, buffer_width - i.top, i.right};
    case tpRight: return {i.top - 1, window.right - i.right, i.bottom - 1, window.right - i.left};
    default: return {i.left, i.top + 1, i.right, i.bottom + 1};
  }
}

RECT StripRect(TTabPosition position, const RECT& r, const RECT& d) {
  switch (position) {
    case tpBottom: return {r.left, d.bottom, r.right, r.bottom};
    case tpLeft: return {r.left, r.top, d.left, r.bottom};
    case tpRight: return {d.right, r.top, r.right, r.bottom};
    default: return {r.left, r.top, r.right, d.top};
  }
}

}  // namespace

TTabPosition TabPositionOf(DWORD style) {
  const bool bottom = style & TCS_BOTTOM, vertical = style & TCS_VERTICAL;
  if (vertical) return bottom ? tpRight : tpLeft;
  return bottom ? tpBottom : tpTop;
}

void TSkinTab::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  TSkinControl::Attach(form, data, use_skin_colour, canvas);
  if (Handle) Prepare();
}

void TSkinTab::AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) {
  TSkinControl::AttachWindow(window, data, form, canvas);
  Prepare();
}

void TSkinTab::Prepare() {
  Enabled = !(GetWindowLongAW(Handle, GWL_STYLE) & WS_DISABLED);
  LoadTabImages();
  FindSpinButton();
  SkinActive = true;
  UnicodeTabs = IsWindowUnicode(Handle) != FALSE;
}

// The pictures first: the repaint that follows shows the new skin.
void TSkinTab::SkinChanged() {
  LoadTabImages();
  TSkinControl::SkinChanged();
}

bool TSkinTab::BeforeMessage(host::TMessage& m) {
  if (m.Msg == WM_PAINT) {
    PaintWhole(*this, m);
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinTab::LoadTabImages() {
  TabPosition = Handle ? TabPositionOf(static_cast<DWORD>(GetWindowLongAW(Handle, GWL_STYLE))) : tpTop;
  TabImage = host::DibBitmap();
  PaneImage = host::DibBitmap();
  if (!SkinData) return;
  const SkinElements& e = SkinData->Elements();
  const TDataSkinBorder* tabs = e.Tabs.get();
  if (!tabs) return;
  if (!tabs->Image.Empty()) CopyBitmap(tabs->Image, TabImage);
  if (tabs->Style == 0 && !tabs->Image2.Empty()) CopyBitmap(tabs->Image2, PaneImage);
  if (tabs->Style == 1 && e.TabPane && !e.TabPane->Image.Empty()) CopyBitmap(e.TabPane->Image, PaneImage);
  for (host::DibBitmap* picture : {&TabImage, &PaneImage})
    if (!picture->Empty()) picture->SetFormat(host::PixelFormat::Bits24);
  switch (TabPosition) {
    case tpBottom:
      FlipBitmap(TabImage);
      FlipBitmap(PaneImage);
      break;
    case tpLeft: RotateBitmapLeft(PaneImage); break;
    case tpRight: RotateBitmapRight(PaneImage); break;
    case tpTop: break;
  }
}

TSkinUpDown* TSkinTab::SpinSkinner() const { return FindUpDownSkinner(FormSkinner, spin_window_); }

HWND TSkinTab::FindSpinButton() {
  HWND spin = FindWindowExA(Handle, nullptr, "msctls_updown32", nullptr);
  if (!spin) return nullptr;
  if (FormSkinner && !SpinSkinner() && !IsSkinned(spin)) {
    auto skinner = std::make_unique<TSkinUpDown>(nullptr);
    skinner->AttachWindow(spin, SkinData, FormSkinner, FormCanvas);
    spin_window_ = spin;
    skinner.release();  // registered with the form skinner, which frees it
  }
  return (GetWindowLongW(spin, GWL_STYLE) & WS_VISIBLE) ? spin : nullptr;
}

void TSkinTab::Draw(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  const auto style = static_cast<DWORD>(GetWindowLongAW(Handle, GWL_STYLE));
  Enabled = !(style & WS_DISABLED);
  // The side can change after attaching: the pictures follow it.
  if (TabPositionOf(style) != TabPosition) LoadTabImages();
  RECT display = rect;
  SendMessageW(Handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  InflateRect(&display, 4, 4);
  switch (TabPosition) {
    case tpTop: ++display.top; break;
    case tpBottom: --display.bottom; break;
    case tpLeft: ++display.left; break;
    case tpRight: --display.right; break;
  }
  if (!TabImage.Empty()) DrawStrip(dc, rect, display);
  DrawPane(dc, display);
}

void TSkinTab::DrawStrip(HDC dc, const RECT& window, const RECT& display) {
  const TDataSkinBorder* tabs = SkinData->Elements().Tabs.get();
  if (!tabs) return;
  const RECT t = StripRect(TabPosition, window, display);
  const int width = t.right - t.left, height = t.bottom - t.top;
  if (width <= 0 || height <= 0) return;
  const bool lying = TabPosition == tpLeft || TabPosition == tpRight;
  StripBuffer.SetSize(lying ? height : width, lying ? width : height);
  HDC b = StripBuffer.Dc();
  if (!b) return;
  FillFace(b, {0, 0, StripBuffer.Width(), StripBuffer.Height()});
  {
    const host::Selection font(b, reinterpret_cast<HGDIOBJ>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    const int count = static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
    const int focus = static_cast<int>(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
    const SkinColours& colours = SkinData->Elements().Colours;
    for (int i = 0; i < count; ++i) {
      const TabItem item = ReadItem(Handle, i, UnicodeTabs);
      RECT r{};
      if (!SendMessageW(Handle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
      const RECT m = MapItem(TabPosition, r, window, display, StripBuffer.Width());
      const int frame = i == focus ? 2 : 1;
      DrawSkinElement(StripBuffer, m, TabImage, tabs->Margins(), frame, tabs->FrameCount, tabs->Trans == 1, tabs->Tile == 1,
                      Strip::Horizontal);
      SetTextColor(b, TabTextColour(frame == 2 ? tabs->MouseOverColour2 : tabs->NormalColour2, colours));
      DrawTabCaption(b, m, TTabAlign::Centre, item.text, item.image, images, Enabled);
    }
  }
  if (TabPosition == tpRight) RotateBitmapRight(StripBuffer);
  if (TabPosition == tpLeft) RotateBitmapLeft(StripBuffer);

  const host::SavedDc saved(dc);
  RECT spin, own;
  if (HWND arrows = FindSpinButton(); arrows && GetWindowRect(arrows, &spin) && GetWindowRect(Handle, &own))
    ExcludeClipRect(dc, spin.left - own.left, spin.top - own.top, spin.right - own.left, spin.bottom - own.top);
  BitBlt(dc, t.left, t.top, width, height, StripBuffer.Dc(), 0, 0, SRCCOPY);
}

void TSkinTab::DrawPane(HDC dc, const RECT& display) const {
  if (PaneImage.Empty()) return;
  const SkinElements& e = SkinData->Elements();
  RECT margins = kStyle0PaneMargins;
  if (e.Tabs && e.Tabs->Style != 0) {
    if (!e.TabPane) return;
    margins = e.TabPane->Margins();
  }
  DrawSkinElement(dc, display, PaneImage, margins, 1, 1, false, false, Strip::Horizontal);
}

}  // namespace skin
