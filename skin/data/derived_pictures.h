#pragma once
// Pictures the engine derives from the skin's own: the combo box strips, the
// toolbar background, and the frame colour sampled from the caption picture.
#include "skin/data/skin_elements.h"

namespace skin {

// Builds ComboButton's and SunkEdge's pictures from both, with ExtraImages'
// glyphs; nothing unless both exist.
void ComposeComboPictures(SkinElements& e);
// The colour a third of the way into the first frame of the top border, or
// ButtonFace when the skin has no top border picture.
std::int32_t SampleFrameColour(const SkinElements& e);
// A 10 x 40 vertical gradient from a light button face to a darker frame tone.
void MakeToolbarBackground(SkinElements& e);

}  // namespace skin
