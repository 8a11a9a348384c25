// The skin definition: an INI template whose ${name} references are filled from the
// generated skin, and the check that it names exactly the generated pictures.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "skin.h"

namespace skingen {

// Replaces every ${name}; throws std::runtime_error naming origin and line for an
// unknown name or an unterminated reference.
std::string expandDefinition(const std::string& text, const std::map<std::string, std::string>& vars,
                             const std::string& origin);

// Every value ending in ".bmp", in text order.
std::vector<std::string> namedPictures(const std::string& definition);

// Throws std::runtime_error when the definition names a picture the skin lacks or
// the skin has a picture the definition never names.
void checkPictureNames(const std::string& definition, const Skin& skin);

}  // namespace skingen
