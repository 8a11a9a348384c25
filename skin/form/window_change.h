#pragma once
// A change a skinner made to someone else's window that must not outlive the
// skinner: it is given back when the skinner says so, and at the latest when
// the skinner goes, whatever way out of its set-up it took.
#include <functional>
#include <utility>

namespace skin {

class WindowChange {
public:
  WindowChange() = default;
  ~WindowChange() { Undo(); }
  WindowChange(const WindowChange&) = delete;
  WindowChange& operator=(const WindowChange&) = delete;

  void Made(std::function<void()> undo) { undo_ = std::move(undo); }
  void Undo() {
    if (auto undo = std::exchange(undo_, nullptr)) undo();
  }
  // The window went away and took the change with it.
  void Forget() { undo_ = nullptr; }

private:
  std::function<void()> undo_;
};

}  // namespace skin
