#pragma once
#include "host/controls/form.h"
#include "host/controls/listbox.h"
#include "skin/data/skin_data.h"

// The control gallery: one window with every kind of control the skin
// engine skins, for skin authors to see their skin on, and for tests and
// benchmarks to drive.
class TGalleryForm : public host::TForm {
public:
  explicit TGalleryForm(host::TComponent* owner) : TForm(owner) {}
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }
  void Loaded() override;

  // Lines in the long list.
  static constexpr int kListLines = 200;

  host::TListBox* LongList = nullptr;
  skin::TSkinData* SkinData1 = nullptr;
};
