#pragma once
// For objects whose own message handlers may start a nested message loop
// (a menu, a modal dialog, a move or size loop) in which somebody frees the
// object: the freeing waits until the outermost handler has returned.
#include <functional>
#include <utility>

namespace host {

class HandlerDepth {
public:
  // One per handler call on the object, for the length of the call.
  class Scope {
  public:
    explicit Scope(HandlerDepth& depth) noexcept : depth_(depth) { ++depth_.depth_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    // The last statement touches nothing of the object: the action may free it.
    ~Scope() {
      if (--depth_.depth_ == 0 && depth_.on_idle_) std::exchange(depth_.on_idle_, nullptr)();
    }

  private:
    HandlerDepth& depth_;
  };

  bool Running() const noexcept { return depth_ > 0; }
  // Runs the action now when no handler runs, else when the outermost one returns.
  void WhenIdle(std::function<void()> action) {
    if (depth_ == 0)
      action();
    else
      on_idle_ = std::move(action);
  }

private:
  int depth_ = 0;
  std::function<void()> on_idle_;
};

}  // namespace host
