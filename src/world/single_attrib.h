// Single tile attribute record: one attribute for every pixel of the tile.
#pragma once

#include "world/tile_attrib.h"

namespace vyr {

class CSingleAttrib : public CTileAttrib {
 public:
  static constexpr int32_t kStoredSize = 20;

  CSingleAttrib() = default;
  CSingleAttrib(int32_t width, int32_t height, int32_t attrib);

  int Load(ByteSpan stored, std::string* reason = nullptr) override;
  int Kind() const override { return kAttribKindSingle; }
  int32_t AttributeAt(int32_t x, int32_t y) const override;
  int32_t StoredSize() const override { return kStoredSize; }
  void Store(ByteWriter& out) const override;
  std::unique_ptr<CTileAttrib> Clone() const override;

  int32_t m_attrib = 0;
};

}  // namespace vyr
