#pragma once
// Timing for the Windows benchmarks: GDI batches its calls, so every
// measured step is followed by GdiFlush before the clock is read.
#include <windows.h>

#include <functional>

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

}  // namespace bench
