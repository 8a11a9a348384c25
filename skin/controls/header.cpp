#include "skin/controls/header.h"

#include <commctrl.h>

#include <algorithm>

#include "host/gdi/handles.h"
#include "skin/controls/content_colours.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_element.h"

namespace skin {
namespace {

constexpr int kItemTextMax = 100;

UINT TextAlignment(int format) {
  if (format & HDF_RIGHT) return DT_RIGHT;
  if (format & HDF_CENTER) return DT_CENTER;
  return DT_LEFT;
}

bool ShowsImage(int format) { return (format & (HDF_IMAGE | 0x8000)) != 0; }

}  // namespace

const host::ClassInfo& TSkinHeader::Info() {
  static const host::ClassInfo info{"TSkinHeader", &TSkinControl::Info(), {}};
  return info;
}

void TSkinHeader::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  TSkinControl::Attach(form, data, use_skin_colour, canvas);
  HotItem = -1;
}

void TSkinHeader::AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) {
  TSkinControl::AttachWindow(window, data, form, canvas);
  HotItem = -1;
}

bool TSkinHeader::HasPicture() const {
  const TDataSkinObject* bar = SkinData ? SkinData->Elements().Headerbar.get() : nullptr;
  return bar && !bar->Image.Empty();
}

bool TSkinHeader::BeforeMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (!HasPicture()) break;
      PaintBuffered(m);
      return false;
    case WM_ERASEBKGND:
      if (!HasPicture()) break;
      m.Result = 1;
      return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinHeader::AfterMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      const POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      for (size_t i = 0; i < ItemRects.size(); ++i)
        if (PtInRect(&ItemRects[i], p) && static_cast<int>(i) != HotItem) {
          HotItem = static_cast<int>(i);
          Refresh();
        }
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle, 0};
      if (Handle) TrackMouseEvent(&track);
      break;
    }
    case WM_MOUSELEAVE:
      HotItem = -1;
      Refresh();
      break;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinHeader::Draw(HDC dc, const RECT& rect) {
  if (!HasPicture() || !Handle) return;
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  const host::Selection with(dc, font ? font : GetStockObject(SYSTEM_FONT));
  SetTextColor(dc, ContentTextColour(SkinData->Elements(), GetSysColor(COLOR_BTNTEXT)));
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, HDM_GETIMAGELIST, 0, 0));
  const int count = std::max(0, static_cast<int>(SendMessageW(Handle, HDM_GETITEMCOUNT, 0, 0)));
  ItemRects.assign(static_cast<size_t>(count), RECT{});
  LONG right = rect.left;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!SendMessageW(Handle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
    DrawItem(dc, i, item, images);
    ItemRects[static_cast<size_t>(i)] = {item.left + 3, item.top, item.right - 3, item.bottom};
    right = std::max(right, item.right);
  }
  if (right >= rect.right) return;
  const host::DibBitmap rest = ComposeBar(rect.right - right, rect.bottom - rect.top, 1);
  if (!rest.Empty()) BitBlt(dc, right, rect.top, rest.Width(), rest.Height(), rest.Dc(), 0, 0, SRCCOPY);
}

host::DibBitmap TSkinHeader::ComposeBar(int width, int height, int frame) const {
  const TDataSkinObject& bar = *SkinData->Elements().Headerbar;
  const int frames = std::max(1, static_cast<int>(bar.FrameCount));
  return ComposeSkinElement({0, 0, width, height}, bar.Image, bar.Margins(), std::min(frame, frames), frames,
                            bar.Tile == 1, Strip::Horizontal);
}

void TSkinHeader::DrawItem(HDC dc, int index, const RECT& item, HIMAGELIST images) const {
  const int width = item.right - item.left, height = item.bottom - item.top;
  const host::DibBitmap face = ComposeBar(width, height, index == HotItem ? 2 : 1);
  if (face.Empty()) return;
  wchar_t text[kItemTextMax + 1] = {};
  HDITEMW info{};
  info.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  info.pszText = text;
  info.cchTextMax = kItemTextMax;
  if (SendMessageW(Handle, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info))) {
    text[kItemTextMax] = 0;
    HDC face_dc = face.Dc();
    const host::Selection font(face_dc, GetCurrentObject(dc, OBJ_FONT));
    SetTextColor(face_dc, GetTextColor(dc));
    const RECT room{3, 0, width - 3, height};
    DrawCaptionImage(face_dc, room, TextAlignment(info.fmt), info.pszText ? info.pszText : L"", images,
                     ShowsImage(info.fmt) ? info.iImage : -1);
  }
  BitBlt(dc, item.left, item.top, width, height, face.Dc(), 0, 0, SRCCOPY);
}

}  // namespace skin
