#include "skin/controls/content_colours.h"

#include "host/core/colour.h"
#include "skin/data/skin_elements.h"
#include "skin/draw/text.h"

namespace skin {
namespace {

bool Given(std::int32_t colour) { return colour != kColourNotGiven; }

LRESULT Answer(HDC dc, std::int32_t text, std::int32_t back, HBRUSH brush) {
  if (Given(text)) SetTextColor(dc, host::ColourToRgb(text));
  SetBkColor(dc, host::ColourToRgb(back));
  return reinterpret_cast<LRESULT>(brush);
}

bool IsEdit(HWND window) { return _stricmp(GetClassNameText(window).c_str(), "Edit") == 0; }

}  // namespace

bool AnswerContentColour(const SkinElements& skin, host::TMessage& m) {
  const ContentColours& c = skin.Content;
  const auto dc = reinterpret_cast<HDC>(m.WParam);
  const auto child = reinterpret_cast<HWND>(m.LParam);
  const bool enabled = !child || IsWindowEnabled(child);
  switch (m.Msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (!Given(c.Content)) return false;
      m.Result = enabled ? Answer(dc, c.ContentText, c.Content, skin.ContentBrush)
                         : Answer(dc, c.ContentDisabledText, c.ContentDisabled, skin.ContentDisabledBrush);
      return true;
    case WM_CTLCOLORSTATIC:
      // A read-only or disabled edit asks as a static text does.
      if (child && IsEdit(child)) {
        if (!Given(c.ContentDisabled)) return false;
        m.Result = Answer(dc, c.ContentDisabledText, c.ContentDisabled, skin.ContentDisabledBrush);
        return true;
      }
      [[fallthrough]];
    case WM_CTLCOLORBTN: {
      const std::int32_t text = enabled ? c.FaceText : c.FaceDisabledText;
      if (!Given(text)) return false;
      SetBkMode(dc, TRANSPARENT);
      m.Result = Answer(dc, text, skin.Colours.ButtonFace, skin.ButtonFaceBrush);
      return true;
    }
  }
  return false;
}

COLORREF FaceTextColour(const SkinElements& skin, bool enabled, COLORREF own) {
  const std::int32_t text = enabled ? skin.Content.FaceText : skin.Content.FaceDisabledText;
  return Given(text) ? host::ColourToRgb(text) : own;
}

COLORREF ContentTextColour(const SkinElements& skin, COLORREF own) {
  return Given(skin.Content.ContentText) ? host::ColourToRgb(skin.Content.ContentText) : own;
}

}  // namespace skin
