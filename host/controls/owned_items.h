#pragma once
// A control's published collection of items of one kind (a header's
// sections, a list view's columns): each item is made for the control and
// tells it of its changes; so does every change of the list, through Update.
#include <memory>
#include <vector>

#include "host/core/properties.h"

namespace host {

template <class T, class Control, void (Control::*Update)()>
class TOwnedItems : public TCollection {
public:
  explicit TOwnedItems(Control& control) : control_(control) {}

  int Count() const override { return static_cast<int>(items_.size()); }
  T& Item(int index) const override { return *items_.at(static_cast<size_t>(index)); }
  T& AddItem() override {
    T& item = *items_.emplace_back(std::make_unique<T>(control_));
    (control_.*Update)();
    return item;
  }
  void Clear() override {
    items_.clear();
    (control_.*Update)();
  }
  int IndexOf(const T* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
      if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
  }

private:
  Control& control_;
  std::vector<std::unique_ptr<T>> items_;
};

}  // namespace host
