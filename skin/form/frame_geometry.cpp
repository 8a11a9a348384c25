// The skinned frame's geometry: border sizes from the skin, the client area
// the system is told about, and the window region that cuts away the
// frame's transparent pixels.
#include <cstring>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/draw/skin_element.h"
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

// Rows of opaque pixels become one-pixel-high rectangles; they are handed to
// ExtCreateRegion in batches so that no single call gets an unbounded list.
class RegionBuilder {
public:
  void Add(const RECT& r) {
    rects_.push_back(r);
    if (rects_.size() == kBatch) Flush();
  }
  host::Region Finish() {
    Flush();
    return std::move(region_);
  }

private:
  static constexpr std::size_t kBatch = 2000;

  void Flush() {
    if (rects_.empty()) return;
    std::vector<std::byte> buffer(sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(rects_.size()),
                 static_cast<DWORD>(rects_.size() * sizeof(RECT)), {}};
    data->rdh.rcBound = rects_.front();
    for (const RECT& r : rects_) UnionRect(&data->rdh.rcBound, &data->rdh.rcBound, &r);
    std::memcpy(data->Buffer, rects_.data(), rects_.size() * sizeof(RECT));
    host::Region part(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
    rects_.clear();
    if (!region_)
      region_ = std::move(part);
    else if (part)
      CombineRgn(region_, region_, part, RGN_OR);
  }

  std::vector<RECT> rects_;
  host::Region region_;
};

}  // namespace

// Magenta, with a tolerance of one on green, is the transparent colour.
host::Region RegionFromPicture(host::DibBitmap& picture, int dx, int dy) {
  picture.SetFormat(host::PixelFormat::Bits32);
  RegionBuilder builder;
  for (int y = 0; y < picture.Height(); ++y) {
    const std::uint8_t* row = picture.ScanLine(y);
    int run = -1;
    for (int x = 0; x <= picture.Width(); ++x) {
      const std::uint8_t* px = row + x * 4;
      const bool opaque = x < picture.Width() && !(px[2] == 255 && px[1] <= 1 && px[0] == 255);
      if (opaque && run < 0) run = x;
      if (!opaque && run >= 0) {
        builder.Add({run + dx, y + dy, x + dx, y + dy + 1});
        run = -1;
      }
    }
  }
  return builder.Finish();
}

void TSkinForm::ReadFrameMetrics() {
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

host::DibBitmap TSkinForm::ComposeBorder(int index, int width, int height) const {
  const TDataSkinBorder& b = Border(*FSkinData, index);
  const int k = (FActive || b.FrameCount == 1) ? 1 : 2;
  const Strip strip = index >= 3 ? Strip::Vertical : Strip::Horizontal;
  return ComposeSkinElement(RECT{0, 0, width, height}, b.Image, b.Margins(), k, b.FrameCount, b.Tile != 1, strip);
}

void TSkinForm::PaintBorder(int index, const RECT& rect, HDC dc) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width < 0 || height < 0) return;
  const host::DibBitmap picture = ComposeBorder(index, width, height);
  if (picture.Empty()) return;
  BitBlt(dc, rect.left, rect.top, width, height, picture.Dc(), 0, 0, SRCCOPY);
}

void TSkinForm::UpdateRegion() {
  if (FState == flGone || !FSkinFrame) return;
  RECT window;
  if (!GetWindowRect(FHandle, &window)) return;
  const int w = window.right - window.left, h = window.bottom - window.top;
  if (w <= 0 || h <= 0) return;
  if (IsMDIChild() && FWindowState != TWindowState::Normal) return;
  if (w == FRgnWidth && h == FRgnHeight && !IsMDIChild() && FState != flReskinning) return;
  FHasRegion = false;

  const SkinElements& e = FSkinData->Elements();
  host::Region region;
  FRgnWidth = w;
  FRgnHeight = h;
  if (e.FrameRight->Trans + e.FrameTop->Trans + 2 * e.FrameLeft->Trans == 0) {
    region.reset(CreateRectRgn(0, 0, w, h));
  } else {
    region.reset(CreateRectRgn(FBorderLeft, FBorderTop, w - FBorderRight, h - FBorderBottom));
    if (FBorderKind != TBorderKind::NoCaption) {
      auto part = [&](const TDataSkinBorder& b, int index, bool rendered, const RECT& r) {
        if (rendered && b.Trans == 1) {
          host::DibBitmap picture = ComposeBorder(index, r.right - r.left, r.bottom - r.top);
          if (!picture.Empty()) return RegionFromPicture(picture, r.left, r.top);
        }
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
    }
  }
  FRegion = region.get();
  // The window owns the region from here on.
  if (SetWindowRgn(FHandle, region.get(), TRUE)) region.release();
  FHasRegion = true;
}

}  // namespace skin
