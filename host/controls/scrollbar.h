#pragma once
#include "host/controls/control.h"

namespace host {

enum TScrollBarKind { sbHorizontal, sbVertical };

// The system scroll-bar control. The bar tells its parent of each step; the
// parent hands that on (CN_HSCROLL, CN_VSCROLL) and the control moves its
// position by SmallChange, LargeChange or to the thumb, within Min to
// Max - PageSize + 1.
class TScrollBar : public TWinControl {
public:
  explicit TScrollBar(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const { return position_; }
  void SetPosition(int v);
  int PageSize() const { return page_size_; }
  void SetPageSize(int v);
  int SmallChange() const { return small_change_; }
  void SetSmallChange(int v) { small_change_ = v; }
  int LargeChange() const { return large_change_; }
  void SetLargeChange(int v) { large_change_ = v; }

  NotifyEvent OnChange;
  void SetOnChange(NotifyEvent e) { OnChange = std::move(e); }

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  void Apply();
  void Scroll(int code);

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, page_size_ = 0, small_change_ = 1, large_change_ = 1;
};

}  // namespace host
