// The document's undo stack. Tile edits and their entries arrive with the tile commands;
// until then it carries only the limit the resource location sets.
#pragma once

#include <cstdint>

namespace vyr {

class CUndoStack {
 public:
  // The limit stays 0 until resources have been loaded.
  int32_t Limit() const { return m_limit; }
  void SetLimit(int32_t limit) { m_limit = limit; }
  // Drops every entry (there are none before tile edits record them).
  void Clear() {}

 private:
  int32_t m_limit = 0;
};

}  // namespace vyr
