#pragma once
// Small skins made in the tests: a definition text and pictures drawn here,
// packed as a skin package and loaded into a skin data component.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "tools/skinpack/package_writer.h"

namespace data_test {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit BMP file whose pixel (x, y) is colour(x, y).
Bytes Bmp(int width, int height, const std::function<COLORREF(int x, int y)>& colour);
Bytes SolidBmp(int width, int height, COLORREF colour);
// Every pixel different: red from x, green from y.
COLORREF Gradient(int x, int y);

struct TestSkin {
  std::string ini;
  std::vector<skinpack::Entry> pictures;

  TestSkin& Picture(std::string name, Bytes body);
  Bytes Package() const;
  // What the stored "SkinStream" property holds: length, then the package.
  Bytes Stream() const;
};

Bytes StreamOf(const Bytes& package);
void Load(skin::TSkinData& data, const TestSkin& skin);

// A Windows path for a file of the build tree, as the program sees it under Wine.
std::string WindowsPath(const std::string& unix_path);

// Each test starts without a skin manager and leaves none behind.
class SkinDataTest : public ::testing::Test {
protected:
  void TearDown() override;
};

}  // namespace data_test
