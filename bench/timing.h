// Timing for the benchmarks: one run of some work, and the median of several.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

inline double millis(const std::function<void()>& work) {
  LARGE_INTEGER f, a, b;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&a);
  work();
  QueryPerformanceCounter(&b);
  return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

inline double median(int runs, const std::function<void()>& work) {
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) t.push_back(millis(work));
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

}  // namespace bench
