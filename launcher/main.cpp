#include <windows.h>

#include "host/app/application.h"
#include "host/core/text.h"
#include "launcher/main_form.h"
#include "launcher/skin_option.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  host::TApplication& app = host::Application();
  try {
    app.Initialize();
    host::RegisterComponentClass(skin::TSkinData::Info());
    app.SetTitle("Brindle");
    TForm1* form = app.CreateForm<TForm1>();
    if (SkinOffArgument()) form->SkinData1->SetActive(false);
    // Skin authors try their skins with --skin FILE; a bad file keeps the stored skin.
    if (const std::wstring path = SkinFileArgument(); !path.empty()) {
      std::string why;
      if (!TrySkinFile(*form->SkinData1, path, why))
        MessageBoxW(nullptr, host::Widen("The skin " + host::Narrow(path) + " was not loaded: " + why).c_str(), L"Brindle",
                    MB_OK | MB_ICONWARNING);
    }
  } catch (const std::exception& e) {
    app.HandleException(e);
    return 1;
  }
  return app.Run();
}
