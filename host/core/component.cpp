#include "host/core/component.h"

#include <algorithm>

#include "host/core/text.h"

namespace host {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  RemoveFromOwner();
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) components_.back()->OwnerFrees();  // each one leaves the list
}

void TComponent::RemoveFromOwner() {
  if (owner_) std::erase(owner_->components_, this);
  owner_ = nullptr;
}

const ClassInfo& TComponent::Info() {
  static const ClassInfo info{"TComponent", nullptr, {
      props::Text<&TComponent::Name, &TComponent::SetName>("Name"),
      props::Integer<&TComponent::Tag, &TComponent::SetTag>("Tag"),
  }};
  return info;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

NotifyEvent TComponent::FindMethod(std::string_view) { return nullptr; }

void TComponent::SetHandlerName(std::string_view event, std::string method) {
  for (auto& [name, handler] : handler_names_)
    if (SameText(name, event)) {
      handler = std::move(method);
      return;
    }
  handler_names_.emplace_back(std::string(event), std::move(method));
}

std::string TComponent::HandlerName(std::string_view event) const {
  for (const auto& [name, handler] : handler_names_)
    if (SameText(name, event)) return handler;
  return {};
}

}  // namespace host
