#pragma once
// What the form-skinner tests share: a skin engine switched on with the
// project's default skin, forms made in code, and waiting on the message loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "host/controls/form.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/data/skin_data.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"

namespace form_test {

// Dispatches this thread's messages for the given time.
void Pump(int milliseconds);
// Dispatches messages until the condition holds or the time is up; gives the condition.
bool PumpUntil(const std::function<bool()>& condition, int timeout_ms = 3000);

// A form made in code, without a stored form; its window class is "TTestForm"
// unless another class name is given.
class TTestForm : public host::TForm {
public:
  explicit TTestForm(host::TComponent* owner, std::string class_name = "TTestForm");
  const host::ClassInfo& Class() const override { return *info_; }

private:
  std::string class_name_;
  std::unique_ptr<host::ClassInfo> info_;
};

// A sizeable form of the given client size at (x, y), not shown yet.
std::unique_ptr<TTestForm> MakeForm(int x, int y, int client_width, int client_height,
                                    host::TFormBorderStyle style = host::TFormBorderStyle::bsSizeable);
// Shows the form and waits until its skinner has handled skin-now.
skin::TSkinForm* ShowSkinned(host::TForm& form);

// The package the build made of the default skin.
std::vector<std::uint8_t> DefaultSkinPackage();
// The package the build made of one of our skins ("dark").
std::vector<std::uint8_t> SkinPackage(const std::string& name);

// A skin data component of the main-form type with the given package,
// loaded as a stored form would load it: the manager exists afterwards,
// its hook is in, and skinning is on.
std::unique_ptr<skin::TSkinData> MakeSkinData(const std::vector<std::uint8_t>& package,
                                              skin::TSkinFormType type = skin::TSkinFormType::sfMainform);

// A visible top-level window of this process with the class; null when there is none.
// Safe to call from any thread.
HWND FindProcessWindow(const wchar_t* class_name);

// One real mouse event (flags, MOUSEEVENTF_*) with a move to the screen point.
void SendMouse(DWORD flags, POINT p);
COLORREF ScreenPixel(int x, int y);
RECT WindowRect(HWND window);
// What the screen shows of a window now: the whole window, or its client area.
host::DibBitmap WindowShot(HWND window);
host::DibBitmap ClientShot(HWND window);
SIZE ClientSize(HWND window);

// Each test starts with the default skin switched on and ends without a
// skin manager, with every form it made gone.
class SkinnedTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  skin::TSkinManage& Manager() { return *skin::TSkinManage::Instance(); }

  std::unique_ptr<skin::TSkinData> data_;
};

}  // namespace form_test
