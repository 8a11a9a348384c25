#pragma once
#include "host/controls/control.h"

namespace host {

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

// The system track bar ("msctls_trackbar32"). The bar tells its parent of
// each move; the parent hands that on (CN_HSCROLL, CN_VSCROLL) and the
// control reads its new position and reports the change.
class TTrackBar : public TWinControl {
public:
  explicit TTrackBar(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation o);
  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const;
  void SetPosition(int v);
  int Frequency() const { return frequency_; }
  void SetFrequency(int v);
  int PageSize() const { return page_size_; }
  void SetPageSize(int v);
  int LineSize() const { return line_size_; }
  void SetLineSize(int v);
  TTickStyle TickStyle() const { return tick_style_; }
  void SetTickStyle(TTickStyle s);
  TTickMark TickMarks() const { return tick_marks_; }
  void SetTickMarks(TTickMark m);

  NotifyEvent OnChange;
  void SetOnChange(NotifyEvent e) { OnChange = std::move(e); }

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  DWORD StyleBits() const;
  void ApplyStyle();
  void ApplyRange();
  void Moved();

  TTrackBarOrientation orientation_ = trHorizontal;
  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, page_size_ = 2, line_size_ = 1;
  TTickStyle tick_style_ = tsAuto;
  TTickMark tick_marks_ = tmBottomRight;
};

}  // namespace host
