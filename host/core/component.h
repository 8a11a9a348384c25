#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/properties.h"

namespace host {

// A named part of an owner; the owner frees the components it owns, last first.
class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  TComponent* FindComponent(std::string_view name) const;  // among the owned ones, case-insensitive
  // Leaves the owner's list: the owner no longer frees this component.
  void RemoveFromOwner();

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t tag) { tag_ = tag; }

  // True while the stored properties are being read; Loaded ends it.
  bool Loading() const { return loading_; }
  void BeginLoading() { loading_ = true; }
  virtual void Loaded() { loading_ = false; }

  // The handler a stored form names for an event, looked up on the root it is read into.
  virtual NotifyEvent FindMethod(std::string_view name);
  // The component this one is nested in within a stored form (a control's
  // parent, an action's list); the reader sets it, the writer follows it.
  virtual void SetParentComponent(TComponent*) {}
  virtual TComponent* GetParentComponent() const { return nullptr; }

  // The names of the handlers a stored form gave this component's events,
  // kept so that the form can be written back as it was read.
  void SetHandlerName(std::string_view event, std::string method);
  std::string HandlerName(std::string_view event) const;

protected:
  // Frees the owned components, last first; a destructor may call it early.
  void DestroyComponents();
  // The owner is going and frees this component. An object whose own
  // handler may be running then (and free its owner) overrides it to leave
  // the owner now and go itself once that handler has returned.
  virtual void OwnerFrees() { delete this; }

private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
  std::string name_;
  std::int32_t tag_ = 0;
  bool loading_ = false;
  std::vector<std::pair<std::string, std::string>> handler_names_;
};

}  // namespace host
