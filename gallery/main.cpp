#include <windows.h>

#include "gallery/gallery_form.h"
#include "host/app/application.h"
#include "host/core/text.h"
#include "launcher/skin_option.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  host::TApplication& app = host::Application();
  try {
    app.Initialize();
    host::RegisterComponentClass(skin::TSkinData::Info());
    app.SetTitle("Brindle Control Gallery");
    TGalleryForm* form = app.CreateForm<TGalleryForm>();
    if (SkinOffArgument()) form->SkinData1->SetActive(false);
    // A package that cannot be used is refused with a message, and the stored skin stays.
    if (const std::wstring path = SkinFileArgument(); !path.empty()) TrySkinFile(*form->SkinData1, path);
    // A skin author's live preview: the package is shown again each time it is saved.
    if (const std::wstring path = WatchFileArgument(); !path.empty()) form->WatchSkin(host::Narrow(path));
  } catch (const std::exception& e) {
    app.HandleException(e);
    return 1;
  }
  return app.Run();
}
