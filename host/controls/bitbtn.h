#pragma once
#include <memory>

#include "host/controls/button.h"
#include "host/controls/button_face.h"
#include "host/graphics/bitmap.h"

namespace host {

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// A push button with a glyph beside its caption, drawn by the button itself.
// Its Kind gives a click a meaning on the form: bkClose closes it, the
// others that answer a question end a modal form with their answer.
class TBitBtn : public TButton {
public:
  explicit TBitBtn(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TBitmap* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind) { kind_ = kind; }

  void Click() override;

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(TMessage& msg) override;

private:
  void Draw(const DRAWITEMSTRUCT& item);

  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
  int num_glyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TBitBtnKind kind_ = bkCustom;
};

}  // namespace host
