#pragma once
#include <vector>

#include "host/controls/check_box.h"
#include "host/controls/control.h"

namespace host {

// A captioned, etched frame around the controls it parents.
class TCustomGroupBox : public TWinControl {
public:
  explicit TCustomGroupBox(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(TMessage& msg) override;
  void PaintWindow(HDC dc) override;
  // The client area below the caption, where the children go.
  RECT InnerRect() const;
};

class TGroupBox : public TCustomGroupBox {
public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
};

// A group box holding one radio button per item, laid out in columns; the
// item whose button is checked is ItemIndex.
class TRadioGroup : public TCustomGroupBox {
public:
  explicit TRadioGroup(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  StringList Items() const { return items_; }
  void SetItems(const StringList& items);
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  const std::vector<TRadioButton*>& Buttons() const { return buttons_; }

  void SetBounds(int left, int top, int width, int height) override;

private:
  void MakeButtons();
  void ArrangeButtons();

  StringList items_;
  int item_index_ = -1;
  int columns_ = 1;
  std::vector<TRadioButton*> buttons_;  // owned by this control as its components
};

}  // namespace host
