// The caption text: read from the window, placed in the caption bar as the
// skin's title element says, over its optional text backdrop.
#include <algorithm>
#include <string>

#include "host/core/colour.h"
#include "host/core/text.h"
#include "host/graphics/canvas.h"
#include "skin/data/skin_data.h"
#include "skin/draw/strip.h"
#include "skin/draw/text.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

// The narrow text of a window, as much as fits a 1000-byte buffer.
std::wstring NarrowWindowText(HWND window) {
  char buffer[1000] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  buffer[sizeof buffer - 1] = '\0';
  return AnsiToWide(buffer);
}

bool Blank(std::wstring_view text) {
  return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c <= L' '; });
}

// The DC's background mode is given back on every path.
class TransparentText {
public:
  explicit TransparentText(HDC dc) noexcept : dc_(dc), old_(SetBkMode(dc, TRANSPARENT)) {}
  TransparentText(const TransparentText&) = delete;
  TransparentText& operator=(const TransparentText&) = delete;
  ~TransparentText() {
    if (old_) SetBkMode(dc_, old_);
  }

private:
  HDC dc_;
  int old_;
};

}  // namespace

void TSkinForm::PaintCaptionText(host::Canvas& canvas, const RECT& caption) {
  const HDC dc = canvas.Handle();
  const TDataSkinTitle& title = *FSkinData->Elements().Title;
  const SkinColours& colours = FSkinData->Elements().Colours;

  const bool wide = FUnicode || FClassName.find(".UnicodeClass") != std::string::npos;
  std::wstring text = L"  " + (wide ? GetWindowTextWide(FHandle) : NarrowWindowText(FHandle)) + L" ";
  if (Blank(text) && FHostForm) text = L"  " + host::Widen(FHostForm->Caption()) + L" ";

  const HFONT font = FSkinData->CaptionFont() ? FSkinData->CaptionFont() : FCaptionFont.get();
  const host::Selection keep_font(dc, font);
  SetTextColor(dc, host::ColourToRgb(FActive ? colours.TitleTextActive : colours.TitleTextNoActive));
  const TransparentText transparent(dc);

  RECT m = caption;
  DrawTextAW(dc, text, m, DT_CALCRECT | DT_NOCLIP);
  m.right += title.TextBackLeft + title.TextBackRight;
  const int cw = caption.right - caption.left, ch = caption.bottom - caption.top;
  const int mw = m.right - m.left, mh = m.bottom - m.top;
  int dx = 0;
  switch (title.TextAlignment) {
    case 0: dx = title.LeftWidth; break;
    case 1: dx = (cw - mw) / 2; break;
    case 2: dx = cw - title.RightWidth - mw; break;
  }
  const int dy = (ch - mh) / 2 + title.TopHeight / 2;
  OffsetRect(&m, dx, dy);
  m.right = std::min<LONG>(m.right, caption.right - title.RightWidth);
  // A dialog frame has no caption icon, so left-aligned text takes its place.
  if (FBorderKind == TBorderKind::Dialog && title.TextAlignment == 0) m.left -= 16;
  FCaptionTextRect = m;

  if (!title.Image.Empty())
    DrawSkinStrip(canvas, {m.left, caption.top, m.right, caption.bottom}, title.Image,
                  {title.TextBackLeft, 0, title.TextBackRight, 0}, FActive ? 1 : 2, 2, true, Strip::Vertical);
  m.left += title.TextBackLeft;
  m.right -= title.TextBackRight;
  DrawTextAW(dc, text, m, DT_SINGLELINE | DT_END_ELLIPSIS);
}

}  // namespace skin
