#include "host/controls/font.h"


#include "host/core/text.h"

namespace host {
namespace {
constexpr std::string_view kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const EnumInfo kStyles{"TFontStyle", kStyleNames};
}  // namespace

const ClassInfo& TFont::Info() {
  static const ClassInfo info{"TFont", nullptr, {
      props::Text<&TFont::Name, &TFont::SetName>("Name"),
      props::Integer<&TFont::Height, &TFont::SetHeight>("Height"),
      props::Set<&TFont::Style, &TFont::SetStyle>("Style", kStyles),
      props::Color<&TFont::Color, &TFont::SetColor>("Color"),
  }};
  return info;
}

void TFont::SetName(std::string name) { name_ = std::move(name); Changed(); }
void TFont::SetHeight(int height) { height_ = height; Changed(); }
void TFont::SetStyle(std::uint32_t style) { style_ = style; Changed(); }

void TFont::Changed() {
  handle_.reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) != 0;
    lf.lfUnderline = (style_ & fsUnderline) != 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) != 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = Widen(name_);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    handle_.reset(CreateFontIndirectW(&lf));
  }
  return handle_;
}

}  // namespace host
