#include "skin/controls/track_bar.h"

#include "host/controls/message.h"
#include "host/gdi/handles.h"
#include "skin/data/skin_data.h"
#include "skin/draw/single_frame.h"

namespace skin {
namespace {

// The thumb's element has five state frames; the second is the one shown.
constexpr int kThumbFrames = 5;
constexpr int kThumbFrame = 2;

// Copies a source band unscaled across and stretched along, or the reverse.
void Copy(HDC dc, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh) {
  if (w > 0 && h > 0 && sw > 0 && sh > 0) StretchBlt(dc, x, y, w, h, src, sx, sy, sw, sh, SRCCOPY);
}

}  // namespace

bool TSkinTrackBar::BeforeMessage(host::TMessage& m) {
  if (m.Msg == WM_NOTIFY || m.Msg == host::CN_NOTIFY) {
    const auto* draw = reinterpret_cast<const NMCUSTOMDRAW*>(m.LParam);
    // Only the control's own drawing: a tooltip of the control notifies it too.
    if (!draw || draw->hdr.code != static_cast<UINT>(NM_CUSTOMDRAW) || draw->hdr.hwndFrom != Handle) return true;
    m.Result = CustomDraw(*draw);
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) const {
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_PREERASE:
      // The control would fill its face with the system's colour; it shows
      // what lies behind it instead, as the other skinned controls do.
      PaintParentBackground(draw.hdc);
      return CDRF_SKIPDEFAULT;
    case CDDS_ITEMPREPAINT:
      switch (draw.dwItemSpec) {
        case TBCD_THUMB:
          DrawThumb(draw.hdc);
          return CDRF_SKIPDEFAULT;
        case TBCD_CHANNEL:
          DrawChannel(draw.hdc);
          return CDRF_SKIPDEFAULT;
        default:
          return CDRF_DODEFAULT;  // the ticks keep the system's look
      }
    default:
      return CDRF_DODEFAULT;
  }
}

void TSkinTrackBar::SkinChanged() {
  // Taking the focus would activate a window in the background: there a
  // plain repaint does.
  if (!Handle || GetActiveWindow() != GetAncestor(Handle, GA_ROOT) || !IsWindowEnabled(Handle)) {
    Refresh();
    return;
  }
  HWND had = GetFocus();
  SetFocus(Handle);
  if (had && had != Handle) SetFocus(had);
}

bool TSkinTrackBar::Vertical() const { return (GetWindowLongAW(Handle, GWL_STYLE) & TBS_VERT) != 0; }

void TSkinTrackBar::DrawThumb(HDC dc) const {
  if (!Handle || !IsWindow(Handle) || !SkinData) return;
  RECT thumb{};
  SendMessageW(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const SkinElements& e = SkinData->Elements();
  const TDataSkinObject* element = Vertical() && e.ThumbVert ? e.ThumbVert.get() : e.ThumbHorz.get();
  if (element && !element->Image.Empty()) {
    CopySkinFrame(dc, thumb, element->Image, kThumbFrame, kThumbFrames, false);
    return;
  }
  const host::Brush outline(CreateSolidBrush(host::ColourToRgb(e.Colours.ButtonShadow)));
  FrameRect(dc, &thumb, outline);
}

void TSkinTrackBar::DrawChannel(HDC dc) const {
  if (!Handle || !SkinData) return;
  RECT c{};
  SendMessageW(Handle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
  const SkinElements& e = SkinData->Elements();
  const bool vertical = Vertical() && e.TrackLineVert && !e.TrackLineVert->Image.Empty();
  const TDataSkinObject* element = vertical ? e.TrackLineVert.get() : e.TrackLine.get();
  if (!element || element->Image.Empty()) return;
  const int w = element->Image.Width(), h = element->Image.Height();
  HDC src = element->Image.Dc();
  const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
  if (vertical) {
    // The system reports a vertical channel with x and y exchanged; a
    // channel that comes unexchanged is already taller than wide.
    if (c.right - c.left > c.bottom - c.top) c = RECT{c.top, c.left, c.bottom, c.right};
    const int t = element->TopHeight, b = element->BottomHeight, height = c.bottom - c.top;
    const int x = c.left + (w < c.right - c.left ? (c.right - c.left - w) / 2 : 0);
    Copy(dc, x, c.top, w, t, src, 0, 0, w, t);
    Copy(dc, x, c.top + t, w, height - t - b, src, 0, t, w, h - t - b);
    Copy(dc, x, c.bottom - b, w, b, src, 0, h - b, w, b);
  } else {
    const int l = element->LeftWidth, r = element->RightWidth, width = c.right - c.left;
    const int y = c.top + (h < c.bottom - c.top ? (c.bottom - c.top - h) / 2 : 0);
    Copy(dc, c.left, y, l, h, src, 0, 0, l, h);
    Copy(dc, c.left + l, y, width - l - r, h, src, l, 0, w - l - r, h);
    Copy(dc, c.right - r, y, r, h, src, w - r, 0, r, h);
  }
  SetStretchBltMode(dc, old_mode);
}

}  // namespace skin
