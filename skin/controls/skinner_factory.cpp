#include "skin/controls/skinner_factory.h"

#include <memory>

#include "skin/controls/scroll_bar.h"
#include "skin/controls/size_grip.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

// A new skinner owned by the host control (when there is one) and attached.
template <class T>
TSkinControl* Make(const TSkinnerRequest& r, TSkinForm& form) {
  auto skinner = std::make_unique<T>(r.control);
  if (r.control && !r.window)
    skinner->Attach(&form, form.FSkinData, r.use_skin_colour, form.FControlCanvas);
  else
    skinner->AttachWindow(r.window, form.FSkinData, &form, form.FControlCanvas);
  return skinner.release();
}

}  // namespace

TSkinControl* MakeSkinner(const TSkinnerRequest& r, TSkinForm& form) {
  switch (r.skinner) {
    case TSkinnerClass::Scrollbar: {
      if (!r.control || r.window) return Make<TSkinScrollbarH>(r, form);
      auto skinner = std::make_unique<TSkinScrollbar>(r.control, r.single_bar);
      skinner->Attach(&form, form.FSkinData, false, form.FControlCanvas);
      return skinner.release();
    }
    case TSkinnerClass::Sizer: return Make<TSkinSizer>(r, form);
    default: return nullptr;
  }
}

}  // namespace skin
