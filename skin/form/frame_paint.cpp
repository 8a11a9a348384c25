// Painting the skinned non-client area: the borders, the caption bar composed
// off-screen (element, text, buttons) and copied in one go, the window icon.
#include <algorithm>
#include <climits>
#include <exception>
#include <optional>

#include "host/graphics/canvas.h"
#include "skin/data/skin_data.h"
#include "skin/draw/bitmap_copy.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/draw/transparent.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

// A copy of the icon at the given size, taken from its resource when it has
// one so that the best-fitting image is used rather than a scaled big one.
host::Icon SizedIcon(HICON icon, int size) {
  return host::Icon(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, LR_COPYFROMRESOURCE)));
}


// Resizing only when needed keeps the bitmap's DC and canvas between paints.
void EnsureSize(host::DibBitmap& bitmap, int width, int height) {
  if (bitmap.Width() != width || bitmap.Height() != height) bitmap.SetSize(width, height);
}

// Room for width x height in a bitmap that only grows, along its length
// (down when `vertical`) a step at a time: a window resized step by step
// reuses its frame pictures instead of taking new ones, and fresh pages, at
// every step.
void EnsureRoom(host::DibBitmap& bitmap, int width, int height, bool vertical) {
  constexpr int kStep = 256;
  if (bitmap.Width() >= width && bitmap.Height() >= height) return;
  int w = std::max(width, bitmap.Width()), h = std::max(height, bitmap.Height());
  int& length = vertical ? h : w;
  if (length <= INT_MAX - kStep) length = (length + kStep - 1) / kStep * kStep;
  bitmap.SetSize(w, h);
}

}  // namespace

void TSkinForm::PaintFrame(HDC dc) {
  if (!ScratchBitmap() || (FState != flRunning && FState != flReskinning)) return;
  if (FBorderKind == TBorderKind::NoCaption || (IsMDIChild() && FWindowState == TWindowState::Maximized)) return;
  std::optional<host::WindowDc> own;
  if (!dc) own.emplace(FHandle, true);
  const HDC target = dc ? dc : own->get();
  try {
    if (target && GetWindowRect(FHandle, &FWindowRect)) {
      FWidth = FWindowRect.right - FWindowRect.left;
      FHeight = FWindowRect.bottom - FWindowRect.top;
      if (FWindowState == TWindowState::Minimized) {
        PaintCaption(target);
      } else {
        // The side borders first: the caption picture copies their top ends as its corners.
        PaintBorder(1, {0, 0, FBorderLeft, FHeight}, target);
        PaintBorder(2, {FWidth - FBorderRight, 0, FWidth, FHeight}, target);
        PaintBorder(4, {FBorderLeft, FHeight - FBorderBottom, FWidth - FBorderRight, FHeight}, target);
        PaintCaption(target);
        if (FMenuBarHeight > 0) {
          const RECT bar{FBorderLeft, FBorderTop, FWidth - FBorderRight, FBorderTop + FMenuBarHeight};
          if (FMenuBar)
            FMenuBar->PaintBar(target, bar);
          else
            FillRect(target, &bar, FSkinData->Elements().ButtonFaceBrush);
        }
      }
    }
  } catch (const std::exception&) {
    // A frame that cannot be painted now is painted by the next WM_NCPAINT.
  }
  FHotObject = nullptr;
}

void TSkinForm::PaintBorder(int index, const RECT& rect, HDC dc) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  // A frame repaint at an unchanged size and activation shows the same picture again.
  BorderPicture& kept = FBorderPictures[index - 1];
  const int k = BorderFrame(index);
  if (kept.k != k || kept.width != width || kept.height != height) {
    EnsureRoom(kept.picture, width, height, index <= 2);
    const bool composed = ComposeBorderInto(index, kept.picture, width, height);
    kept.k = composed ? k : 0;
    kept.width = composed ? width : 0;
    kept.height = composed ? height : 0;
  }
  if (kept.k == 0) return;
  BitBlt(dc, rect.left, rect.top, width, height, kept.picture.Dc(), 0, 0, SRCCOPY);
}

void TSkinForm::CopyCaptionCorner(int index, int x, HDC window) {
  const BorderPicture& side = FBorderPictures[index - 1];
  const int width = index == 1 ? FBorderLeft : FBorderRight;
  // The side border as just painted; the window itself when it had none.
  if (side.k != 0 && side.width == width && side.height == FHeight)
    BitBlt(FCaptionBitmap.Dc(), x, 0, width, std::min(FBorderTop, FHeight), side.picture.Dc(), 0, 0, SRCCOPY);
  else
    BitBlt(FCaptionBitmap.Dc(), x, 0, width, FBorderTop, window, x, 0, SRCCOPY);
}

void TSkinForm::PaintCaption(HDC dc) {
  RECT caption;
  const int height = FWindowState == TWindowState::Minimized ? FHeight : FBorderTop;
  if (FWidth <= 0 || height <= 0) return;
  EnsureRoom(FCaptionBitmap, FWidth, height, false);
  if (FCaptionBitmap.Empty()) return;
  if (FWindowState == TWindowState::Minimized) {
    const RECT all{0, 0, FWidth, FHeight};
    FillRect(FCaptionBitmap.Dc(), &all, FSkinData->Elements().ButtonFaceBrush);
    caption = {0, 0, FWidth, FBorderTop};
  } else {
    CopyCaptionCorner(1, 0, dc);
    CopyCaptionCorner(2, FWidth - FBorderRight, dc);
    caption = {FBorderLeft, 0, FWidth - FBorderRight, FBorderTop};
  }
  PaintBorder(3, caption, FCaptionBitmap.Dc());
  host::Canvas& canvas = FCaptionBitmap.GetCanvas();
  PaintCaptionText(canvas, caption);
  LayoutButtons();
  PaintButtons(FCaptionBitmap);
  BitBlt(dc, 0, 0, FWidth, height, FCaptionBitmap.Dc(), 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TSkinForm::RefreshIcon() {
  FIconPicture = {};
  FIconSize = GetSystemMetrics(SM_CXSMICON);
  const RECT all{0, 0, FIconSize, GetSystemMetrics(SM_CYSMICON)};
  const bool resized = FIconBitmap.Width() != all.right || FIconBitmap.Height() != all.bottom;
  EnsureSize(FIconBitmap, all.right, all.bottom);
  FIcon = reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!FIcon) FIcon = reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_BIG, 0));
  FIconCopy = FIcon ? SizedIcon(FIcon, FIconSize) : host::Icon();
  if (FIconBitmap.Empty() || (!resized && !FIcon)) return;
  // Magenta is the key colour: what the icon leaves uncovered stays see-through.
  host::Canvas& canvas = FIconBitmap.GetCanvas();
  canvas.SetBrushColour(kSkinColourKey);
  canvas.FillRect(all);
  if (FIcon) DrawIcon(FIconBitmap.Dc(), all);
}

void TSkinForm::DrawIcon(HDC dc, const RECT& rect) {
  if (FIcon)
    DrawIconEx(dc, rect.left, rect.top, FIconCopy ? FIconCopy.get() : FIcon, FIconSize, FIconSize, 0, nullptr, DI_NORMAL);
  else
    DrawTransparentBitmap(dc, rect, FIconBitmap, kSkinColourKey);
}

// The system draws an icon in some 200 µs under Wine: the icon drawn over the
// same pixels again is the drawing kept from the last time.
void TSkinForm::PaintIcon(host::DibBitmap& caption, const RECT& rect) {
  RECT at{};
  const RECT icon{rect.left, rect.top, rect.left + FIconSize, rect.top + FIconSize};
  const RECT picture{0, 0, caption.Width(), caption.Height()};
  UnionRect(&at, &rect, &icon);
  IntersectRect(&at, &at, &picture);
  const int w = at.right - at.left, h = at.bottom - at.top;
  IconPicture& kept = FIconPicture;
  if (EqualRect(&kept.at, &at) && SamePart(caption, at.left, at.top, kept.under, w, h)) {
    CopyPartTo(kept.drawn, 0, 0, w, h, caption, at.left, at.top);
    return;
  }
  const auto part = [&] {
    host::DibBitmap copy(w, h, caption.Format());
    CopyPartTo(caption, at.left, at.top, w, h, copy, 0, 0);
    return copy;
  };
  kept.under = part();
  DrawIcon(caption.Dc(), rect);
  kept.drawn = part();
  kept.at = at;
}

void TSkinForm::HandleNcPaint(host::TMessage& m) {
  // Without WS_SYSMENU the default processing never draws the system's caption buttons.
  SetSysMenuStyle(false);
  if (FSkinData->FramePaint) {
    if ((IsMDIChild() && FWindowState == TWindowState::Maximized) || FBorderKind == TBorderKind::NoCaption) {
      Default(m);
      return;
    }
    // The system paints a resized window before its WM_SIZE sets the region
    // for the new size, which would repaint the frame a second time: the
    // region is set now, quietly, and this paint is the only one.
    if (RegionBehind()) UpdateRegion(false);
    PaintFrame();
  }
  m.Result = 0;
}

void TSkinForm::HandleNcActivate(host::TMessage& m) {
  FActive = LOBYTE(m.WParam) != 0;
  if (FHoverTimer) FHoverTimer->SetEnabled(FActive);
  if (FMDIKind == TMDIKind::MainForm && FMDIClient)
    SendMessageW(FMDIClient, WM_NCACTIVATE, m.WParam, 0);
  else if (IsMDIChild())
    Default(m);
  if (!(IsMDIChild() && FWindowState == TWindowState::Maximized)) PaintFrame();
  // The system never paints its own active or inactive frame.
  m.Result = 1;
}

}  // namespace skin
