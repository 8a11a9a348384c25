#pragma once
// A form's code binds its members to the components its stored form made.
#include <string>
#include <string_view>

#include "host/core/component.h"
#include "host/core/error.h"

namespace host {

// The owned component of that name and class; a stored form without it is an error.
template <class T>
T* Bind(const TComponent& form, std::string_view name) {
  auto* c = dynamic_cast<T*>(form.FindComponent(name));
  if (!c) throw Error("The stored form lacks " + std::string(name) + ".");
  return c;
}

}  // namespace host
