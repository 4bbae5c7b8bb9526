// Integer rectangle with Windows semantics: right and bottom are exclusive unless a caller says otherwise.
#pragma once

#include <cstdint>

namespace vyr {

struct CRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(int32_t x, int32_t y) const { return left <= x && x < right && top <= y && y < bottom; }
  friend bool operator==(const CRect&, const CRect&) = default;
};

}  // namespace vyr
