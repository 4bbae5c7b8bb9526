// Narrowing of 64-bit sums to int32 that clamps instead of overflowing (typed positions and moves).
#pragma once

#include <algorithm>
#include <cstdint>

namespace vyr {

inline int32_t Saturate(int64_t value) { return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

}  // namespace vyr
