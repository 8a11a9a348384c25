#pragma once
#include "host/controls/control.h"

namespace host {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : std::uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

// A top-level window whose layout and properties come from the stored form of
// its class; its window class is named like its class ("TForm1").
class TForm : public TWinControl {
public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  // Reads the stored form of the most derived class; call once, after construction.
  void LoadStoredForm();

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style) { border_style_ = style; }
  std::uint32_t BorderIcons() const { return border_icons_; }
  void SetBorderIcons(std::uint32_t icons) { border_icons_ = icons; }
  int ClientWidth() const;
  void SetClientWidth(int width);
  int ClientHeight() const;
  void SetClientHeight(int height);

  void Show();
  void Close();

  NotifyEvent OnShow;
  void SetOnShow(NotifyEvent e) { OnShow = std::move(e); }

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(TMessage& msg) override;

private:
  void ApplyClientSize();

  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  std::uint32_t border_icons_ = biSystemMenu | biMinimize | biMaximize;
  int client_width_ = -1;
  int client_height_ = -1;
};

}  // namespace host
