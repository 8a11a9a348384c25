#pragma once
// Placeholder until the popup menu lands.
#include "host/core/component.h"

namespace host {
class TPopupMenu : public TComponent {
public:
  using TComponent::TComponent;
};
}  // namespace host
