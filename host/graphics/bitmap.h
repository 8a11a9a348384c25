#pragma once
// A picture a control publishes (a button's "Glyph"): read from a stored
// form's binary data, from a BMP resource or from BMP bytes. Its transparent
// colour is its bottom-left pixel.
#include <windows.h>

#include <span>

#include "host/core/properties.h"
#include "host/graphics/dib_bitmap.h"
#include "host/graphics/graphic.h"

namespace host {

class TBitmap : public TPersistent, public IGraphicPicture {
public:
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  // A BMP file image, optionally behind a four-byte little-endian length
  // (as stored forms write pictures). False and an empty picture otherwise.
  bool LoadFromBytes(std::span<const std::uint8_t> bytes);
  bool LoadFromResource(HINSTANCE instance, const wchar_t* name);
  // Takes a copy of the picture (a skin handing a control its pictures);
  // the copy keeps the picture's transparency settings.
  void Assign(const DibBitmap& picture);
  void Clear();

  // The stored-form image: the BMP file behind its length.
  Bytes Data() const { return data_; }
  void SetData(const Bytes& data) { LoadFromBytes(data); }

  const DibBitmap& Dib() const { return dib_; }
  const DibBitmap& Picture() const override { return dib_; }
  int Width() const { return dib_.Width(); }
  int Height() const { return dib_.Height(); }
  bool Empty() const { return dib_.Empty(); }
  COLORREF TransparentColor() const { return dib_.TransparentColour(); }
  void SetTransparentColor(COLORREF colour) { dib_.SetTransparentColour(colour); }
  bool Transparent() const { return dib_.Transparent(); }
  void SetTransparent(bool on) { dib_.SetTransparent(on); }

private:
  DibBitmap dib_;
  Bytes data_;
};

}  // namespace host
