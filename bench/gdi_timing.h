#pragma once
// Timing for the Windows benchmarks: GDI batches its calls, so every
// measured step is followed by GdiFlush before the clock is read.
//
// The machine is shared with other work, so one long measurement of each
// side says little: a burst of load lands on one side only. A comparison is
// therefore made of many short rounds, baseline and subject alternating in
// every round (and the order swapping from round to round), and reported as
// the median with its quartiles, and the ratio as the median of the rounds'
// own ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

inline double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

// Microseconds per call: one call to warm up, then batches of `batch` calls
// until at least `seconds` have passed.
inline double MicrosPerCall(const std::function<void()>& step, int batch = 1, double seconds = 0.5) {
  step();
  GdiFlush();
  int calls = 0;
  const double start = Now();
  double elapsed = 0;
  do {
    for (int i = 0; i < batch; ++i) step();
    GdiFlush();
    calls += batch;
    elapsed = Now() - start;
  } while (elapsed < seconds);
  return elapsed * 1e6 / calls;
}

// The median and the first and third quartiles of a set of samples.
struct Spread {
  double median = 0, low = 0, high = 0;
};

inline Spread Summary(std::vector<double> samples) {
  if (samples.empty()) return {};
  std::sort(samples.begin(), samples.end());
  const auto at = [&](double q) { return samples[static_cast<std::size_t>(q * (samples.size() - 1) + 0.5)]; };
  return {at(0.5), at(0.25), at(0.75)};
}

struct Comparison {
  Spread base, subject;
  Spread ratio;  // of subject to base, round by round
  int rounds = 0;
};

// `sample(subject)` measures one side once and gives one figure for each of
// `count` measures; a negative figure (a failed measurement) leaves out that
// measure's round. The side measured first swaps from round to round, so
// that the side of the round before is kept when switching is costly.
inline std::vector<Comparison> Interleave(int rounds, std::size_t count,
                                          const std::function<std::vector<double>(bool subject)>& sample) {
  std::vector<std::vector<double>> base(count), subject(count), ratio(count);
  for (int i = 0; i < rounds; ++i) {
    const bool subject_first = i % 2 == 1;
    const std::vector<double> first = sample(subject_first);
    const std::vector<double> second = sample(!subject_first);
    const std::vector<double>& b = subject_first ? second : first;
    const std::vector<double>& s = subject_first ? first : second;
    for (std::size_t m = 0; m < count && m < b.size() && m < s.size(); ++m) {
      if (b[m] <= 0 || s[m] < 0) continue;
      base[m].push_back(b[m]);
      subject[m].push_back(s[m]);
      ratio[m].push_back(s[m] / b[m]);
    }
  }
  std::vector<Comparison> result;
  for (std::size_t m = 0; m < count; ++m)
    result.push_back({Summary(base[m]), Summary(subject[m]), Summary(ratio[m]), static_cast<int>(ratio[m].size())});
  return result;
}

inline Comparison Interleave(int rounds, const std::function<double(bool subject)>& sample) {
  return Interleave(rounds, 1, [&](bool s) { return std::vector<double>{sample(s)}; }).front();
}

// Two steps timed in alternating short batches (see MicrosPerCall).
inline Comparison Interleave(const std::function<void()>& base, const std::function<void()>& subject,
                             int rounds = 15, double seconds = 0.05, int batch = 1) {
  return Interleave(rounds, [&](bool s) { return MicrosPerCall(s ? subject : base, batch, seconds); });
}

// A figure with its quartiles, e.g. "4528 (4390-4702)", in a column of its own.
inline void PrintSpread(const Spread& s, int precision = 0) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f (%.*f-%.*f)", precision, s.median, precision, s.low, precision, s.high);
  std::printf(" %-24s", text);
}

inline void PrintHeader(const char* unit, const char* base, const char* subject) {
  std::printf("%s; median (quartiles) of interleaved rounds; ratio = %s / %s, round by round:\n", unit, subject,
              base);
  std::printf("  %-44s %-24s %-24s %-24s %s\n", "", base, subject, "ratio", "goal");
}

// goal 0: none printed.
inline void PrintRow(const char* what, const Comparison& c, double goal = 0, int precision = 0) {
  std::printf("  %-44s", what);
  PrintSpread(c.base, precision);
  PrintSpread(c.subject, precision);
  PrintSpread(c.ratio, 2);
  if (goal > 0) std::printf(" %.2f", goal);
  std::printf("  [%d rounds]\n", c.rounds);
}

}  // namespace bench
