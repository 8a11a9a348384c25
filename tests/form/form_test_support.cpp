#include "form_test_support.h"

#include <fstream>
#include <iterator>

#include "host/app/application.h"
#include "host/core/text.h"

namespace form_test {

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) host::Application().HandleMessage(msg);
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool PumpUntil(const std::function<bool()>& condition, int timeout_ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeout_ms);
  while (!condition()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return condition();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) host::Application().HandleMessage(msg);
    Sleep(5);
  }
  return true;
}

TTestForm::TTestForm(host::TComponent* owner, std::string class_name)
    : host::TForm(owner),
      class_name_(std::move(class_name)),
      info_(std::make_unique<host::ClassInfo>(host::ClassInfo{class_name_, &host::TForm::Info(), {}})) {}

std::unique_ptr<TTestForm> MakeForm(int x, int y, int client_width, int client_height, host::TFormBorderStyle style) {
  auto form = std::make_unique<TTestForm>(nullptr);
  form->SetBorderStyle(style);
  form->SetLeft(x);
  form->SetTop(y);
  form->SetClientWidth(client_width);
  form->SetClientHeight(client_height);
  form->SetCaption("Skinned");
  return form;
}

skin::TSkinForm* ShowSkinned(host::TForm& form) {
  form.Show();
  skin::TSkinForm* skinner = nullptr;
  PumpUntil([&] {
    skinner = skin::TSkinManage::Instance() ? skin::TSkinManage::Instance()->FindSkinForm(form.WindowHandle()) : nullptr;
    return skinner && skinner->FState == skin::flRunning;
  });
  Pump(20);
  return skinner;
}

std::vector<std::uint8_t> DefaultSkinPackage() { return SkinPackage("default"); }

std::vector<std::uint8_t> SkinPackage(const std::string& name) {
  std::ifstream file("Z:" BRINDLE_SKINS_DIR "/" + name + ".skn", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::unique_ptr<skin::TSkinData> MakeSkinData(const std::vector<std::uint8_t>& package, skin::TSkinFormType type) {
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  data->BeginLoading();
  data->SetSkinFormtype(type);
  std::vector<std::uint8_t> stream(4);
  const auto size = static_cast<std::uint32_t>(package.size());
  for (int i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(size >> (8 * i));
  stream.insert(stream.end(), package.begin(), package.end());
  data->ReadSkinStream(stream);
  data->SetActive(true);
  data->Loaded();
  return data;
}

namespace {
struct WindowSearch {
  std::wstring class_name;
  HWND found = nullptr;
};

BOOL CALLBACK VisitWindow(HWND w, LPARAM p) {
  auto& search = *reinterpret_cast<WindowSearch*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  if (pid != GetCurrentProcessId() || search.class_name != cls || !IsWindowVisible(w)) return TRUE;
  search.found = w;
  return FALSE;
}
}  // namespace

HWND FindProcessWindow(const wchar_t* class_name) {
  WindowSearch search{class_name};
  EnumWindows(&VisitWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void SendMouse(DWORD flags, POINT p) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof(input));
}

COLORREF ScreenPixel(int x, int y) {
  HDC dc = GetDC(nullptr);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(nullptr, dc);
  return c;
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

namespace {
host::DibBitmap ScreenShot(const RECT& r) {
  host::DibBitmap shot(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return shot;
}
}  // namespace

host::DibBitmap WindowShot(HWND window) { return ScreenShot(WindowRect(window)); }

host::DibBitmap ClientShot(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return ScreenShot(r);
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

void SkinnedTest::SetUp() {
  data_ = MakeSkinData(DefaultSkinPackage());
  ASSERT_FALSE(data_->SkinMissing()) << data_->RefusalReason();
  ASSERT_TRUE(skin::TSkinManage::Instance());
  ASSERT_TRUE(Manager().Active);
}

void SkinnedTest::TearDown() {
  skin::TSkinManage::Destroy();
  data_.reset();
  Pump(10);
}

}  // namespace form_test
