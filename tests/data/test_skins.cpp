#include "test_skins.h"

#include "skin/manager/skin_manage.h"

namespace data_test {
namespace {
void PutLe16(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 2; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutLe32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
}  // namespace

Bytes Bmp(int width, int height, const std::function<COLORREF(int x, int y)>& colour) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t pixels = stride * static_cast<std::uint32_t>(height);
  Bytes out{'B', 'M'};
  PutLe32(out, 54 + pixels);
  PutLe32(out, 0);
  PutLe32(out, 54);
  PutLe32(out, 40);
  PutLe32(out, static_cast<std::uint32_t>(width));
  PutLe32(out, static_cast<std::uint32_t>(height));
  PutLe16(out, 1);
  PutLe16(out, 24);
  for (int i = 0; i < 6; ++i) PutLe32(out, 0);
  for (int y = height - 1; y >= 0; --y) {  // bottom-up rows
    const std::size_t row = out.size();
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      out.push_back(GetBValue(c));
      out.push_back(GetGValue(c));
      out.push_back(GetRValue(c));
    }
    out.resize(row + stride, 0);
  }
  return out;
}

Bytes SolidBmp(int width, int height, COLORREF colour) {
  return Bmp(width, height, [colour](int, int) { return colour; });
}

COLORREF Gradient(int x, int y) { return RGB(x & 0xFF, y & 0xFF, 0x40); }

TestSkin& TestSkin::Picture(std::string name, Bytes body) {
  pictures.push_back({std::move(name), std::move(body)});
  return *this;
}

Bytes TestSkin::Package() const {
  std::vector<skinpack::Entry> entries{{"skin.ini", Bytes(ini.begin(), ini.end())}};
  entries.insert(entries.end(), pictures.begin(), pictures.end());
  return skinpack::BuildPackage(entries);
}

Bytes TestSkin::Stream() const { return StreamOf(Package()); }

Bytes StreamOf(const Bytes& package) {
  Bytes out;
  PutLe32(out, static_cast<std::uint32_t>(package.size()));
  out.insert(out.end(), package.begin(), package.end());
  return out;
}

void Load(skin::TSkinData& data, const TestSkin& skin) {
  data.ReadSkinStream(skin.Stream());
  ASSERT_FALSE(data.SkinMissing()) << data.RefusalReason();
}

std::string WindowsPath(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void SkinDataTest::TearDown() { skin::TSkinManage::Destroy(); }

}  // namespace data_test
