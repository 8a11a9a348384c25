#pragma once
#include <string>
#include <vector>

#include "host/controls/control.h"

namespace host {

// The system list box. Its items live in the window once it exists; before
// that they are kept here and handed to the window when it is made.
class TListBox : public TWinControl {
public:
  explicit TListBox(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height);

  int Count() const;
  std::string Item(int index) const;
  StringList Items() const;
  void SetItems(const StringList& items);
  void Add(const std::string& text);
  void Delete(int index);
  void Clear();
  int ItemIndex() const;  // -1 when nothing is selected
  void SetItemIndex(int index);

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;

private:
  int item_height_ = 13;
  StringList pending_;
  int pending_index_ = -1;
};

}  // namespace host
