// Extracting a package that holds one 16 MiB entry, as a user does it: a fresh
// `skinpack extract` process writing files, against the `lhasa` archiver
// decoding the very same compressed bits. Wall time and peak memory, medians
// of 7 alternating rounds. Prints figures; asserts nothing about time.
//   bench_extract SKINPACK
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "lh1_archive.h"
#include "mixed_data.h"
#include "tools/skinpack/files.h"
#include "tools/skinpack/package_writer.h"

namespace {

namespace fs = std::filesystem;
using bench_data::Bytes;

struct Run {
  bool ok = false;
  double ms = 0;
  double peakMiB = 0;
};

// Runs `argv` in `folder` and waits; exit status 0 counts as success. A forked
// child's peak counts the parent's memory at the fork, so the parent holds
// little while it runs these.
Run Spawn(const std::vector<std::string>& argv, const fs::path& folder) {
  const auto t0 = std::chrono::steady_clock::now();
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    // The benchmark prints its own lines; the programs' reports would interleave.
    if (FILE* null = std::freopen("/dev/null", "w", stdout); null != nullptr && chdir(folder.c_str()) == 0) {
      execvp(args[0], args.data());
    }
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return {};
  Run run;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return run;
}

// FNV-1a, so that a file is checked a buffer at a time.
std::uint64_t Digest(std::span<const std::uint8_t> bytes, std::uint64_t hash = 14695981039346656037ull) {
  for (std::uint8_t b : bytes) hash = (hash ^ b) * 1099511628211ull;
  return hash;
}

std::uint64_t FileDigest(const fs::path& path) {
  skinpack::TFileInput in(path);
  std::uint64_t hash = Digest({});
  std::uint8_t buffer[65536];
  while (const std::size_t n = in.Read(buffer, sizeof buffer)) hash = Digest({buffer, n}, hash);
  return hash;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// An emptied folder for one run's output.
fs::path Fresh(const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_extract SKINPACK\n");
    return 1;
  }
  const fs::path skinpack = fs::absolute(argv[1]);
  const fs::path work = fs::temp_directory_path() / ("brindle-extract-" + std::to_string(getpid()));
  fs::create_directories(work);

  std::size_t compressed = 0;
  std::uint64_t expected = 0;
  {
    const Bytes data = bench_data::MixedData(16u << 20);
    expected = Digest(data);
    skinpack::WriteFile(work / "big.skn",
                        skinpack::BuildPackage({{"skin.ini", {'[', 'S', ']'}}, {"big.bin", data}}));
    const Bytes stream = skinpack::Compress(data);
    compressed = stream.size() - 4;
    skinpack::WriteFile(work / "big.lzh", bench_data::Lh1Archive("big.bin", data, std::span(stream).subspan(4)));
  }
  malloc_trim(0);

  std::vector<double> oursMs, oursMiB, theirsMs, theirsMiB;
  bool haveLhasa = true, same = true;
  for (int round = 0; round < 7; ++round) {
    const Run ours = Spawn({skinpack.string(), "extract", (work / "big.skn").string(), "-o", "out"}, Fresh(work / "a"));
    same = same && ours.ok && FileDigest(work / "a/out/big.bin") == expected;
    oursMs.push_back(ours.ms);
    oursMiB.push_back(ours.peakMiB);
    if (!haveLhasa) continue;
    const Run theirs = Spawn({"lhasa", "xq", (work / "big.lzh").string()}, Fresh(work / "b"));
    haveLhasa = theirs.ok && FileDigest(work / "b/big.bin") == expected;
    theirsMs.push_back(theirs.ms);
    theirsMiB.push_back(theirs.peakMiB);
  }
  fs::remove_all(work);

  std::printf("extract, one 16 MiB entry (%zu bytes compressed), median of 7 alternating rounds\n", compressed);
  std::printf("  skinpack extract: %7.1f ms  peak %5.1f MiB  %s\n", Median(oursMs), Median(oursMiB),
              same ? "output matches" : "OUTPUT DIFFERS");
  if (!haveLhasa) {
    std::printf("  lhasa: not installed or failed (apt-get install lhasa); no baseline\n");
    return 0;
  }
  std::printf("  lhasa xq:         %7.1f ms  peak %5.1f MiB\n", Median(theirsMs), Median(theirsMiB));
  std::printf("  skinpack/lhasa:   time %.2f  memory %.2f\n", Median(oursMs) / Median(theirsMs),
              Median(oursMiB) / Median(theirsMiB));
  return 0;
}
