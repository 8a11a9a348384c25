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
    if (const std::wstring path = SkinFileArgument(); !path.empty()) {
      std::string why;
      if (!TrySkinFile(*form->SkinData1, path, why))
        MessageBoxW(nullptr, host::Widen("The skin " + host::Narrow(path) + " was not loaded: " + why).c_str(),
                    L"Brindle Control Gallery", MB_OK | MB_ICONWARNING);
    }
  } catch (const std::exception& e) {
    app.HandleException(e);
    return 1;
  }
  return app.Run();
}
