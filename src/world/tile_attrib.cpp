// Tile attribute records: shared defaults of the base and the kind factory.
#include "world/tile_attrib.h"

#include <cmath>
#include <limits>

#include "world/double_attrib.h"
#include "world/mask_attrib.h"
#include "world/single_attrib.h"

namespace vyr {

int CTileAttrib::NextChangeLeft(int32_t, int32_t, int32_t&, int32_t&) const { return 0; }
int CTileAttrib::FindLeft(int32_t, int32_t, int32_t, int32_t&) const { return 0; }
int CTileAttrib::NextChangeUp(int32_t, int32_t, int32_t&, int32_t&) const { return 0; }
int CTileAttrib::FindUp(int32_t, int32_t, int32_t, int32_t&) const { return 0; }
int CTileAttrib::NextChangeRight(int32_t, int32_t, int32_t&, int32_t&) const { return 0; }
int CTileAttrib::FindRight(int32_t, int32_t, int32_t, int32_t&) const { return 0; }
int CTileAttrib::NextChangeDown(int32_t, int32_t, int32_t&, int32_t&) const { return 0; }
int CTileAttrib::FindDown(int32_t, int32_t, int32_t, int32_t&) const { return 0; }

int CTileAttrib::SetSize(int32_t width, int32_t height) {
  m_tileWidth = width;
  m_tileHeight = height;
  return 1;
}

int CTileAttrib::ResizeTo(int32_t width, int32_t height) {
  m_tileWidth = width;
  m_tileHeight = height;
  return 1;
}

int CTileAttrib::Scale(float factor) {
  // Single precision on purpose: the factor comes from a percentage as a float.
  m_tileWidth = TruncateToInt32(float(m_tileWidth) * factor);
  m_tileHeight = TruncateToInt32(float(m_tileHeight) * factor);
  return 1;
}

void CTileAttrib::StoreHeader(ByteWriter& out) const {
  out.I32(Kind());
  out.I32(0);
  out.I32(m_tileWidth);
  out.I32(m_tileHeight);
}

std::unique_ptr<CTileAttrib> MakeTileAttrib(int32_t kind) {
  switch (kind) {
    case kAttribKindSingle: return std::make_unique<CSingleAttrib>();
    case kAttribKindDouble: return std::make_unique<CDoubleAttrib>();
    case kAttribKindMask: return std::make_unique<CMaskAttrib>();
    default: return nullptr;
  }
}

int32_t TruncateToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= double(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  if (value <= double(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  return int32_t(value);
}

}  // namespace vyr
