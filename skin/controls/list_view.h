#pragma once
// List views: their scroll bars are skinned as any control's, and the column
// header that the list keeps as a child window gets a header skinner of its
// own, owned by the list's skinner. A header that the list makes later (when
// it changes to the report view) is picked up then.
#include <memory>

#include "skin/controls/header.h"
#include "skin/controls/scroll_bar.h"

namespace skin {

// The list's header skinner, made once the list has a header.
class TListHeader {
public:
  void Follow(HWND list, TSkinData* data, host::Canvas* canvas);
  TSkinHeader* Get() const { return header_.get(); }
  void SkinChanged() const;

private:
  struct Free {
    void operator()(TSkinControl* skinner) const { TSkinControl::Free(skinner); }
  };
  std::unique_ptr<TSkinHeader, Free> header_;
};

// A host list view.
class TSkinListView : public TSkinScrollbar {
public:
  explicit TSkinListView(host::TComponent* owner) : TSkinScrollbar(owner, false) {}
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) override;
  void AfterMessage(host::TMessage& m) override;
  void SkinChanged() override;
  TSkinHeader* Header() const { return header_.Get(); }

private:
  TListHeader header_;
};

// A bare list view: the file list of a system dialog.
class TSkinListViewH : public TSkinScrollbarH {
public:
  using TSkinScrollbarH::TSkinScrollbarH;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  void AttachWindow(HWND window, TSkinData* data, TSkinForm* form, host::Canvas* canvas) override;
  void AfterMessage(host::TMessage& m) override;
  void SkinChanged() override;
  TSkinHeader* Header() const { return header_.Get(); }

private:
  TListHeader header_;
};

}  // namespace skin
