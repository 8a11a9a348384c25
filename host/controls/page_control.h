#pragma once
// The system tab control ("SysTabControl32") in two uses: a row of tabs that
// only reports which one is chosen (TTabControl), and a stack of pages, one
// tab each, of which the chosen one shows (TPageControl with TTabSheet).
#include <string>
#include <vector>

#include "host/controls/control.h"
#include "host/graphics/image_list.h"

namespace host {

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TCustomTabControl : public TWinControl {
public:
  explicit TCustomTabControl(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TTabPosition TabPosition() const { return position_; }
  void SetTabPosition(TTabPosition position);
  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool on);
  int TabIndex() const;
  void SetTabIndex(int index);
  // The tab pictures, set by pointer or by name in a stored form.
  TImageList* Images() const;
  void SetImages(TImageList* images);
  std::string ImagesName() const;
  void SetImagesName(std::string name) { images_name_ = std::move(name); }

  // The part of the client area the tabs leave, client coordinates.
  RECT DisplayRect();

  NotifyEvent OnChange;
  void SetOnChange(NotifyEvent e) { OnChange = std::move(e); }

protected:
  struct Tab {
    std::string text;
    int image = -1;
  };
  virtual std::vector<Tab> Tabs() const = 0;
  // The chosen tab moved: by the user, or by SetTabIndex.
  virtual void Change();
  // Puts the tabs into the window anew.
  void RebuildTabs();

  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  DWORD StyleBits() const;
  void ApplyStyle();

  TTabPosition position_ = tpTop;
  bool multi_line_ = false;
  int tab_index_ = -1;  // kept while there is no window
  mutable TImageList* images_ = nullptr;
  std::string images_name_;
};

// Tabs that only report the choice; what they switch is the application's.
class TTabControl : public TCustomTabControl {
public:
  using TCustomTabControl::TCustomTabControl;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  const StringList& TabTexts() const { return tabs_; }
  void SetTabTexts(const StringList& tabs);

protected:
  std::vector<Tab> Tabs() const override;

private:
  StringList tabs_;
};

class TPageControl;

// One page: its caption is its tab's text.
class TTabSheet : public TWinControl {
public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TPageControl* PageControl() const;
  void SetParent(TWinControl* parent) override;
  void SetCaption(std::string caption) override;
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);

protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(TMessage& msg) override;

private:
  int image_index_ = -1;
};

class TPageControl : public TCustomTabControl {
public:
  using TCustomTabControl::TCustomTabControl;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const;
  void SetActivePage(TTabSheet* page);
  std::string ActivePageName() const;
  void SetActivePageName(std::string name);

  void Loaded() override;

protected:
  std::vector<Tab> Tabs() const override;
  void Change() override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  friend class TTabSheet;
  void AddPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PageChanged();
  // The chosen page shows and fills the display area; the others hide.
  void ShowActive();

  std::vector<TTabSheet*> pages_;
  std::string active_name_;  // a stored name, looked up when loading ends
};

}  // namespace host
