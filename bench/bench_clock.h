// What the benchmarks measure against: this thread's CPU time and one memcpy of a buffer.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace vyr::bench {

inline double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// CPU seconds per memcpy of `bytes`, measured in the same run as what it is compared with
// (the machine is shared: wall time is noisy).
inline double MemcpySeconds(size_t bytes, int repeats) {
  std::vector<uint8_t> from(bytes, 7), to(bytes);
  const double start = ThreadSeconds();
  for (int i = 0; i < repeats; ++i) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  return (ThreadSeconds() - start) / repeats;
}

}  // namespace vyr::bench
