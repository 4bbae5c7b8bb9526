// Narrowing of 64-bit sums to int32 that clamps instead of overflowing (typed positions and moves), and division that rounds down.
#pragma once

#include <algorithm>
#include <cstdint>

namespace vyr {

inline int32_t Saturate(int64_t value) { return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

// a / b rounded toward minus infinity, so that pixels left of or above an origin fall in
// the cell or view pixel they lie in; b must not be 0.
inline int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace vyr
