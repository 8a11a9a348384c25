#include "skin/controls/skinner_factory.h"

#include <memory>

#include "skin/controls/adv_page.h"
#include "skin/controls/box.h"
#include "skin/controls/check_box.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/dialog_pane.h"
#include "skin/controls/edit.h"
#include "skin/controls/group_box.h"
#include "skin/controls/header.h"
#include "skin/controls/list_view.h"
#include "skin/controls/media_player.h"
#include "skin/controls/obj_image.h"
#include "skin/controls/progress_bar.h"
#include "skin/controls/push_button.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/size_grip.h"
#include "skin/controls/status_bar.h"
#include "skin/controls/tab.h"
#include "skin/controls/tab_set.h"
#include "skin/controls/tab_sheet.h"
#include "skin/controls/track_bar.h"
#include "skin/controls/up_down.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

// A new skinner owned by the host control (when there is one) and attached.
template <class T>
TSkinControl* Attach(std::unique_ptr<T> skinner, const TSkinnerRequest& r, TSkinForm& form) {
  if (r.control && !r.window)
    skinner->Attach(&form, form.FSkinData, r.use_skin_colour, form.FControlCanvas);
  else
    skinner->AttachWindow(r.window, form.FSkinData, &form, form.FControlCanvas);
  return skinner.release();
}

template <class T>
TSkinControl* Make(const TSkinnerRequest& r, TSkinForm& form) {
  return Attach(std::make_unique<T>(r.control), r, form);
}

// Its picture is the whole graphic of the "PngImage" property.
TSkinControl* MakePngBitButton(const TSkinnerRequest& r, TSkinForm& form) {
  auto skinner = std::make_unique<TSkinBitButton>(r.control);
  skinner->GlyphPropertyName = "PngImage";
  return Attach(std::move(skinner), r, form);
}

// A speed button has no window: it is painted through its parent.
TSkinControl* MakeSpeedButton(const TSkinnerRequest& r, TSkinForm& form) {
  if (!r.control) return nullptr;
  auto skinner = std::make_unique<TSkinSpeedButton>(r.control);
  skinner->AttachSpeedButton(&form, form.FSkinData, form.FControlCanvas);
  return skinner.release();
}

// Hands its pictures to a host control's properties: no bare-window form.
TSkinControl* MakeObjImage(const TSkinnerRequest& r, TSkinForm& form, int mode) {
  if (!r.control) return nullptr;
  return Attach(std::make_unique<TSkinObjImage>(r.control, mode), r, form);
}

}  // namespace

TSkinControl* MakeSkinner(const TSkinnerRequest& r, TSkinForm& form) {
  switch (r.skinner) {
    case TSkinnerClass::Button: return Make<TSkinButton>(r, form);
    case TSkinnerClass::BitButton: return Make<TSkinBitButton>(r, form);
    case TSkinnerClass::PngBitButton: return MakePngBitButton(r, form);
    case TSkinnerClass::MenuButton: return Make<TSkinMenuButton>(r, form);
    case TSkinnerClass::SpeedButton: return MakeSpeedButton(r, form);
    case TSkinnerClass::CheckBox: return Make<TSkinCheckBox>(r, form);
    case TSkinnerClass::RadioButton: return Make<TSkinRadioButton>(r, form);
    case TSkinnerClass::ComBox: return Make<TSkinComBox>(r, form);
    case TSkinnerClass::Edit: return Make<TSkinEdit>(r, form);
    case TSkinnerClass::UpDown: return Make<TSkinUpDown>(r, form);
    case TSkinnerClass::Scrollbar: {
      if (!r.control || r.window) return Make<TSkinScrollbarH>(r, form);
      auto skinner = std::make_unique<TSkinScrollbar>(r.control, r.single_bar, r.embedded_bar);
      skinner->Attach(&form, form.FSkinData, false, form.FControlCanvas);
      return skinner.release();
    }
    case TSkinnerClass::ListView: {
      if (!r.control || r.window) return Make<TSkinListViewH>(r, form);
      auto skinner = std::make_unique<TSkinListView>(r.control);
      skinner->Attach(&form, form.FSkinData, false, form.FControlCanvas);
      return skinner.release();
    }
    case TSkinnerClass::Header: return Make<TSkinHeader>(r, form);
    case TSkinnerClass::BoxH: return Make<TSkinBoxH>(r, form);
    case TSkinnerClass::TrackBar: return Make<TSkinTrackBar>(r, form);
    case TSkinnerClass::Progress: return Make<TSkinProgress>(r, form);
    case TSkinnerClass::Sizer: return Make<TSkinSizer>(r, form);
    case TSkinnerClass::StatusBar: return Make<TSkinStatusBar>(r, form);
    case TSkinnerClass::GroupBox: return Make<TSkinGroupBox>(r, form);
    case TSkinnerClass::Box: return r.control ? Make<TSkinBox>(r, form) : nullptr;
    case TSkinnerClass::Tab: return Make<TSkinTab>(r, form);
    case TSkinnerClass::Tab31: return r.control ? Make<TSkinTab31>(r, form) : nullptr;
    case TSkinnerClass::TabSheet: return r.control ? Make<TSkinTabSheet>(r, form) : nullptr;
    case TSkinnerClass::MediaPlayer: return r.control ? Make<TSkinMP>(r, form) : nullptr;
    case TSkinnerClass::ObjImageCheck: return MakeObjImage(r, form, gmCheckBox);
    case TSkinnerClass::ObjImageRadio: return MakeObjImage(r, form, gmRadio);
    case TSkinnerClass::ObjImageCx: return MakeObjImage(r, form, gmGlyphProp);
    case TSkinnerClass::AdvPage:
      return r.control ? Attach(std::make_unique<TSkinAdvPage>(r.control, kPageTabPictures), r, form) : nullptr;
    default: return nullptr;
  }
}

}  // namespace skin
