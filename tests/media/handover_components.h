#pragma once
// Small controls that publish exactly the properties through which the
// picture hand-over skinners give their pictures: none of our programs has
// such controls, so the tests bring their own.
#include <memory>

#include "host/controls/panel.h"
#include "host/graphics/bitmap.h"

namespace media_test {

// A check box or radio button that can show custom glyphs.
class TGlyphCheck : public host::TControl {
public:
  using TControl::TControl;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  host::TBitmap* CustomGlyphs() const { return glyphs_.get(); }
  bool UseCustomGlyphs() const { return use_; }
  void SetUseCustomGlyphs(bool on);
  int TransparentColor() const { return transparent_; }
  void SetTransparentColor(int colour) { transparent_ = colour; }
  // How often the glyphs were taken up again (switched from off to on).
  int Reloads = 0;

private:
  std::unique_ptr<host::TBitmap> glyphs_ = std::make_unique<host::TBitmap>();
  bool use_ = false;
  int transparent_ = 0;
};

// The object a control publishes as "Properties", with a bitmap "Glyph".
class TGlyphProperties : public host::TPersistent {
public:
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }
  host::TBitmap* Glyph() const { return glyph_.get(); }

private:
  std::unique_ptr<host::TBitmap> glyph_ = std::make_unique<host::TBitmap>();
};

class TGlyphPropsCheck : public host::TControl {
public:
  using TControl::TControl;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }
  TGlyphProperties* Properties() const { return properties_.get(); }

private:
  std::unique_ptr<TGlyphProperties> properties_ = std::make_unique<TGlyphProperties>();
};

// A page control that draws its tabs from two published pictures.
class TPictureTabs : public host::TCustomPanel {
public:
  using TCustomPanel::TCustomPanel;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }
  host::TBitmap* TabBackGround() const { return tab_.get(); }
  host::TBitmap* TabBackGroundActive() const { return active_.get(); }

private:
  std::unique_ptr<host::TBitmap> tab_ = std::make_unique<host::TBitmap>();
  std::unique_ptr<host::TBitmap> active_ = std::make_unique<host::TBitmap>();
};

}  // namespace media_test
