// Times LoadSkin on the stored default skin, the whole way from the form's
// "SkinStream" bytes to the finished descriptors, and its three parts, each
// interleaved with the plain reference decoder unpacking the same package.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/gdi_timing.h"
#include "host/graphics/dib_bitmap.h"
#include "reference_decoder.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_definition.h"
#include "skin/store/quick_ini.h"
#include "skin/store/skin_reader.h"

namespace {

std::vector<std::uint8_t> DefaultPackage() {
  std::ifstream file("Z:" BRINDLE_SKINS_DIR "/default.skn", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The stored property: its length, then the package.
std::vector<std::uint8_t> SkinStream(const std::vector<std::uint8_t>& package) {
  std::vector<std::uint8_t> stream(4);
  for (int i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(package.size() >> (8 * i));
  stream.insert(stream.end(), package.begin(), package.end());
  return stream;
}

}  // namespace

int main() {
  const std::vector<std::uint8_t> package = DefaultPackage();
  if (package.empty()) {
    std::printf("no default skin at %s\n", BRINDLE_SKINS_DIR);
    return 1;
  }
  const std::vector<std::uint8_t> stream = SkinStream(package);
  skin::TSkinData data(nullptr);
  data.BeginLoading();
  data.ReadSkinStream(stream);
  if (data.SkinMissing()) {
    std::printf("the default skin was refused: %s\n", data.RefusalReason().c_str());
    return 1;
  }

  skin::store::TSkinReader reader;
  skin::store::TMemoryStream packed(package);
  reader.LoadPackage(packed);
  skin::store::TMemoryStream definition;
  std::string found;
  reader.ExtractByPattern(".ini", definition, found);
  skin::store::TQuickIni ini;
  skin::SkinElements elements;

  const auto reference = [&] { reference::Decode(package); };
  const auto compare = [&](const std::function<void()>& step) {
    return bench::Interleave(reference, step, 15, 0.08);
  };
  std::printf("The default skin, %zu bytes packed, %u entries\n", package.size(), reader.Count());
  bench::PrintHeader("LoadSkin under Wine, microseconds per call", "reference unpack", "engine");
  bench::PrintRow("stream to descriptors (goal 3000)", compare([&] { data.ReadSkinStream(stream); }));
  bench::PrintRow("  unpacking the package", compare([&] {
                    skin::store::TSkinReader r;
                    skin::store::TMemoryStream p(package);
                    r.LoadPackage(p);
                  }));
  bench::PrintRow("  the definition read", compare([&] {
                    definition.Seek(0);
                    ini.LoadFromStream(definition);
                  }));
  bench::PrintRow("  descriptors and pictures", compare([&] { skin::ReadSkinDefinition(elements, ini, reader); }));
  bench::PrintRow("    of which every picture read once", compare([&] {
                    for (const std::string& name : reader.Names()) {
                      if (!name.ends_with(".bmp")) continue;
                      skin::store::TMemoryStream body;
                      reader.ExtractByName(name, body);
                      host::DibBitmap picture;
                      picture.LoadFromBmp(body.Bytes());
                    }
                  }));
  return 0;
}
