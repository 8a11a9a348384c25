// Decompression throughput of the engine's decoder beside the plain reference
// decoder, and the compressor's speed and ratio, on a skin-sized package and on
// 16 MiB of mixed data; for each package file given, also the portable part
// of loading it as a skin. Prints figures; asserts nothing about time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "mixed_data.h"
#include "reference_decoder.h"
#include "skin/store/lzh.h"
#include "skin/store/quick_ini.h"
#include "skin/store/skin_reader.h"
#include "tools/skinpack/lzhuf_encoder.h"
#include "tools/skinpack/package_writer.h"

namespace {

using bench_data::Bytes;
using bench_data::MixedData;
using bench_data::SkinBitmap;
using Clock = std::chrono::steady_clock;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// About the size of the launcher's skin: a definition and 34 pictures.
Bytes SkinContainer() {
  std::mt19937 rng(2024);
  std::vector<skinpack::Entry> entries;
  std::string ini;
  for (int i = 0; i < 40; ++i) {
    ini += "[Section" + std::to_string(i) + "]\r\nImage=pic" + std::to_string(i % 34) +
           ".bmp\r\nLeftWidth=4\r\nRightWidth=4\r\nTopHeight=3\r\nBottomHeight=3\r\nTrans=1\r\nFrame=5\r\n\r\n";
  }
  entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});
  for (int i = 0; i < 34; ++i) {
    entries.push_back({"pic" + std::to_string(i) + ".bmp", SkinBitmap(20 + static_cast<int>(rng() % 100), 13 + static_cast<int>(rng() % 20), rng)});
  }
  return skinpack::BuildContainer(entries);
}

template <class Fn>
double Seconds(Fn&& fn) {
  const auto t0 = Clock::now();
  fn();
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

Bytes EngineDecode(const Bytes& package) {
  skin::store::TMemoryStream in(package), out;
  std::uint8_t size[4];
  in.Read(size, 4);
  const std::uint32_t n = size[0] | size[1] << 8 | size[2] << 16 | static_cast<std::uint32_t>(size[3]) << 24;
  out.Reserve(n + 64);
  skin::store::TLZH(in, out).Decompress(n);
  return out.Data();
}

// Engine and reference runs alternate, so both see the same machine load; the
// best run of each counts.
void Report(const char* name, const Bytes& input, int runs) {
  Bytes package;
  double tc = 1e30, te = 1e30, tr = 1e30;
  for (int i = 0; i < std::max(1, runs / 4); ++i) tc = std::min(tc, Seconds([&] { package = skinpack::Compress(input); }));
  bool same = true;
  for (int i = 0; i < runs; ++i) {
    Bytes a, b;
    te = std::min(te, Seconds([&] { a = EngineDecode(package); }));
    tr = std::min(tr, Seconds([&] { b = reference::Decode(package); }));
    same = same && a == input && b == input;
  }
  const double mb = static_cast<double>(input.size()) / (1024.0 * 1024.0);
  std::printf("%-14s %9zu -> %8zu bytes  ratio %5.1f%%  compress %6.2f MB/s\n", name, input.size(), package.size(),
              100.0 * static_cast<double>(package.size()) / static_cast<double>(input.size()), mb / tc);
  std::printf("%-14s decode MB/s: engine %7.2f  reference %7.2f  engine/reference %.2fx  %s\n", "", mb / te, mb / tr,
              tr / te, same ? "outputs match" : "OUTPUTS DIFFER");
}

double Median(std::vector<double> v, double q = 0.5) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
}

// The portable part of loading a skin: unpacking the package, finding the
// definition and reading it. Alternates with the reference decoder on the
// same package; medians and quartiles of the rounds.
void ReportLoad(const char* name, const Bytes& package) {
  std::vector<double> load, plain, ratio;
  std::size_t entries = 0;
  for (int i = 0; i < 41; ++i) {
    const double tl = Seconds([&] {
      skin::store::TSkinReader reader;
      skin::store::TMemoryStream packed(package), definition;
      reader.LoadPackage(packed);
      std::string found;
      reader.ExtractByPattern(".ini", definition, found);
      definition.Seek(0);
      skin::store::TQuickIni ini;
      ini.LoadFromStream(definition);
      entries = reader.Count();
    });
    const double tr = Seconds([&] { reference::Decode(package); });
    load.push_back(tl * 1e3);
    plain.push_back(tr * 1e3);
    ratio.push_back(tl / tr);
  }
  std::printf("%-14s loading, unpacked and definition read (%zu entries), ms: %.3f (%.3f-%.3f); reference unpack "
              "%.3f (%.3f-%.3f); ratio %.2f (%.2f-%.2f); median (quartiles) of 41 alternating rounds\n",
              name, entries, Median(load), Median(load, 0.25), Median(load, 0.75), Median(plain), Median(plain, 0.25),
              Median(plain, 0.75), Median(ratio), Median(ratio, 0.25), Median(ratio, 0.75));
}

}  // namespace

// Arguments: skin package files whose containers are measured too.
int main(int argc, char** argv) {
  if (kSanitized) std::printf("note: built with sanitizers; configure with -DBRINDLE_SANITIZE=OFF for real figures\n");
  Report("skin package", SkinContainer(), 40);
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    const Bytes package((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (package.size() < 4) {
      std::printf("%s: not a skin package\n", argv[i]);
      return 1;
    }
    const std::string name = std::filesystem::path(argv[i]).filename().string();
    Report(name.c_str(), EngineDecode(package), 40);
    ReportLoad(name.c_str(), package);
  }
  Report("16 MiB mixed", MixedData(16u << 20), 6);
  return 0;
}
