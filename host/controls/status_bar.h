#pragma once
// The system status bar along the bottom of its parent: one simple text, or
// a row of panels, each with its own text, alignment and bevel, or drawn by
// the application.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/controls/alignment.h"
#include "host/controls/control.h"
#include "host/graphics/canvas.h"
#include "host/menus/menu.h"

namespace host {

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusBar;
class TStatusPanels;

class TStatusPanel : public TPersistent {
public:
  explicit TStatusPanel(TStatusPanels& owner) : owner_(owner) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel v);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle v);
  const std::string& Text() const { return text_; }
  void SetText(std::string v);
  int Width() const { return width_; }
  void SetWidth(int v);
  TBiDiMode BiDiMode() const { return bidi_; }
  void SetBiDiMode(TBiDiMode v);
  int Index() const;

private:
  void Changed();

  TStatusPanels& owner_;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TStatusPanelStyle style_ = psText;
  std::string text_;
  int width_ = 50;
  TBiDiMode bidi_ = TBiDiMode::bdLeftToRight;
};

class TStatusPanels : public TCollection {
public:
  explicit TStatusPanels(TStatusBar& bar) : bar_(bar) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  int Count() const override { return static_cast<int>(items_.size()); }
  TStatusPanel& Item(int index) const override { return *items_.at(static_cast<size_t>(index)); }
  TStatusPanel& AddItem() override;
  void Clear() override;
  TStatusBar& Bar() const { return bar_; }

private:
  TStatusBar& bar_;
  std::vector<std::unique_ptr<TStatusPanel>> items_;
};

class TStatusBar : public TWinControl {
public:
  explicit TStatusBar(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TStatusPanels* Panels() const { return panels_.get(); }
  bool SimplePanel() const { return simple_panel_; }
  void SetSimplePanel(bool on);
  const std::string& SimpleText() const { return simple_text_; }
  void SetSimpleText(std::string text);
  bool SizeGrip() const { return size_grip_; }
  void SetSizeGrip(bool on);
  TBiDiMode BiDiMode() const { return bidi_; }
  void SetBiDiMode(TBiDiMode v);

  // Draws an owner-drawn panel: the event paints with Canvas().
  using DrawPanelEvent = std::function<void(TStatusBar* bar, TStatusPanel* panel, const RECT& rect)>;
  DrawPanelEvent OnDrawPanel;
  // The canvas the panel-draw event paints with, bound to dc meanwhile.
  void DrawPanel(HDC dc, TStatusPanel& panel, const RECT& rect);
  Canvas& GetCanvas() { return canvas_; }

  // Puts the panels' widths, texts and styles into the window.
  void UpdatePanels();

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  void KeepAtBottom();

  std::unique_ptr<TStatusPanels> panels_;
  bool simple_panel_ = false;
  std::string simple_text_;
  bool size_grip_ = true;
  TBiDiMode bidi_ = TBiDiMode::bdLeftToRight;
  Canvas canvas_;
};

}  // namespace host
