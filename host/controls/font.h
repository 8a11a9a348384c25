#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "host/core/colour.h"
#include "host/core/properties.h"
#include "host/gdi/handles.h"

namespace host {

enum TFontStyle : std::uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A control's font description; the GDI font is made on first use and again after a change.
class TFont : public TPersistent {
public:
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  const std::string& Name() const { return name_; }
  void SetName(std::string name);
  int Height() const { return height_; }
  void SetHeight(int height);
  std::uint32_t Style() const { return style_; }
  void SetStyle(std::uint32_t style);
  TColor Color() const { return color_; }
  void SetColor(int color) { color_ = color; }

  HFONT Handle();
  std::function<void()> OnChange;

private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  std::uint32_t style_ = 0;
  TColor color_ = clWindowText;
  host::Font handle_;
};

}  // namespace host
