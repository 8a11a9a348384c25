#include "host/dialogs/message_form.h"

#include <algorithm>
#include <memory>

#include "host/app/application.h"
#include "host/controls/button.h"
#include "host/core/text.h"
#include "host/gdi/handles.h"

namespace host {
namespace {

class TMessageText : public TWinControl {
public:
  using TWinControl::TWinControl;

protected:
  void FillCreateParams(CreateParams& p) override {
    TWinControl::FillCreateParams(p);
    p.class_name = L"STATIC";
    p.system_class = true;
    p.style |= SS_LEFT | SS_NOPREFIX;
  }
};

SIZE TextExtent(HFONT font, const std::string& text) {
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const Selection keep(dc, font);
  RECT r{0, 0, 400, 0};
  const std::wstring wide = Widen(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return {r.right, r.bottom};
}

}  // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::string& text, const std::string& caption) : TForm(owner) {
  SetName("MessageForm");
  SetCaption(caption);
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetBorderIcons(biSystemMenu);
  const SIZE extent = TextExtent(Font()->Handle(), text);
  const int margin = 16, button_width = 75, button_height = 25;
  const int width = std::max<int>(extent.cx + 2 * margin, 2 * margin + button_width);
  SetClientWidth(width);
  SetClientHeight(margin + extent.cy + margin + button_height + margin);

  auto* label = new TMessageText(this);
  label->SetName("Message");
  label->SetCaption(text);
  label->SetBounds(margin, margin, extent.cx, extent.cy);
  label->SetParent(this);

  auto* ok = new TButton(this);
  ok->SetName("OK");
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetBounds((width - button_width) / 2, margin + extent.cy + margin, button_width, button_height);
  ok->SetOnClick([this](TComponent*) { SetModalResult(IDOK); });
  ok->SetParent(this);
}

const ClassInfo& TMessageForm::Info() {
  static const ClassInfo info{"TMessageForm", &TForm::Info(), {}};
  return info;
}

int MessageDlg(const std::string& text, const std::string& caption) {
  const auto form = std::make_unique<TMessageForm>(&Application(), text, caption);
  if (TForm* active = Application().ActiveForm(); active && active->HandleAllocated()) {
    RECT r;
    GetWindowRect(active->WindowHandle(), &r);
    form->SetBounds(r.left + 40, r.top + 40, form->Width(), form->Height());
  }
  return form->ShowModal();
}

}  // namespace host
