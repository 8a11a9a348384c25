#pragma once
#include <string>

#include "host/controls/form.h"

namespace host {

// The framework's own message box: a form of class "TMessageForm" with the
// text and an OK button, sized to the text.
class TMessageForm : public TForm {
public:
  TMessageForm(TComponent* owner, const std::string& text, const std::string& caption);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
};

// Shows a message form modally over the active form; gives IDOK or IDCANCEL.
int MessageDlg(const std::string& text, const std::string& caption);

}  // namespace host
