#include "handover_components.h"

namespace media_test {

const host::ClassInfo& TGlyphCheck::Info() {
  static const host::ClassInfo info{"TGlyphCheck", &host::TControl::Info(), {
      host::props::Object<&TGlyphCheck::CustomGlyphs>("CustomGlyphs"),
      host::props::Boolean<&TGlyphCheck::UseCustomGlyphs, &TGlyphCheck::SetUseCustomGlyphs>("UseCustomGlyphs"),
      host::props::Integer<&TGlyphCheck::TransparentColor, &TGlyphCheck::SetTransparentColor>("transparentcolor"),
  }};
  return info;
}

void TGlyphCheck::SetUseCustomGlyphs(bool on) {
  if (on && !use_) ++Reloads;
  use_ = on;
}

const host::ClassInfo& TGlyphProperties::Info() {
  static const host::ClassInfo info{"TGlyphProperties", nullptr, {
      host::props::Object<&TGlyphProperties::Glyph>("Glyph"),
  }};
  return info;
}

const host::ClassInfo& TGlyphPropsCheck::Info() {
  static const host::ClassInfo info{"TGlyphPropsCheck", &host::TControl::Info(), {
      host::props::Object<&TGlyphPropsCheck::Properties>("Properties"),
  }};
  return info;
}

const host::ClassInfo& TPictureTabs::Info() {
  static const host::ClassInfo info{"TPictureTabs", &host::TCustomPanel::Info(), {
      host::props::Object<&TPictureTabs::TabBackGround>("TabBackGround"),
      host::props::Object<&TPictureTabs::TabBackGroundActive>("TabBackGroundActive"),
  }};
  return info;
}

}  // namespace media_test
