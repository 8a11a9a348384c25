#pragma once
// The system list view. Its columns are declared; its rows are added from
// code (a caption and the texts of the further columns) and kept here too,
// so that a window made later gets them. OnSelectItem hears of each change
// of the selection.
#include <memory>
#include <string>
#include <vector>

#include "host/controls/control.h"
#include "host/controls/owned_items.h"
#include "host/graphics/image_list.h"

namespace host {

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListView;

class TListColumn : public TPersistent {
public:
  explicit TListColumn(TListView& view) : view_(view) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string v);
  int Width() const { return width_; }
  void SetWidth(int v);

private:
  TListView& view_;
  std::string caption_;
  int width_ = 50;
};

class TListColumns;

class TListView : public TWinControl {
public:
  explicit TListView(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  TViewStyle ViewStyle() const { return view_style_; }
  void SetViewStyle(TViewStyle v);
  TListColumns* Columns() const { return columns_.get(); }
  bool RowSelect() const { return row_select_; }
  void SetRowSelect(bool on);
  TImageList* SmallImages() const { return small_images_; }
  void SetSmallImages(TImageList* images);
  std::string SmallImagesName() const;
  void SetSmallImagesName(std::string name) { small_images_name_ = std::move(name); }

  // A row at the end: its caption, the texts of the next columns, its small image; gives its index.
  int AddItem(const std::string& caption, const StringList& subitems = {}, int image = -1);
  void ClearItems();
  int ItemCount() const { return static_cast<int>(rows_.size()); }
  std::string ItemText(int item, int column) const;  // empty outside the rows and columns
  int ItemIndex() const;  // the first selected row, -1 when none
  void SetItemIndex(int index);

  NotifyEvent OnSelectItem;
  void SetOnSelectItem(NotifyEvent e) { OnSelectItem = std::move(e); }

  // Puts the columns into the window.
  void UpdateColumns();
  void Loaded() override;

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  struct Row {
    StringList texts;  // the caption first
    int image = -1;
  };
  void InsertRow(int index) const;
  void ApplyStyle();

  std::unique_ptr<TListColumns> columns_;
  std::vector<Row> rows_;
  TViewStyle view_style_ = vsIcon;
  bool row_select_ = false;
  TImageList* small_images_ = nullptr;
  std::string small_images_name_;
  int pending_index_ = -1;
};

class TListColumns : public TOwnedItems<TListColumn, TListView, &TListView::UpdateColumns> {
public:
  using TOwnedItems::TOwnedItems;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
};

}  // namespace host
