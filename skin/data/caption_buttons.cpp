#include "skin/data/caption_buttons.h"

#include <algorithm>

#include "skin/draw/bitmap_copy.h"
#include "skin/store/ascii.h"

namespace skin {
namespace {

bool IsCaptionButtonSection(const DefinitionSource& src, const std::string& section) {
  const std::string name = store::AsciiUpperCase(section);
  if (name == "BUTTONS" || name == "BUTTON.RADIO" || name == "BUTTON.CHECKBOX" || name == "BUTTON") return false;
  if (!name.starts_with("BUTTON")) return false;
  return !(src.Int(section, "Action", 0) == -1 && src.Int(section, "Visibility", -1) != 0);
}

std::unique_ptr<TDataSkinSysButton> ReadCaptionButton(const DefinitionSource& src, const std::string& section) {
  auto b = std::make_unique<TDataSkinSysButton>();
  b->Name = store::AsciiUpperCase(section);
  b->Action = src.Int(section, "Action", 0);
  b->Align = src.Int(section, "Align", 0);
  b->XCoord = src.Int(section, "Xcoord", 0);
  b->YCoord = src.Int(section, "Ycoord", 0);
  b->Visibility = src.Int(section, "Visibility", 0);
  b->Visibility1 = src.Int(section, "Visibility1", b->Action == -1 ? -1 : 0);
  b->CombineOp = src.Int(section, "CombineOp", -1);
  b->FrameCount = src.Int(section, "frame", 0);
  src.LoadBitmap(b->Image, src.Text(section, "ButtonImage"));
  if (b->FrameCount == 0) {
    // A wide picture holds six frames (three states, active and inactive), a narrow one three.
    b->FrameCount = 6;
    if (!b->Image.Empty() && static_cast<double>(b->Image.Width()) / b->Image.Height() <= 3.8) b->FrameCount = 3;
    if (b->Action < 0) b->FrameCount = 6;
    if (b->Action == 3 || b->Action == 11) b->Image = host::DibBitmap();
  }
  return b;
}

}  // namespace

void ReadCaptionButtons(const DefinitionSource& src, const std::vector<std::string>& sections,
                        std::vector<std::unique_ptr<TDataSkinSysButton>>& buttons) {
  buttons.clear();
  std::string last_name;
  for (const std::string& section : sections) {
    if (!IsCaptionButtonSection(src, section)) continue;
    buttons.push_back(ReadCaptionButton(src, section));
    last_name = buttons.back()->Name;
  }

  host::DibBitmap mdi;
  src.LoadBitmap(mdi, src.Text("MDICONTROLS", "Image"));
  const int a = mdi.Width() / 12;
  for (int i = 0; i < 3; ++i) {
    auto b = std::make_unique<TDataSkinSysButton>();
    b->Name = last_name;
    b->Action = 7 + i;
    b->Align = b->Visibility = b->Visibility1 = 100;
    b->FrameCount = 4;
    if (!mdi.Empty() && a > 0) {
      b->Image = CopyPart(mdi, 4 * a * i, 0, 4 * a, mdi.Height());
      b->XCoord = (a + 4) * (3 - i);
    }
    buttons.push_back(std::move(b));
  }
}

}  // namespace skin
