#pragma once
// The system column header: a row of sections, each with its text, width,
// alignment and image; a click on a section is told to OnSectionClick.
#include <functional>
#include <memory>
#include <string>

#include "host/controls/alignment.h"
#include "host/controls/control.h"
#include "host/controls/owned_items.h"
#include "host/graphics/image_list.h"

namespace host {

class THeaderControl;

class THeaderSection : public TPersistent {
public:
  explicit THeaderSection(THeaderControl& header) : header_(header) {}
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  const std::string& Text() const { return text_; }
  void SetText(std::string v);
  int Width() const { return width_; }
  void SetWidth(int v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int v);
  int Index() const;

private:
  void Changed();

  THeaderControl& header_;
  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  int image_index_ = -1;
};

class THeaderSections;

class THeaderControl : public TWinControl {
public:
  explicit THeaderControl(TComponent* owner);
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }

  THeaderSections* Sections() const { return sections_.get(); }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  std::string ImagesName() const;
  void SetImagesName(std::string name) { images_name_ = std::move(name); }

  using SectionEvent = std::function<void(THeaderControl* header, THeaderSection* section)>;
  SectionEvent OnSectionClick;
  // A stored handler hears of the click without the section.
  void SetOnSectionClick(NotifyEvent e);

  // Puts the sections into the window.
  void UpdateSections();
  void Loaded() override;

protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& msg) override;

private:
  std::unique_ptr<THeaderSections> sections_;
  TImageList* images_ = nullptr;
  std::string images_name_;
};

class THeaderSections : public TOwnedItems<THeaderSection, THeaderControl, &THeaderControl::UpdateSections> {
public:
  using TOwnedItems::TOwnedItems;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
};

}  // namespace host
