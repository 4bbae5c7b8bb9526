// The monotonic clock behind the progress window's delay.
#include "platform/progress_gate.h"

#include <chrono>

namespace vyr {

int64_t SteadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace vyr
