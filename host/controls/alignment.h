#pragma once
// The horizontal alignment of a text within its part of a control (a status
// panel, a header section).
#include "host/core/properties.h"

namespace host {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

const EnumInfo& AlignmentType();

}  // namespace host
