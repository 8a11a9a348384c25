#include "skin/controls/adv_page.h"

#include "host/graphics/bitmap.h"
#include "skin/controls/up_down.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_element.h"
#include "skin/form/engine_messages.h"

namespace skin {
namespace {

constexpr RECT kTabSize{0, 0, 100, 21};
constexpr const char* kTabProps[] = {"TabBackGround", "TabBackGroundActive"};

host::TBitmap* BitmapProp(const host::TPersistent* component, std::string_view name) {
  return static_cast<host::TBitmap*>(GetObjectProp(component, name, host::TBitmap::Info()));
}

}  // namespace

host::DibBitmap TabPicture(const TSkinData& data, int frame) {
  const TDataSkinBorder* tabs = data.Elements().Tabs.get();
  if (!tabs || tabs->Image.Empty()) return {};
  return ComposeSkinElement(kTabSize, tabs->Image, tabs->Margins(), frame, tabs->FrameCount, tabs->Tile != 0,
                            Strip::Horizontal);
}

const host::ClassInfo& TSkinAdvPage::Info() {
  static const host::ClassInfo info{"TSkinAdvPage", &TSkinControl::Info(), {}};
  return info;
}

void TSkinAdvPage::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, data, use_skin_colour, canvas);
  HandOver();
}

void TSkinAdvPage::SkinChanged() {
  TSkinControl::SkinChanged();
  HandOver();
}

// Each picture is composed, handed over (the control keeps a copy) and freed.
void TSkinAdvPage::HandOver() {
  if (PageMode != kPageTabPictures || !Control || !SkinData) return;
  for (int frame = 1; frame <= 2; ++frame) {
    const host::DibBitmap picture = TabPicture(*SkinData, frame);
    if (picture.Empty()) return;
    if (host::TBitmap* target = BitmapProp(Control, kTabProps[frame - 1])) target->Assign(picture);
  }
}

void TSkinAdvPage::Restore() {
  TSkinControl::Restore();
  for (const char* name : kTabProps)
    if (host::TBitmap* target = BitmapProp(Control, name)) target->Clear();
}

// The spin buttons appear when the tabs overflow; they are skinned once,
// as a bare window that the form skinner frees with its other skinners.
void TSkinAdvPage::Draw(HDC, const RECT&) {
  HWND spin = Handle ? FindWindowExA(Handle, nullptr, "msctls_updown32", nullptr) : nullptr;
  if (!spin || !FormSkinner || IsSkinned(spin)) return;
  auto* updown = new TSkinUpDown(nullptr);
  updown->AttachWindow(spin, SkinData, FormSkinner, FormCanvas);
}

}  // namespace skin
