// SelectionRange: object mode's Shift-click range, and what the object edit dialog needs of the view to use it.
#pragma once

#include <cstdint>
#include <utility>

namespace vyr {

// Shift-click range of object mode, −1 meaning unset.
struct SelectionRange {
  int32_t xMin = -1;
  int32_t xMax = -1;
  int32_t yMin = -1;
  int32_t yMax = -1;
  void Reset() { *this = SelectionRange{}; }
  void ResetX() { xMin = xMax = -1; }
  // A shift-click: the first value becomes the minimum, each later one the maximum, the
  // two kept in order.
  void Add(int32_t x, int32_t y) {
    auto add = [](int32_t& low, int32_t& high, int32_t value) {
      if (low == -1) {
        low = value;
        return;
      }
      high = value;
      if (high < low) std::swap(low, high);
    };
    add(xMin, xMax, x);
    add(yMin, yMax, y);
  }
};

// The view's side of the range, for the object edit dialog's "X" and "Y" buttons.
class ISelectionRangeSource {
 public:
  virtual ~ISelectionRangeSource() = default;
  virtual SelectionRange Range() const = 0;
  // "Edytuj" closed: the next x range starts afresh; the y values stay.
  virtual void ResetRangeX() = 0;
};

}  // namespace vyr
