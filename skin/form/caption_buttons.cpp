// Caption buttons: one object per button the skin describes, shown or hidden
// by the window's state, placed by the skin's coordinates and animated on
// hover and press.
#include "host/graphics/canvas.h"
#include "skin/data/skin_data.h"
#include "skin/draw/single_frame.h"
#include "skin/draw/transparent.h"
#include "skin/form/engine_messages.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

// The buttons of the system menu show the window icon instead of a picture.
bool ShowsIcon(const TDataSkinSysButton& d) { return d.Action == 3 || d.Action == 11; }

int FrameWidth(const TDataSkinSysButton& d) {
  return d.FrameCount > 0 ? d.Image.Width() / d.FrameCount : d.Image.Width();
}

}  // namespace

void TNCObject::MouseDown() {
  if (form_.FHotObject && form_.FHotObject != this) form_.FHotObject->MouseLeave();
  if (!Visible) return;
  form_.FHotObject = this;
  State = stPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = stHot;
  Paint();
}

void TNCObject::MouseEnter() {
  if (form_.FHotObject == this) return;
  if (form_.FHotObject) form_.FHotObject->MouseLeave();
  if (!Visible) return;
  form_.FHotObject = this;
  State = stHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  form_.FHotObject = nullptr;
  State = stNormal;
  Paint();
}

// Straight onto the window, between two full caption paints.
void TWinSysButton::Paint() {
  const host::WindowDc dc(form_.FHandle, true);
  if (!dc) return;
  if (ShowsIcon(Descriptor)) {
    form_.DrawIcon(dc, Bounds);
    return;
  }
  // Buttons in the menu bar have their hot look in frame 4.
  const int k = (Descriptor.Visibility == 100 && State == stHot) ? 4 : State;
  StretchSkinFrame(dc, Bounds, Descriptor.Image, k, Descriptor.FrameCount, true);
}

void TSkinForm::CreateButtons() {
  FreeButtons();
  for (const auto& descriptor : FSkinData->Elements().CaptionButtons) {
    FButtons.push_back(std::make_unique<TWinSysButton>(*this, *descriptor));
    if (!ShowsIcon(*descriptor)) continue;
    RefreshIcon();
    if (descriptor->Image.Empty()) descriptor->Image = FIconBitmap.Clone();
    descriptor->FrameCount = 1;
  }
}

void TSkinForm::FreeButtons() {
  FHotObject = nullptr;
  FButtons.clear();
}

bool TSkinForm::ButtonVisible(int index) {
  TWinSysButton& button = *FButtons.at(static_cast<std::size_t>(index));
  const TDataSkinSysButton& d = button.Descriptor;
  const bool maximized = FWindowState == TWindowState::Maximized;
  const bool has_max = (FCaps & capMaximize) != 0;
  const bool has_min = (FCaps & capMinimize) != 0;
  const bool has_sys = (FCaps & capSysMenu) != 0;
  const bool framed_dialog = !FIsDialog && FBorderKind == TBorderKind::Dialog;
  const bool child_buttons_in_bar = FMDIKind == TMDIKind::MainForm && FMenuBar && ActiveChildMaximized();

  // Codes 6 and 8 differ between the two rules: the first also needs the system menu.
  auto rule = [&](int code, bool first) {
    switch (code) {
      case 0: return true;
      case 1: return maximized;
      case 2: return !maximized;
      case 3: return FActive;
      case 4: return !FActive;
      case 6: return has_max && (has_sys || !first);
      case 7: return !has_max;
      case 8: return has_min && (has_sys || !first);
      case 9: return !has_min;
      case 100: return child_buttons_in_bar;
      case 200: return framed_dialog;
    }
    if (code >= 201 && code <= 999) return true;
    if (code >= 1000 && code <= 2000)
      return !first || SendMessageW(FHandle, kButtonVisibleQuery, static_cast<WPARAM>(code),
                                    static_cast<LPARAM>(d.Action)) > 0;
    // -1 is given no meaning by the skin format: such a button is never shown,
    // as the loader's default second rule of -1 already has it.
    return false;
  };

  bool visible = rule(d.Visibility, true) && rule(d.Visibility1, false);
  switch (d.Action) {
    case 0: visible = visible && has_sys; break;
    case 1: visible = visible && has_max; break;
    case 2: visible = visible && has_min; break;
    case 3: case 11: case 12: visible = visible && FBorderKind != TBorderKind::Dialog; break;
  }
  button.Visible = visible;
  return visible;
}

void TSkinForm::LayoutButtons() {
  for (int i = 0; i < static_cast<int>(FButtons.size()); ++i) {
    TWinSysButton& button = *FButtons[static_cast<std::size_t>(i)];
    const TDataSkinSysButton& d = button.Descriptor;
    if (!ButtonVisible(i) || d.Image.Empty()) continue;
    const int w = FrameWidth(d), h = d.Image.Height();
    int x = 0, y = 0;
    switch (d.Align) {
      case 0: x = d.XCoord; y = d.YCoord; break;
      case 1: x = FWidth - d.XCoord; y = d.YCoord; break;
      case 2: case 8: x = FCaptionTextRect.left - w - d.XCoord; y = d.YCoord; break;
      case 3: case 9: x = FCaptionTextRect.right + d.XCoord; y = d.YCoord; break;
      case 100: {
        const int margin = FSkinData->Elements().MenuBar ? FSkinData->Elements().MenuBar->LeftWidth : 0;
        x = FRightToLeft ? d.XCoord + margin + FBorderLeft : FWidth - d.XCoord - FBorderRight - margin;
        y = FBorderTop + (FMenuBarHeight - h) / 2;
        break;
      }
    }
    button.Bounds = {x, y, x + w, y + h};
  }
}

void TSkinForm::PaintButtons(host::DibBitmap& caption) {
  for (int i = 0; i < static_cast<int>(FButtons.size()); ++i) {
    const TWinSysButton& button = *FButtons[static_cast<std::size_t>(i)];
    const TDataSkinSysButton& d = button.Descriptor;
    // Buttons of the menu bar are drawn with the bar.
    if (!ButtonVisible(i) || d.Image.Empty() || d.Visibility == 100) continue;
    if (ShowsIcon(d)) {
      PaintIcon(caption, button.Bounds);
      continue;
    }
    const int k = (FActive || d.FrameCount < 4) ? 1 : 4;
    const RECT& b = button.Bounds;
    // At natural size the keyed copy is done in memory, far cheaper than through GDI.
    if (b.right - b.left == FrameWidth(d) && b.bottom - b.top == d.Image.Height())
      CopyKeyedFrame(caption, b.left, b.top, d.Image, k, d.FrameCount, kSkinColourKey);
    else
      StretchSkinFrame(caption.GetCanvas(), b, d.Image, k, d.FrameCount, true);
  }
}

TWinSysButton* TSkinForm::ButtonAt(POINT p) {
  for (const auto& button : FButtons)
    if (button->Visible && button->Descriptor.Action >= 0 && PtInRect(&button->Bounds, p)) return button.get();
  return nullptr;
}

}  // namespace skin
