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
  // Called by the stored-form reader with the component this one is nested in
  // (a control takes it as its parent, an action as its list).
  virtual void SetParentComponent(TComponent*) {}

private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
  std::string name_;
  std::int32_t tag_ = 0;
  bool loading_ = false;
};

}  // namespace host
