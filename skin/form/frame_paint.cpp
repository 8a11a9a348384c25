#include "skin/data/skin_data.h"
#include "skin/form/skin_form.h"

namespace skin {

void TSkinForm::PaintFrame(HDC dc) {
  if (FState != flRunning && FState != flReskinning) return;
  if (FBorderKind == TBorderKind::NoCaption) return;
  host::WindowDc own(dc ? nullptr : FHandle, true);
  HDC target = dc ? dc : own.get();
  if (!target || !GetWindowRect(FHandle, &FWindowRect)) return;
  FWidth = FWindowRect.right - FWindowRect.left;
  FHeight = FWindowRect.bottom - FWindowRect.top;
  PaintBorder(1, {0, 0, FBorderLeft, FHeight}, target);
  PaintBorder(2, {FWidth - FBorderRight, 0, FWidth, FHeight}, target);
  PaintBorder(4, {FBorderLeft, FHeight - FBorderBottom, FWidth - FBorderRight, FHeight}, target);
  PaintBorder(3, {FBorderLeft, 0, FWidth - FBorderRight, FBorderTop}, target);
  FHotObject = nullptr;
}
void TSkinForm::PaintCaption(HDC) {}
void TSkinForm::RefreshIcon() {}
void TSkinForm::DrawIcon(HDC, const RECT&) {}
void TSkinForm::HandleNcPaint(host::TMessage& m) {
  SetSysMenuStyle(false);
  if (FSkinData->FramePaint) PaintFrame();
  m.Result = 0;
}
void TSkinForm::HandleNcActivate(host::TMessage& m) {
  FActive = m.WParam != 0;
  if (FHoverTimer) FHoverTimer->SetEnabled(FActive);
  PaintFrame();
  m.Result = 1;
}
}  // namespace skin
