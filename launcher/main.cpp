#include <windows.h>

#include "host/app/application.h"
#include "launcher/main_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  host::TApplication& app = host::Application();
  try {
    app.Initialize();
    app.SetTitle("Brindle");
    app.CreateForm<TForm1>();
  } catch (const std::exception& e) {
    app.HandleException(e);
    return 1;
  }
  return app.Run();
}
