// The skinned frame's geometry: border sizes from the skin, the client area
// the system is told about, and the window region that cuts away the
// frame's transparent pixels.
#include "skin/data/skin_data.h"
#include "skin/draw/skin_element.h"
#include "skin/form/frame_region.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

const TDataSkinBorder& Border(const TSkinData& data, int index) {
  const SkinElements& e = data.Elements();
  switch (index) {
    case 1: return *e.FrameLeft;
    case 2: return *e.FrameRight;
    case 3: return *e.FrameTop;
    default: return *e.FrameBottom;
  }
}

int PerFrame(int size, int frames) { return frames > 0 ? size / frames : size; }

Strip BorderStrip(int index) { return index >= 3 ? Strip::Vertical : Strip::Horizontal; }

}  // namespace

void TSkinForm::ReadFrameMetrics() {
  // What was read from the old skin's frame elements goes with it.
  FBorderProfiles.clear();
  for (BorderPicture& kept : FBorderPictures) kept = {};
  if (FSkinData->SkinMissing()) return;
  if (FBorderKind == TBorderKind::NoCaption) {
    FBorderLeft = FBorderTop = FBorderRight = FBorderBottom = FMenuBarHeight = 0;
  } else {
    const SkinElements& e = FSkinData->Elements();
    FBorderTop = PerFrame(e.FrameTop->Image.Height(), e.FrameTop->FrameCount);
    FBorderLeft = PerFrame(e.FrameLeft->Image.Width(), e.FrameLeft->FrameCount);
    FBorderRight = PerFrame(e.FrameRight->Image.Width(), e.FrameRight->FrameCount);
    FBorderBottom = PerFrame(e.FrameBottom->Image.Height(), e.FrameBottom->FrameCount);
  }
  CreateButtons();
}

void TSkinForm::HandleNcCalcSize(host::TMessage& m) {
  Default(m);
  if (LOBYTE(m.WParam) == 0) {
    m.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
  if ((IsMDIChild() && FWindowState != TWindowState::Normal) || FBorderKind == TBorderKind::NoCaption) {
    params->rgrc[1] = params->rgrc[0];
  } else {
    const WINDOWPOS& pos = *params->lppos;
    const RECT client{pos.x + FBorderLeft, pos.y + FBorderTop + FMenuBarHeight, pos.x + pos.cx - FBorderRight,
                      pos.y + pos.cy - FBorderBottom};
    params->rgrc[0] = client;
    params->rgrc[1] = client;
  }
  m.Result = WVR_VALIDRECTS;
}

int TSkinForm::BorderFrame(int index) const {
  const TDataSkinBorder& b = Border(*FSkinData, index);
  return (FActive || b.FrameCount == 1) ? 1 : 2;
}

host::DibBitmap TSkinForm::ComposeBorder(int index, int width, int height) const {
  const TDataSkinBorder& b = Border(*FSkinData, index);
  return ComposeSkinElement(RECT{0, 0, width, height}, b.Image, b.Margins(), BorderFrame(index), b.FrameCount,
                            b.Tile != 1, BorderStrip(index));
}

bool TSkinForm::ComposeBorderInto(int index, host::DibBitmap& target, int width, int height) const {
  const TDataSkinBorder& b = Border(*FSkinData, index);
  return ComposeSkinElementInto(target, SIZE{width, height}, b.Image, b.Margins(), BorderFrame(index), b.FrameCount,
                                b.Tile != 1, BorderStrip(index));
}

host::Region TSkinForm::ScannedBorder(int index, const RECT& r) const {
  host::DibBitmap picture = ComposeBorder(index, r.right - r.left, r.bottom - r.top);
  if (!picture.Empty()) return RegionFromPicture(picture, r.left, r.top);
  return host::Region(CreateRectRgn(r.left, r.top, r.right, r.bottom));
}

host::Region TSkinForm::ScannedRegion(int w, int h) const {
  host::Region region(CreateRectRgn(FBorderLeft, FBorderTop, w - FBorderRight, h - FBorderBottom));
  const RECT parts[] = {{0, 0, FBorderLeft, h},
                        {w - FBorderRight, 0, w, h},
                        {FBorderLeft, 0, w - FBorderRight, FBorderTop},
                        {FBorderLeft, h - FBorderBottom, w - FBorderRight, h}};
  for (int index = 1; index <= 4; ++index) {
    const host::Region part = ScannedBorder(index, parts[index - 1]);
    if (part) CombineRgn(region, region, part, RGN_OR);
  }
  return region;
}

const BorderProfile* TSkinForm::Profile(int index, int across) {
  const TDataSkinBorder& b = Border(*FSkinData, index);
  const int k = BorderFrame(index);
  for (const ProfileSlot& slot : FBorderProfiles)
    if (slot.index == index && slot.k == k && slot.across == across) return slot.profile ? &*slot.profile : nullptr;
  // Composed once at the frame's own length: each middle pixel of the picture then shows up once.
  const bool vertical = index <= 2;
  const int length = vertical ? b.Image.Height() : b.Image.Width();
  const RECT m = b.Margins();
  const int head = vertical ? m.top : m.left, tail = vertical ? m.bottom : m.right;
  std::optional<BorderProfile> profile;
  host::DibBitmap natural = vertical ? ComposeBorder(index, across, length) : ComposeBorder(index, length, across);
  if (!natural.Empty()) profile = BorderProfile::Read(natural, vertical, head, tail);
  FBorderProfiles.push_back({index, k, across, std::move(profile)});
  return FBorderProfiles.back().profile ? &*FBorderProfiles.back().profile : nullptr;
}

host::Region TSkinForm::BorderRegion(int index, const RECT& r) {
  const bool vertical = index <= 2;
  const int across = vertical ? r.right - r.left : r.bottom - r.top;
  const int length = vertical ? r.bottom - r.top : r.right - r.left;
  const BorderProfile* profile = Profile(index, across);
  // Margins that do not fit are dropped by the composition; such a size is scanned whole.
  if (!profile || profile->head + profile->tail > length) return ScannedBorder(index, r);
  RegionBuilder builder;
  profile->AddRects(length, r.left, r.top, builder);
  return builder.Finish();
}

host::Region TSkinForm::BuildRegion(int w, int h) {
  const SkinElements& e = FSkinData->Elements();
  if (e.FrameRight->Trans + e.FrameTop->Trans + 2 * e.FrameLeft->Trans == 0) return host::Region(CreateRectRgn(0, 0, w, h));
  host::Region region(CreateRectRgn(FBorderLeft, FBorderTop, w - FBorderRight, h - FBorderBottom));
  if (FBorderKind == TBorderKind::NoCaption) return region;
  auto part = [&](const TDataSkinBorder& b, int index, bool rendered, const RECT& r) {
    if (rendered && b.Trans == 1) return BorderRegion(index, r);
    return host::Region(CreateRectRgn(r.left, r.top, r.right, r.bottom));
  };
  const int caption_width = w - FBorderLeft - FBorderRight;
  host::Region left = part(*e.FrameLeft, 1, h > 1, {0, 0, FBorderLeft, h});
  host::Region right = part(*e.FrameRight, 2, h > 1, {w - FBorderRight, 0, w, h});
  host::Region bottom = part(*e.FrameBottom, 4, FBorderBottom >= 2, {FBorderLeft, h - FBorderBottom, w - FBorderRight, h});
  host::Region top = part(*e.FrameTop, 3, FBorderTop > 1 && caption_width > 0, {FBorderLeft, 0, w - FBorderRight, FBorderTop});
  auto unite = [](host::Region& into, const host::Region& with) {
    if (!into) into.reset(CreateRectRgn(0, 0, 0, 0));
    if (with) CombineRgn(into, into, with, RGN_OR);
  };
  unite(left, right);
  unite(top, bottom);
  unite(top, left);
  unite(region, top);
  return region;
}

bool TSkinForm::UpdateRegion(bool redraw) {
  if (FState == flGone || !FSkinFrame) return false;
  RECT window;
  if (!GetWindowRect(FHandle, &window)) return false;
  const int w = window.right - window.left, h = window.bottom - window.top;
  if (w <= 0 || h <= 0) return false;
  if (IsMDIChild() && FWindowState != TWindowState::Normal) return false;
  if (w == FRgnWidth && h == FRgnHeight && !IsMDIChild() && FState != flReskinning) return false;
  FHasRegion = false;
  FRgnWidth = w;
  FRgnHeight = h;
  host::Region region = BuildRegion(w, h);
  FRegion = region.get();
  // Without a redraw the system leaves what the window no longer covers as
  // it was; what lies behind is asked to paint it.
  host::Region uncovered;
  if (!redraw) {
    uncovered.reset(CreateRectRgn(0, 0, w, h));
    CombineRgn(uncovered, uncovered, region, RGN_DIFF);
  }
  // The window owns the region from here on.
  const bool set = SetWindowRgn(FHandle, region.get(), redraw) != 0;
  if (set) region.release();
  FHasRegion = true;
  if (set && uncovered) {
    const HWND parent = GetAncestor(FHandle, GA_PARENT);
    POINT origin{window.left, window.top};
    MapWindowPoints(HWND_DESKTOP, parent, &origin, 1);
    OffsetRgn(uncovered, origin.x, origin.y);
    RedrawWindow(parent, nullptr, uncovered, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  return set;
}

bool TSkinForm::RegionBehind() const {
  // A minimised window keeps the region it had.
  if (!FHasRegion || IsMDIChild() || FState != flRunning || IsIconic(FHandle)) return false;
  RECT window;
  return GetWindowRect(FHandle, &window) &&
         (window.right - window.left != FRgnWidth || window.bottom - window.top != FRgnHeight);
}

}  // namespace skin
