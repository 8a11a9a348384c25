#pragma once
// Skin packages built to break the engine: giant pictures in a few bytes,
// headers that end inside themselves, pictures cut short, frame counts of 0,
// margins wider than their pictures, random definitions, missing pictures and
// a package cut short. Each comes with a phrase its refusal must hold.
#include <string>
#include <vector>

#include "bmp_files.h"

namespace picture_test {

struct HostileSkin {
  std::string name;
  Bytes package;
  std::string phrase;
};

std::vector<HostileSkin> HostileSkins();

// A small sound skin: a definition that names two good pictures.
Bytes SoundSkin();

}  // namespace picture_test
