#pragma once
// List views: their scroll bars are skinned as any control's; the column
// header that the list keeps as a child window gets a header skinner, owned
// by the list's skinner (a header the list makes later, when it changes to
// the report view, is picked up then); and the rows and background take the
// skin's content colours while skinned.
#include <memory>

#include "skin/controls/header.h"
#include "skin/controls/scroll_bar.h"

namespace skin {

// What both list-view skinners add to their scroll-bar skinner.
class TListViewParts {
public:
  void Attached(const TSkinControl& list);
  void Message(const TSkinControl& list, UINT msg);
  // Skin painting on or off: the content colours follow it.
  void Active(const TSkinControl& list);
  void Restore(const TSkinControl& list);
  void SkinChanged(const TSkinControl& list);
  TSkinHeader* Header() const { return header_.get(); }

private:
  struct Free {
    void operator()(TSkinControl* skinner) const { TSkinControl::Free(skinner); }
  };
  void FollowHeader(const TSkinControl& list);
  void ApplyColours(const TSkinControl& list);

  std::unique_ptr<TSkinHeader, Free> header_;
  bool coloured_ = false;  // the list's own colours are kept below
  COLORREF back_ = 0, text_back_ = 0, text_ = 0;
};

// A list-view skinner on either scroll-bar skinner.
template <class Bars>
class TSkinListViewOf : public Bars {
public:
  using Bars::Bars;
  void Restore() override {
    Bars::Restore();
    parts_.Restore(*this);
  }
  void AfterMessage(host::TMessage& m) override {
    Bars::AfterMessage(m);
    parts_.Message(*this, m.Msg);
  }
  void SkinChanged() override {
    parts_.SkinChanged(*this);
    Bars::SkinChanged();
  }
  TSkinHeader* Header() const { return parts_.Header(); }

protected:
  void SkinActiveChanged() override {
    Bars::SkinActiveChanged();
    parts_.Active(*this);
  }

  TListViewParts parts_;
};

// A host list view.
class TSkinListView : public TSkinListViewOf<TSkinScrollbar> {
public:
  explicit TSkinListView(host::TComponent* owner) : TSkinListViewOf(owner, false) {}
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }
  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
};

// A bare list view: the file list of a system dialog.
class TSkinListViewH : public TSkinListViewOf<TSkinScrollbarH> {
public:
  using TSkinListViewOf::TSkinListViewOf;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }
  void AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) override;
};

}  // namespace skin
