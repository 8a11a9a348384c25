#include "skin/data/element_readers.h"

#include <windows.h>

#include <algorithm>

namespace skin {
namespace {

void ReadMargins(const DefinitionSource& src, std::string_view section, TDataSkinObject& e) {
  e.Style = src.Int(section, "Style", 0);
  e.LeftWidth = src.Int(section, "LeftWidth", 0);
  e.RightWidth = src.Int(section, "RightWidth", 0);
  e.TopHeight = src.Int(section, "TopHeight", 0);
  e.BottomHeight = src.Int(section, "BottomHeight", 0);
}

void ReadColours(const DefinitionSource& src, std::string_view section, TDataSkinObject& e) {
  e.NormalColour = src.Int(section, "NormalColour", -1);
  e.MouseOverColour = src.Int(section, "MouseOverColour", -1);
  e.PressedColour = src.Int(section, "PressedColour", -1);
  e.NormalColour2 = src.Colour(section, "NormalColour2", src.button_text);
  e.MouseOverColour2 = src.Colour(section, "MouseOverColour2", src.button_text);
  e.PressedColour2 = src.Colour(section, "PressedColour2", src.button_text);
}

// The common body of the section readers: margins, flags and colours; Frame only when asked.
template <class T>
std::unique_ptr<T> ReadSection(const DefinitionSource& src, std::string_view section, std::string_view image_key,
                               bool with_frame) {
  const std::string image = src.Text(section, image_key);
  if (image.empty()) return nullptr;
  auto e = std::make_unique<T>();
  e->Name = std::string(section);
  ReadMargins(src, section, *e);
  if (with_frame) e->FrameCount = src.Int(section, "Frame", 0);
  e->Trans = src.Int(section, "Trans", 0);
  e->Tile = src.Int(section, "Tile", 0);
  if (e->Tile > 1) e->Tile = 0;
  ReadColours(src, section, *e);
  src.LoadBitmap(e->Image, image);
  return e;
}

}  // namespace

std::unique_ptr<TDataSkinObject> ReadPlainElement(const DefinitionSource& src, std::string_view section) {
  return ReadSection<TDataSkinObject>(src, section, "Image", true);
}

std::unique_ptr<TDataSkinBorder> ReadElementWithImage2(const DefinitionSource& src, std::string_view section,
                                                       std::string_view image2_key) {
  auto e = ReadSection<TDataSkinBorder>(src, section, "Image", false);
  if (e) src.LoadBitmap(e->Image2, src.Text(section, image2_key));
  return e;
}

std::unique_ptr<TDataSkinBorder> ReadProgressElement(const DefinitionSource& src, std::string_view section) {
  const std::string image = src.Text(section, "Bitmap");
  if (image.empty()) return nullptr;
  auto e = std::make_unique<TDataSkinBorder>();
  e->Name = std::string(section);
  ReadMargins(src, section, *e);
  e->Trans = src.Int(section, "Trans", 0);
  e->Tile = src.Int(section, "Tile", 0);
  if (e->Tile > 1) e->Tile = 1;
  e->NormalColour2 = e->MouseOverColour2 = e->PressedColour2 = 0;
  src.LoadBitmap(e->Image, image);
  return e;
}

std::unique_ptr<TDataSkinBoxLabel> ReadGroupBoxElement(const DefinitionSource& src, std::string_view section) {
  auto e = ReadSection<TDataSkinBoxLabel>(src, section, "Image", false);
  if (!e) return nullptr;
  e->BackgroundAlignment = src.Int(section, "BackgroundAlignment", 0);
  e->BackgroundLeftShift = src.Int(section, "BackgroundLeftShift", 0);
  e->BackgroundRightShift = src.Int(section, "BackgroundRightShift", 0);
  return e;
}

std::unique_ptr<TDataSkinObject> ReadMenuBarElement(const DefinitionSource& src) {
  const std::string image = src.Text("Personality", "menuBar");
  if (image.empty()) return nullptr;
  auto e = std::make_unique<TDataSkinObject>();
  e->Name = "Personality";
  e->Tile = std::min(src.Int("Personality", "TileMenu", 1), 1);
  e->LeftWidth = src.Int("Personality", "TileLeftMenu", 1);
  e->RightWidth = src.Int("Personality", "TileRightMenu", 1);
  src.LoadBitmap(e->Image, image);
  return e;
}

std::unique_ptr<TDataSkinObject> BuiltInElement(const wchar_t* resource, std::string_view name) {
  auto e = std::make_unique<TDataSkinObject>();
  e->Name = std::string(name);
  e->LeftWidth = e->TopHeight = e->RightWidth = e->BottomHeight = 3;
  e->FrameCount = 1;
  host::Bitmap bitmap(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  e->Image.Assign(bitmap);
  return e;
}

void ReadFrameBorder(const DefinitionSource& src, TDataSkinBorder& b) {
  const std::string& n = b.Name;
  constexpr std::string_view kSection = "Personality";
  src.LoadBitmap(b.Image, src.Text(kSection, n));
  b.FrameCount = src.Int(kSection, n + "Frame", 1);
  b.Tile = std::min(src.Int(kSection, n + "Stretch", 1), 1);
  b.Trans = src.Int(kSection, n + "Trans", 1);
  const std::int32_t first = src.Int(kSection, n + "TopHeight", 0);
  const std::int32_t last = src.Int(kSection, n + "BotHeight", 0);
  const bool side = n == "Left" || n == "Right";
  b.TopHeight = side ? first : 0;
  b.BottomHeight = side ? last : 0;
  b.LeftWidth = side ? 0 : first;
  b.RightWidth = side ? 0 : last;
}

namespace {
// Key + "R", "G", "B": an explicit colour when all three are given.
std::int32_t ComponentTriple(const DefinitionSource& src, const std::string& key) {
  const std::int32_t r = src.Int("Personality", key + "R", -1);
  const std::int32_t g = src.Int("Personality", key + "G", -1);
  const std::int32_t b = src.Int("Personality", key + "B", -1);
  if (r < 0 || g < 0 || b < 0) return kNoColour;
  return static_cast<std::int32_t>(RGB(r & 0xFF, g & 0xFF, b & 0xFF));
}
}  // namespace

void ReadCaptionText(const DefinitionSource& src, TDataSkinTitle& t) {
  constexpr std::string_view kSection = "Personality";
  src.LoadBitmap(t.Image, src.Text(kSection, "TextBack"));
  t.LeftWidth = src.Int(kSection, "TextShift", 0);
  t.TopHeight = src.Int(kSection, "TextShiftVert", 0);
  t.RightWidth = src.Int(kSection, "TextRightClip", 0);
  t.BottomHeight = 0;
  t.TextAlignment = src.Int(kSection, "TextAlignment", 0);
  t.TextBackground = src.Int(kSection, "Textbackground", 0);
  t.TextBackLeft = src.Int(kSection, "TXTBackleft", 0);
  t.TextBackRight = src.Int(kSection, "TXTBackRight", 0);
  t.FontHeight = src.Int("Fonts", "FontHeight", 14);
  t.ActiveTextColour = ComponentTriple(src, "ActiveText");
  t.InactiveTextColour = ComponentTriple(src, "InActiveText");
  t.FrameCount = 2;
}

namespace {
// Frames of a check or radio picture not given in the definition: glyphs are 13
// pixels wide in pictures under 16 pixels high, else 16; at least 4.
std::int32_t GlyphFrames(const host::DibBitmap& image) {
  if (image.Empty()) return 4;
  const int glyph = image.Height() < 16 ? 13 : 16;
  return std::max(image.Width() / glyph, 4);
}
}  // namespace

void ReadPushButtons(const DefinitionSource& src, TDataSkinButton& b) {
  constexpr std::string_view kSection = "Buttons";
  src.LoadBitmap(b.Image, src.Text(kSection, "Bitmap"));
  ReadMargins(src, kSection, b);
  b.Trans = src.Int(kSection, "Trans", 0);
  b.Tile = src.Int(kSection, "Tile", 0);
  if (b.Tile > 1) b.Tile = 0;
  src.LoadBitmap(b.CheckImage, src.Text(kSection, "CheckButton"));
  src.LoadBitmap(b.RadioImage, src.Text(kSection, "RadioButton"));
  ReadColours(src, kSection, b);
  b.RadioFrames = src.Int(kSection, "RadioButtonFrame", 0);
  b.CheckFrames = src.Int(kSection, "CheckButtonFrame", 0);
  b.HasNormalColour2 = !src.Text(kSection, "NormalColour2").empty();
  b.HasMouseOverColour2 = !src.Text(kSection, "MouseOverColour2").empty();
  b.HasPressedColour2 = !src.Text(kSection, "PressedColour2").empty();
  b.FrameCount = 5;
  if (b.RadioFrames == 0) b.RadioFrames = GlyphFrames(b.RadioImage);
  if (b.CheckFrames == 0) b.CheckFrames = GlyphFrames(b.CheckImage);
}

}  // namespace skin
