#pragma once
#include "host/controls/control.h"

namespace host {

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// The system progress bar ("msctls_progress32"): a position within Min to
// Max, set directly or advanced by Step with StepIt.
class TProgressBar : public TWinControl {
public:
  explicit TProgressBar(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const;
  void SetPosition(int v);
  int Step() const { return step_; }
  void SetStep(int v);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation o);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool on);
  // Advances the position by Step, wrapping to Min past Max as the system does.
  void StepIt();

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;

private:
  DWORD StyleBits() const;
  void ApplyStyle();
  void ApplyRange();

  int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
  TProgressBarOrientation orientation_ = pbHorizontal;
  bool smooth_ = false;
};

}  // namespace host
