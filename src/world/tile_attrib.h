// Tile attribute records (one per image number): single, double and mask.
#pragma once

#include <cstdint>

namespace vyr {

class CTileAttrib {
 public:
  virtual ~CTileAttrib() = default;

  int32_t m_tileWidth = 0;
  int32_t m_tileHeight = 0;
};

}  // namespace vyr
