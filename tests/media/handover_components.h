#pragma once
// Small controls that publish exactly the properties through which the
// picture hand-over skinners give their pictures: our programs have none.
#include <memory>

#include "host/controls/panel.h"
#include "host/graphics/bitmap.h"

namespace media_test {

using host::TBitmap;
namespace props = host::props;

// A check box or radio button that can show custom glyphs.
class TGlyphCheck : public host::TControl {
public:
  using TControl::TControl;
  static const host::ClassInfo& Info() {
    static const host::ClassInfo info{"TGlyphCheck", &TControl::Info(), {
        props::Object<&TGlyphCheck::CustomGlyphs>("CustomGlyphs"),
        props::Boolean<&TGlyphCheck::UseCustomGlyphs, &TGlyphCheck::SetUseCustomGlyphs>("UseCustomGlyphs"),
        props::Integer<&TGlyphCheck::TransparentColor, &TGlyphCheck::SetTransparentColor>("transparentcolor")}};
    return info;
  }
  const host::ClassInfo& Class() const override { return Info(); }
  TBitmap* CustomGlyphs() const { return glyphs_.get(); }
  bool UseCustomGlyphs() const { return use_; }
  // Switched from off to on, the control takes its glyphs up again.
  void SetUseCustomGlyphs(bool on) {
    if (on && !use_) ++Reloads;
    use_ = on;
  }
  int TransparentColor() const { return transparent_; }
  void SetTransparentColor(int colour) { transparent_ = colour; }
  int Reloads = 0;

private:
  std::unique_ptr<TBitmap> glyphs_ = std::make_unique<TBitmap>();
  bool use_ = false;
  int transparent_ = 0;
};

// A control whose object property "Properties" holds a bitmap "Glyph".
class TGlyphProperties : public host::TPersistent {
public:
  static const host::ClassInfo& Info() {
    static const host::ClassInfo info{"TGlyphProperties", nullptr, {props::Object<&TGlyphProperties::Glyph>("Glyph")}};
    return info;
  }
  const host::ClassInfo& Class() const override { return Info(); }
  TBitmap* Glyph() const { return glyph_.get(); }

private:
  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
};

class TGlyphPropsCheck : public host::TControl {
public:
  using TControl::TControl;
  static const host::ClassInfo& Info() {
    static const host::ClassInfo info{"TGlyphPropsCheck", &TControl::Info(), {
        props::Object<&TGlyphPropsCheck::Properties>("Properties")}};
    return info;
  }
  const host::ClassInfo& Class() const override { return Info(); }
  TGlyphProperties* Properties() const { return properties_.get(); }

private:
  std::unique_ptr<TGlyphProperties> properties_ = std::make_unique<TGlyphProperties>();
};

// A page control that draws its tabs from two published pictures.
class TPictureTabs : public host::TCustomPanel {
public:
  using TCustomPanel::TCustomPanel;
  static const host::ClassInfo& Info() {
    static const host::ClassInfo info{"TPictureTabs", &TCustomPanel::Info(), {
        props::Object<&TPictureTabs::TabBackGround>("TabBackGround"),
        props::Object<&TPictureTabs::TabBackGroundActive>("TabBackGroundActive")}};
    return info;
  }
  const host::ClassInfo& Class() const override { return Info(); }
  TBitmap* TabBackGround() const { return tab_.get(); }
  TBitmap* TabBackGroundActive() const { return active_.get(); }

private:
  std::unique_ptr<TBitmap> tab_ = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> active_ = std::make_unique<TBitmap>();
};

}  // namespace media_test
