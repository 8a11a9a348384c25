#pragma once
// A host media player cannot be repainted in place: its skinner covers it with
// a window of its own, of the same parent and bounds, that paints the
// transport buttons from the skin's "Buttons" element and hands the clicks on
// to the player underneath.
#include <array>
#include <memory>

#include "host/controls/control.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/skin_control.h"

namespace skin {

class TSkinMP;

// Button indices in the player's order; kNoButton for none.
inline constexpr int kMPButtons = 9;
inline constexpr int kNoButton = 9;

class TWMediaPlayer : public host::TWinControl {
public:
  explicit TWMediaPlayer(host::TComponent* owner);
  ~TWMediaPlayer() override;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void Setup(TSkinMP* skinner, host::TControl* host);
  void AlignToHost(host::TControl* host);
  // The visible button at overlay x (a shared edge belongs to the left one).
  int ButtonAt(int x) const;

  struct ButtonState {
    bool visible = false, enabled = false, coloured = false;
  };
  std::array<ButtonState, kMPButtons> Buttons;  // refreshed at each paint
  TSkinData* SkinData = nullptr;
  host::TControl* HostPlayer = nullptr;
  TSkinMP* Skinner = nullptr;
  int ButtonWidth = 0;
  bool MouseDown = false;
  int PressedButton = kNoButton;
  int HotButton = kNoButton;

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(host::TMessage& m) override;
  void PaintWindow(HDC dc) override;

private:
  enum Look { lkEnabled, lkDisabled, lkColoured };
  // Reads the player's button sets; the number of visible buttons.
  int ReadButtons();
  void DrawButton(host::DibBitmap& canvas, int button, const RECT& rect);
  void Press(host::TMessage& m);
  void Release(host::TMessage& m);

  std::array<std::array<host::DibBitmap, 3>, kMPButtons> glyphs_;
  // Cleared when the overlay goes: a click handed to the player may free
  // the player, its skinner and with them this overlay.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class TSkinMP : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinMP() override;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void Restore() override;
  void AfterMessage(host::TMessage& m) override;

  TWMediaPlayer* Overlay() const { return overlay_.get(); }

protected:
  // Unskinned, the player shows itself again.
  void SkinActiveChanged() override;

private:
  std::unique_ptr<TWMediaPlayer> overlay_;
};

}  // namespace skin
