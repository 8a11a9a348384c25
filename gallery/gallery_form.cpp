#include "gallery/gallery_form.h"

#include <string>

#include "host/core/error.h"

const host::ClassInfo& TGalleryForm::Info() {
  static const host::ClassInfo info{"TGalleryForm", &TForm::Info(), {}};
  return info;
}

namespace {
template <class T>
T* Bind(const host::TComponent& form, std::string_view name) {
  auto* c = dynamic_cast<T*>(form.FindComponent(name));
  if (!c) throw host::Error("The stored form lacks " + std::string(name) + ".");
  return c;
}
}  // namespace

void TGalleryForm::Loaded() {
  TForm::Loaded();
  LongList = Bind<host::TListBox>(*this, "LongList");
  SkinData1 = Bind<skin::TSkinData>(*this, "SkinData1");
  host::StringList lines;
  for (int i = 1; i <= kListLines; ++i) lines.push_back("List line " + std::to_string(i));
  LongList->SetItems(lines);
}
