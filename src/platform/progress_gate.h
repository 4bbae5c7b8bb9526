// When a progress window shows: only once a task has run past half a second, so short
// work flashes nothing.
#pragma once

#include <cstdint>
#include <functional>

namespace vyr {

// Milliseconds of a monotonic clock.
int64_t SteadyMilliseconds();

class ProgressGate {
 public:
  using Clock = std::function<int64_t()>;
  static constexpr int64_t kThresholdMs = 500;

  explicit ProgressGate(Clock clock = SteadyMilliseconds) : m_clock(std::move(clock)) {}
  void Start() { m_start = m_clock(); }
  void Stop() { m_start = -1; }
  bool Running() const { return m_start >= 0; }
  // A task started and running for the threshold or longer.
  bool Due() const { return Running() && m_clock() - m_start >= kThresholdMs; }

 private:
  Clock m_clock;
  int64_t m_start = -1;
};

}  // namespace vyr
