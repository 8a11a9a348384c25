#pragma once
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "host/core/component.h"

namespace host {

class TForm;

// The program: its title, its forms (the first one made is the main form), the
// message loop, and the handler that shows an error and carries on.
class TApplication : public TComponent {
public:
  TApplication();
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  void Initialize();
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  template <class T>
  T* CreateForm() {
    auto* form = new T(this);
    form->LoadStoredForm();
    if (!main_form_) main_form_ = form;
    return form;
  }
  TForm* MainForm() const { return main_form_; }
  // For forms made in code rather than by CreateForm.
  void SetMainForm(TForm* form) { main_form_ = form; }
  TForm* ActiveForm() const { return active_form_; }
  const std::vector<TForm*>& Forms() const { return forms_; }

  // Shows the main form and dispatches messages until it is closed.
  int Run();
  // One pass over the waiting messages, for code that waits on the loop.
  void ProcessMessages();
  void HandleException(const std::exception& e);
  // What the loop does with one message: form keys, MDI keys, dispatch.
  void HandleMessage(MSG& msg);

  std::string ExeName() const;  // the program's full path
  std::string ExeFolder() const;  // with its trailing backslash

  void AddForm(TForm* form) { forms_.push_back(form); }
  void RemoveForm(TForm* form);
  void SetActiveForm(TForm* form) { active_form_ = form; }
  // A system dialog without a loop of its own: the loop gives it its Tab and Enter keys.
  void AddModelessDialog(HWND dialog) { modeless_.push_back(dialog); }
  void RemoveModelessDialog(HWND dialog) { std::erase(modeless_, dialog); }

private:
  std::string title_;
  TForm* main_form_ = nullptr;
  TForm* active_form_ = nullptr;
  std::vector<TForm*> forms_;
  std::vector<HWND> modeless_;
};

TApplication& Application();
// The default error handler, for window procedures and timer callbacks.
void HandleException(const std::exception& e);

}  // namespace host
