#include <windows.h>

#include "host/app/application.h"
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
    if (const std::wstring path = SkinFileArgument(); !path.empty()) TrySkinFile(*form->SkinData1, path);
  } catch (const std::exception& e) {
    app.HandleException(e);
    return 1;
  }
  return app.Run();
}
