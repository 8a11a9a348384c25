#pragma once
#include "host/controls/control.h"

namespace host {

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
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
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle style) { form_style_ = style; }
  bool AutoScroll() const { return auto_scroll_; }
  void SetAutoScroll(bool on) { auto_scroll_ = on; }
  int ClientWidth() const;
  void SetClientWidth(int width);
  int ClientHeight() const;
  void SetClientHeight(int height);

  void Show();
  void Close();
  // Shows the form with its owner form disabled and runs the message loop
  // until ModalResult is set or the window goes away; gives ModalResult.
  int ShowModal();
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }

  // The form's menu bar, set by pointer or by name in a stored form; every
  // change of it tells the form through CM_MENUCHANGED.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  std::string MenuName() const;
  void SetMenuName(std::string name) { menu_name_ = std::move(name); }
  // The menu or one of its items changed: the window shows it again.
  void MenuChanged();
  void Loaded() override;
  // An MDI main form's client window, which parents its MDI children.
  HWND ClientHandle() const { return client_handle_; }

  NotifyEvent OnShow;
  void SetOnShow(NotifyEvent e) { OnShow = std::move(e); }

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(TMessage& msg) override;
  void DefaultHandler(TMessage& msg) override;
  void HandleCreated() override;

private:
  void ApplyClientSize();

  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  std::uint32_t border_icons_ = biSystemMenu | biMinimize | biMaximize;
  int client_width_ = -1;
  int client_height_ = -1;
  TFormStyle form_style_ = TFormStyle::fsNormal;
  bool auto_scroll_ = true;
  int modal_result_ = 0;
  bool modal_ = false;
  TMainMenu* menu_ = nullptr;
  std::string menu_name_;
  HWND client_handle_ = nullptr;
};

}  // namespace host
