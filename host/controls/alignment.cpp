#include "host/controls/alignment.h"

namespace host {

const EnumInfo& AlignmentType() {
  static constexpr std::string_view kNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
  static const EnumInfo type{"TAlignment", kNames};
  return type;
}

}  // namespace host
